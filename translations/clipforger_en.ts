<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/session/BatchReport.cpp" line="+101"/>
        <source>%1 of %n file(s) could not be converted</source>
        <comment>failed of all files</comment>
        <translation>
            <numerusform>%1 of %n file could not be converted</numerusform>
            <numerusform>%1 of %n files could not be converted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 of %n file(s) converted</source>
        <comment>converted of all files</comment>
        <translation>
            <numerusform>%1 of %n file converted</numerusform>
            <numerusform>%1 of %n files converted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>... and %n more</source>
        <comment>files listed beyond the names shown</comment>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConvertingView</name>
    <message numerus="yes">
        <location filename="../src/screens/ConvertingView.cpp" line="+124"/>
        <source>%n second(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n hour(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message numerus="yes">
        <location filename="../src/screens/DropZone.cpp" line="+81"/>
        <source>%n file(s) listed</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n file listed</numerusform>
            <numerusform>%n files listed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSummary</name>
    <message numerus="yes">
        <location filename="../src/screens/FileSummary.cpp" line="+29"/>
        <source>%n file(s) selected</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainConversionView</name>
    <message numerus="yes">
        <location filename="../src/screens/MainConversionView.cpp" line="+136"/>
        <source>%n file(s) were not converted last time</source>
        <comment>restored after a crash</comment>
        <translation>
            <numerusform>%n file was not converted last time</numerusform>
            <numerusform>%n files were not converted last time</numerusform>
        </translation>
    </message>
</context>
</TS>
