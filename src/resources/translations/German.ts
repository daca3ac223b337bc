<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>es gibt keinen Ordner, den nur dieser Benutzer betreten kann, für den Socket</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>zu viele Standbilder desselben Moments</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg hat kein Bild geschrieben</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>ffmpeg kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg hat zu lange gebraucht</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg ist mit dem Exit-Status %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>die GPS-Tags konnten nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>Die Einstellungsdatei %1 war zu groß oder beschädigt. Sie wurde als %2 aufbewahrt, und die Standardeinstellungen werden verwendet.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Ab jetzt werden sie in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Änderungen gelten nur bis zum Beenden des Programms.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>0000/00/00 00:00:00</source>
        <translation>0000/00/00 00:00:00</translation>
    </message>
    <message>
        <source>000 km/h</source>
        <translation>000 km/h</translation>
    </message>
    <message>
        <source>N00.000000,E000.000000</source>
        <translation>N00.000000,E000.000000</translation>
    </message>
    <message>
        <source>00:00:00/00:00:00</source>
        <translation>00:00:00/00:00:00</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>No GPS</source>
        <translation>Kein GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Nichts zu exportieren: der Bereich ist leer.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>ffmpeg kann nicht gestartet werden (%1). Installieren Sie ffmpeg, um Videos zu exportieren.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg wurde unerwartet beendet: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Der Datenträger ist voll: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg ist fehlgeschlagen (Exit-Status %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Die Datei %1 kann nicht benannt werden: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Abschnitt exportieren</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Speichern als:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Kameras:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Zeit, Geschwindigkeit und Position im Bild</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Ton der Hauptkamera</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Nur Hauptkamera</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Beide Kameras nebeneinander</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Zweite Kamera in einer Ecke</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Kompakt (kleine Datei)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Hoch (große Datei)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>Zum Abschnitt gibt es keine Aufnahme der zweiten Kamera</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 bis %2 (%3), Clips: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Exportieren als</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 wartend</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Exportiere %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Diesen Export abbrechen; seine Datei wird nicht geschrieben</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Wird geschätzt</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Schneller</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>Die Kartenseite %1 konnte nicht geladen werden: Die Karte bleibt leer</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Von anderswo geöffnete Dateien starten ein weiteres Fenster: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Das Standbild konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Der Standbildordner %1 ist nicht verwendbar (%2); stattdessen wird in %3 gespeichert</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Keine Aufnahmen in %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Den Anfang des zu exportierenden Abschnitts auf die laufende Sekunde setzen (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Das Ende des zu exportierenden Abschnitts auf die laufende Sekunde setzen (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Den markierten Abschnitt als ein Video exportieren</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Exportiert: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>%1 konnte nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>Der markierte Abschnitt enthält keine Aufnahme</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Ein Export läuft noch. Das Schließen des Fensters bricht ihn ab, und seine Datei wird nicht geschrieben. Trotzdem schließen?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>unbekannter Medienfehler</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 kann nicht abgespielt werden:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Nicht abspielbar</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Diese Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>In dieser Datei wurde kein Video gefunden: Sie ist beschädigt, abgeschnitten oder kein Video</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Diese Datei kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>Die Datei ist abgeschnitten: %1 von %2 Sekunden Telemetrie sind lesbar</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>Die Datei ist abgeschnitten: %1 Sekunden Telemetrie konnten wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Fahrt %1: %2 bis %3 (%4), %5, Höchstgeschwindigkeit %6, Durchschnitt in Fahrt %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Fahrt %1: Aufnahmezeit unbekannt, %2, Höchstgeschwindigkeit %3, Durchschnitt in Fahrt %4</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 mi</source>
        <translation>%1 mi</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>EB</translation>
    </message>
    <message>
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <source>YB</source>
        <translation>YB</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>(zh-CN)简体中文</source>
        <translation>(zh-CN)简体中文</translation>
    </message>
    <message>
        <source>(zh-TW)繁體中文</source>
        <translation>(zh-TW)繁體中文</translation>
    </message>
    <message>
        <source>(en-US)English</source>
        <translation>(en-US)English</translation>
    </message>
    <message>
        <source>(en-GB)English</source>
        <translation>(en-GB)English</translation>
    </message>
    <message>
        <source>(fr)Français </source>
        <translation>(fr)Français </translation>
    </message>
    <message>
        <source>(it)Italiano</source>
        <translation>(it)Italiano</translation>
    </message>
    <message>
        <source>(jp)日本語 </source>
        <translation>(jp)日本語 </translation>
    </message>
    <message>
        <source>(pl)Polski</source>
        <translation>(pl)Polski</translation>
    </message>
    <message>
        <source>(ru)Pусский</source>
        <translation>(ru)Русский</translation>
    </message>
    <message>
        <source>(de)Deutsch </source>
        <translation>(de)Deutsch </translation>
    </message>
    <message>
        <source>(es)Español </source>
        <translation>(es)Español </translation>
    </message>
    <message>
        <source>(pt)Portuguese</source>
        <translation>(pt)Português</translation>
    </message>
    <message>
        <source>(ko)한국어</source>
        <translation>(ko)한국어</translation>
    </message>
    <message>
        <source>Km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MP/h</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Persönliche Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Speicherort für Bildschirmfotos</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>Baidu Maps</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Maps</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>Geschwindigkeitseinheit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Mehrere Fenster erlauben</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Jede von außen geöffnete Datei bekommt ein eigenes Fenster</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Position in Standbildern speichern</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>Position, Zeit, Geschwindigkeit und Richtung des Moments kommen in die EXIF-GPS-Tags des Bildes, damit Fotoprogramme es auf einer Karte zeigen</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Pause zwischen Fahrten</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Bremsen oder Ausweichen</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Schlagloch oder Stoß</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>das Bild ist kein JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>die GPS-Tags konnten nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>SpeedTray</name>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
</context>
<context>
    <name>TripTimeline</name>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 (%2 into the trip)</source>
        <translation>%1 (%2 seit Fahrtbeginn)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 seit Fahrtbeginn</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Keine Telemetrie</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Clip: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Vertikaler Stoß: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Bremsen oder Ausweichen: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>keine reguläre Datei (eine benannte Pipe, ein Gerät oder ein Socket)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>keine lokale Datei</translation>
    </message>
</context>
</TS>
