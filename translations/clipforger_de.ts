<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchNotifier</name>
    <message>
        <location filename="../src/desktop/BatchNotifier.cpp" line="+67"/>
        <source>View files</source>
        <translation>Dateien anzeigen</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <location filename="../src/session/BatchReport.cpp" line="+48"/>
        <location line="+61"/>
        <source>Conversion failed</source>
        <translation>Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <location line="+21"/>
        <source>%n file(s) were already small: kept as they were</source>
        <comment>streams kept, not encoded</comment>
        <translation>
            <numerusform>%n Datei war schon klein: unverändert übernommen</numerusform>
            <numerusform>%n Dateien waren schon klein: unverändert übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n file(s) grew to play everywhere: %1</source>
        <comment>files encoded bigger than they were</comment>
        <translation>
            <numerusform>%n Datei wurde größer, damit sie überall abspielbar ist: %1</numerusform>
            <numerusform>%n Dateien wurden größer, damit sie überall abspielbar sind: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Picture subtitles not kept: %1</source>
        <comment>files whose DVD or Blu-ray subtitles are gone</comment>
        <translation>Bilduntertitel nicht übernommen: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Conversion stopped</source>
        <translation>Umwandlung gestoppt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Conversion finished with failures</source>
        <translation>Umwandlung mit Fehlern beendet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Conversion complete</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Converted: %1. Failed: %2.</source>
        <translation>Umgewandelt: %1. Fehlgeschlagen: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>%1 of %n file(s) could not be converted</source>
        <comment>failed of all files</comment>
        <translation>
            <numerusform>%1 von %n Datei nicht umgewandelt</numerusform>
            <numerusform>%1 von %n Dateien nicht umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 of %n file(s) converted</source>
        <comment>converted of all files</comment>
        <translation>
            <numerusform>%1 von %n Datei umgewandelt</numerusform>
            <numerusform>%1 von %n Dateien umgewandelt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <comment>a file name, then what became of the file</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <comment>files listed beyond the names shown</comment>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+64"/>
        <source>Converts video files into small MP4 files.</source>
        <translation>Wandelt Videodateien in kleine MP4-Dateien um.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video files or folders to list for converting.</source>
        <translation>Videodateien oder Ordner, die zum Umwandeln aufgelistet werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[FILE...]</source>
        <translation>[DATEI...]</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="+33"/>
        <source>No graphical display (DISPLAY or WAYLAND_DISPLAY is unset): cannot open Clipforger&apos;s window.</source>
        <translation>Keine grafische Anzeige (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt): Das Fenster von Clipforger kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CompletionView</name>
    <message>
        <location filename="../src/screens/CompletionView.cpp" line="+105"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the converted files</source>
        <translation>Die konvertierten Dateien kopieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo: put the originals back</source>
        <translation>Rückgängig: Originale zurücklegen</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>The folder could not be opened. It is here:</source>
        <translation>Der Ordner konnte nicht geöffnet werden. Er liegt hier:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <location line="-102"/>
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
        <location filename="../src/screens/ConvertButton.cpp" line="+20"/>
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
        <location filename="../src/screens/ConvertingView.cpp" line="+158"/>
        <source>Converting...</source>
        <translation>Wird umgewandelt...</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Crash recovery is off: the app&apos;s state folder cannot be written</source>
        <translation>Wiederherstellung nach Absturz aus: Der Statusordner der App ist nicht beschreibbar</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>%1%</source>
        <comment>percent of the current file converted</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A few seconds left</source>
        <translation>Noch wenige Sekunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About %1 left</source>
        <translation>Noch etwa %1</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n second(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n minute(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n hour(s)</source>
        <comment>time left</comment>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About %1, %2 left</source>
        <comment>hours, then minutes</comment>
        <translation>Noch etwa %1, %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <location filename="../src/desktop/DesktopIntegration.cpp" line="+59"/>
        <source>Converting videos</source>
        <translation>Videos werden umgewandelt</translation>
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
        <location line="+1"/>
        <source>or click to choose files</source>
        <translation>oder klicken, um Dateien auszuwählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add video files</source>
        <translation>Videodateien hinzufügen</translation>
    </message>
    <message numerus="yes">
        <location line="+60"/>
        <source>Looking for videos: %Ln folder(s) seen</source>
        <comment>folders looked through so far</comment>
        <translation>
            <numerusform>Suche nach Videos: %Ln Ordner durchgesehen</numerusform>
            <numerusform>Suche nach Videos: %Ln Ordner durchgesehen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No files listed</source>
        <translation>Keine Dateien aufgelistet</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n file(s) listed</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei aufgelistet</numerusform>
            <numerusform>%n Dateien aufgelistet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/app/FileChooser.cpp" line="+31"/>
        <source>Choose Video Files</source>
        <translation>Videodateien auswählen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Video files (%1)</source>
        <translation>Videodateien (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FileOutcome</name>
    <message>
        <location filename="../src/engine/FileOutcome.cpp" line="+29"/>
        <source>stopped</source>
        <comment>why a file was not converted</comment>
        <translation>gestoppt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the encoder is not installed (handbrake-cli)</source>
        <comment>why a file was not converted</comment>
        <translation>der Encoder ist nicht installiert (handbrake-cli)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the encoder could not be started</source>
        <comment>why a file was not converted</comment>
        <translation>der Encoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file could not be read</source>
        <comment>why a file was not converted</comment>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file appears to be damaged</source>
        <comment>why a file was not converted</comment>
        <translation>die Datei scheint beschädigt zu sein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file changed while it was being converted</source>
        <comment>why a file was not converted</comment>
        <translation>die Datei hat sich während der Umwandlung geändert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disk is full</source>
        <comment>why a file was not converted</comment>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the output folder cannot be written</source>
        <comment>why a file was not converted</comment>
        <translation>in den Zielordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a video the encoder can read</source>
        <comment>why a file was not converted</comment>
        <translation>kein Video, das der Encoder lesen kann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the encoder stopped unexpectedly</source>
        <comment>why a file was not converted</comment>
        <translation>der Encoder wurde unerwartet beendet</translation>
    </message>
</context>
<context>
    <name>FileSummary</name>
    <message numerus="yes">
        <location filename="../src/screens/FileSummary.cpp" line="+29"/>
        <source>%n file(s) selected</source>
        <comment>count of listed files</comment>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainConversionView</name>
    <message>
        <location filename="../src/screens/MainConversionView.cpp" line="+123"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>%n file(s) were not converted last time</source>
        <comment>restored after a crash</comment>
        <translation>
            <numerusform>%n Datei wurde beim letzten Mal nicht umgewandelt</numerusform>
            <numerusform>%n Dateien wurden beim letzten Mal nicht umgewandelt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="+136"/>
        <source>Paused at %1% – Clipforger</source>
        <comment>window title</comment>
        <translation>Pausiert bei %1% – Clipforger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1% – Clipforger</source>
        <comment>window title: percent of the batch done</comment>
        <translation>%1&#xa0;% – Clipforger</translation>
    </message>
</context>
<context>
    <name>SizeSummary</name>
    <message>
        <location filename="../src/session/SizeSummary.cpp" line="+39"/>
        <source>%1 → %2</source>
        <comment>input size → output size</comment>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, %2% smaller</source>
        <translation>%1, %2&#xa0;% kleiner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, %2% larger</source>
        <translation>%1, %2&#xa0;% größer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, about the same size</source>
        <translation>%1, etwa gleich groß</translation>
    </message>
</context>
<context>
    <name>TrashStatus</name>
    <message>
        <location filename="../src/session/TrashStatus.cpp" line="+12"/>
        <source>Move originals to Trash (%1)</source>
        <translation>Originale in den Papierkorb verschieben (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Originals kept</source>
        <translation>Originale behalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Originals moved to the Trash</source>
        <translation>Originale in den Papierkorb verschoben</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Checking the converted files…</source>
        <translation>Die umgewandelten Dateien werden geprüft …</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n original(s) moved to the Trash</source>
        <translation>
            <numerusform>%n Original in den Papierkorb verschoben</numerusform>
            <numerusform>%n Originale in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n original(s) were kept: changed since their conversion</source>
        <translation>
            <numerusform>%n Original wurde behalten: Es hat sich seit der Umwandlung geändert</numerusform>
            <numerusform>%n Originale wurden behalten: Sie haben sich seit der Umwandlung geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) were kept: their converted file(s) could not be checked</source>
        <translation>
            <numerusform>%n Original wurde behalten: Seine umgewandelte Datei ließ sich nicht prüfen</numerusform>
            <numerusform>%n Originale wurden behalten: Ihre umgewandelten Dateien ließen sich nicht prüfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n original(s) were kept: subtitles or chapters are missing from their converted file(s)</source>
        <translation>
            <numerusform>%n Original wurde behalten: Seiner umgewandelten Datei fehlen Untertitel oder Kapitel</numerusform>
            <numerusform>%n Originale wurden behalten: Ihren umgewandelten Dateien fehlen Untertitel oder Kapitel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) were kept: the Trash refused them</source>
        <translation>
            <numerusform>%n Original wurde behalten: Der Papierkorb lehnte es ab</numerusform>
            <numerusform>%n Originale wurden behalten: Der Papierkorb lehnte sie ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n original(s) put back where they were</source>
        <translation>
            <numerusform>%n Original wieder an seinen Platz gelegt</numerusform>
            <numerusform>%n Originale wieder an ihren Platz gelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n original(s) stayed in the Trash: their name(s) are taken now</source>
        <translation>
            <numerusform>%n Original blieb im Papierkorb: Sein Name ist jetzt vergeben</numerusform>
            <numerusform>%n Originale blieben im Papierkorb: Ihre Namen sind jetzt vergeben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n original(s) stayed in the Trash: their folder(s) could not take them back</source>
        <translation>
            <numerusform>%n Original blieb im Papierkorb: Sein Ordner konnte es nicht zurücknehmen</numerusform>
            <numerusform>%n Originale blieben im Papierkorb: Ihre Ordner konnten sie nicht zurücknehmen</numerusform>
        </translation>
    </message>
</context>
</TS>
