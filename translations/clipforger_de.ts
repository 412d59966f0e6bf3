<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchNotifier</name>
    <message>
        <location filename="../src/app/BatchNotifier.cpp" line="+33"/>
        <source>Conversion failed</source>
        <translation>Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Conversion complete</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished with failures</source>
        <translation>Umwandlung mit Fehlern beendet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Converted: %1. Failed: %2.</source>
        <translation>Umgewandelt: %1. Fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>View files</source>
        <translation>Dateien anzeigen</translation>
    </message>
</context>
<context>
    <name>CompletionView</name>
    <message>
        <location filename="../src/screens/CompletionView.cpp" line="+26"/>
        <source>Conversion failed</source>
        <translation>Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>View files</source>
        <translation>Dateien anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert more files</source>
        <translation>Weitere Dateien umwandeln</translation>
    </message>
</context>
<context>
    <name>ConvertButton</name>
    <message>
        <location filename="../src/screens/ConvertButton.cpp" line="+17"/>
        <source>Make small, fast, and compatible</source>
        <translation>Klein, schnell, kompatibel machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make %1 small, fast, and compatible</source>
        <translation>%1 klein, schnell, kompatibel machen</translation>
    </message>
</context>
<context>
    <name>ConvertingView</name>
    <message>
        <location filename="../src/screens/ConvertingView.cpp" line="+40"/>
        <source>Converting...</source>
        <translation>Wird umgewandelt...</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1%</source>
        <comment>percent of the current file converted</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <location filename="../src/screens/DropZone.cpp" line="+23"/>
        <source>Drop video files here</source>
        <translation>Videodateien hier ablegen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add video files</source>
        <translation>Videodateien hinzufügen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No files listed</source>
        <translation>Keine Dateien aufgelistet</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file listed</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei aufgelistet</numerusform>
            <numerusform>%n Dateien aufgelistet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n files listed</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei aufgelistet</numerusform>
            <numerusform>%n Dateien aufgelistet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureReport</name>
    <message numerus="yes">
        <location filename="../src/screens/FailureReport.cpp" line="+41"/>
        <source>%1 of %n file could not be converted</source>
        <comment>failed of all files</comment>
        <translation>
            <numerusform>%1 von %n Datei nicht umgewandelt</numerusform>
            <numerusform>%1 von %n Dateien nicht umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%1 of %n files could not be converted</source>
        <comment>failed of all files</comment>
        <translation>
            <numerusform>%1 von %n Datei nicht umgewandelt</numerusform>
            <numerusform>%1 von %n Dateien nicht umgewandelt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileOutcome</name>
    <message>
        <location filename="../src/engine/FileOutcome.cpp" line="+11"/>
        <source>Converted</source>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The encoder HandBrakeCLI is missing</source>
        <translation>Der Encoder HandBrakeCLI fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The encoder could not be started</source>
        <translation>Der Encoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The encoder failed with exit status %1</source>
        <translation>Der Encoder ist mit dem Status %1 gescheitert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder was killed by signal %1</source>
        <translation>Der Encoder wurde durch das Signal %1 beendet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The encoder wrote no output</source>
        <translation>Der Encoder hat nichts ausgegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The output file could not be created</source>
        <translation>Die Ausgabedatei konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>FileSummary</name>
    <message numerus="yes">
        <location filename="../src/screens/FileSummary.cpp" line="+29"/>
        <source>%n file selected</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n files selected</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="+83"/>
        <source>Converting videos</source>
        <translation>Videos werden umgewandelt</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message numerus="yes">
        <location filename="../src/screens/NameList.cpp" line="+33"/>
        <source>... and %n more</source>
        <comment>files listed beyond the names shown</comment>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
</TS>
