<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>brak folderu dostępnego tylko dla tego użytkownika na jego gniazdo</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>zbyt wiele zdjęć z tej samej chwili</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg nie zapisał żadnego obrazu</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>nie można uruchomić ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg działał zbyt długo</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg zakończył się błędem, kod wyjścia %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>nie udało się zapisać znaczników GPS: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>Plik ustawień %1 był zbyt duży lub uszkodzony. Zachowano go jako %2 i używane są ustawienia domyślne.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Nie można zapisać ustawień w %1. Od teraz są zapisywane w %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Nie można zapisać ustawień w %1. Zmiany obowiązują tylko do zamknięcia programu.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Zrzut ekranu</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
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
        <translation>Brak GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Nie ma czego eksportować: zakres jest pusty.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Nie można zapisywać w folderze %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>Nie można uruchomić ffmpeg (%1). Zainstaluj ffmpeg, aby eksportować filmy.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg nieoczekiwanie przerwał pracę: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Dysk jest pełny: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg zakończył się błędem (kod wyjścia %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Nie można nadać nazwy plikowi %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Eksport odcinka</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Zapisz jako:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Kamery:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Jakość:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Czas, prędkość i położenie na obrazie</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Dźwięk z kamery głównej</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Tylko kamera główna</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Obie kamery obok siebie</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Druga kamera w rogu</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Kompaktowa (mały plik)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowa</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Wysoka (duży plik)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>Odcinek nie ma nagrania drugiej kamery</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 – %2 (%3), klipy: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Eksportuj jako</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Wideo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>oczekujące: %1</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Eksportowanie %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Zatrzymaj ten eksport; jego plik nie zostanie zapisany</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Szacowanie</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>pozostało %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolniej</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Szybciej</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Otwórz pliki</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>Nie można wczytać strony mapy %1: mapa pozostaje pusta</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Pliki otwierane z innego miejsca uruchomią kolejne okno: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nie znaleziono: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Nie można zapisać zdjęcia w %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Nie można użyć folderu zdjęć %1 (%2); zapis do %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Brak nagrań w %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Zaznacz początek odcinka do eksportu na odtwarzanej sekundzie (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Zaznacz koniec odcinka do eksportu na odtwarzanej sekundzie (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Eksportuj zaznaczony odcinek jako jedno wideo</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Wyeksportowano: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>Nie można wyeksportować %1: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>Zaznaczony odcinek nie zawiera nagrania</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Eksport wciąż trwa. Zamknięcie okna go anuluje, a jego plik nie zostanie zapisany. Zamknąć mimo to?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>nieznany błąd multimediów</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>Nie można odtworzyć %1:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Data utworzenia</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Nie do odtworzenia</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Nie można odczytać tego pliku: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>Nie znaleziono obrazu wideo w tym pliku: jest uszkodzony, ucięty lub nie jest filmem</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Nie można odtworzyć tego pliku: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>Plik jest ucięty: można odczytać %1 z %2 sekund telemetrii</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>Plik jest ucięty: udało się odzyskać %1 s telemetrii</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Nagrano</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Trasa %1: %2 do %3 (%4), %5, prędkość maks. %6, średnia prędkość w ruchu %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Trasa %1: czas nagrania nieznany, %2, prędkość maks. %3, średnia prędkość w ruchu %4</translation>
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
        <translation>B</translation>
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
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Ustawienia osobiste</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Folder zrzutów ekranu</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>Mapy Baidu</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Mapy Google</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>Jednostka prędkości</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Zezwalaj na wiele okien</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Każdy plik otwarty z zewnątrz dostaje własne okno</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Zapisuj pozycję w zdjęciach</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>Pozycja, czas, prędkość i kierunek z tej chwili trafiają do znaczników GPS EXIF obrazu, aby programy do zdjęć pokazały go na mapie</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Przerwa między trasami</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Hamowanie lub skręt</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Dziura lub wstrząs</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>obraz nie jest plikiem JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>nie udało się utworzyć znaczników GPS</translation>
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
        <translation>%1 (%2 od początku jazdy)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 od początku jazdy</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Brak telemetrii</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Klip: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Wstrząs pionowy: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Hamowanie lub gwałtowny skręt: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>nie jest zwykłym plikiem (potok nazwany, urządzenie lub gniazdo)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>jest folderem</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>nie jest plikiem lokalnym</translation>
    </message>
</context>
</TS>
