<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BatchReport</name>
    <message numerus="yes">
        <location filename="../src/session/BatchReport.cpp" line="+76"/>
        <source>%n file(s) were already small: kept as they were</source>
        <comment>streams kept, not encoded</comment>
        <translation>
            <numerusform>%n file was already small: kept as it was</numerusform>
            <numerusform>%n files were already small: kept as they were</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n file(s) grew to play everywhere: %1</source>
        <comment>files encoded bigger than they were</comment>
        <translation>
            <numerusform>%n file grew to play everywhere: %1</numerusform>
            <numerusform>%n files grew to play everywhere: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+61"/>
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
        <location filename="../src/screens/DropZone.cpp" line="+93"/>
        <source>Looking for videos: %Ln folder(s) seen</source>
        <comment>folders looked through so far</comment>
        <translation>
            <numerusform>Looking for videos: %Ln folder seen</numerusform>
            <numerusform>Looking for videos: %Ln folders seen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
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
        <location filename="../src/screens/MainConversionView.cpp" line="+146"/>
        <source>%n file(s) were not converted last time</source>
        <comment>restored after a crash</comment>
        <translation>
            <numerusform>%n file was not converted last time</numerusform>
            <numerusform>%n files were not converted last time</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashStatus</name>
    <message numerus="yes">
        <location filename="../src/session/TrashStatus.cpp" line="+36"/>
        <source>%n original(s) moved to the Trash</source>
        <translation>
            <numerusform>%n original moved to the Trash</numerusform>
            <numerusform>%n originals moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n original(s) were kept: changed since their conversion</source>
        <translation>
            <numerusform>%n original was kept: changed since its conversion</numerusform>
            <numerusform>%n originals were kept: changed since their conversion</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) were kept: their converted file(s) could not be checked</source>
        <translation>
            <numerusform>%n original was kept: its converted file could not be checked</numerusform>
            <numerusform>%n originals were kept: their converted files could not be checked</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n original(s) were kept: subtitles or chapters are missing from their converted file(s)</source>
        <translation>
            <numerusform>%n original was kept: subtitles or chapters are missing from its converted file</numerusform>
            <numerusform>%n originals were kept: subtitles or chapters are missing from their converted files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) were kept: the Trash refused them</source>
        <translation>
            <numerusform>%n original was kept: the Trash refused it</numerusform>
            <numerusform>%n originals were kept: the Trash refused them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n original(s) put back where they were</source>
        <translation>
            <numerusform>%n original put back where it was</numerusform>
            <numerusform>%n originals put back where they were</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n original(s) stayed in the Trash: their name(s) are taken now</source>
        <translation>
            <numerusform>%n original stayed in the Trash: its name is taken now</numerusform>
            <numerusform>%n originals stayed in the Trash: their names are taken now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) stayed in the Trash: their folder(s) could not take them back</source>
        <translation>
            <numerusform>%n original stayed in the Trash: its folder could not take it back</numerusform>
            <numerusform>%n originals stayed in the Trash: their folders could not take them back</numerusform>
        </translation>
    </message>
</context>
</TS>
