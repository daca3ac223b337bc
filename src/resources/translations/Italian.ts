<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>non esiste una cartella accessibile solo a questo utente per il suo socket</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>troppi fotogrammi dello stesso istante</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg non ha scritto alcuna immagine</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>impossibile avviare ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg ha impiegato troppo tempo</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg non è riuscito, codice di uscita %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>impossibile scrivere i tag GPS: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>Il file delle impostazioni %1 era troppo grande o danneggiato. È stato conservato come %2 e vengono usate le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Impossibile salvare le impostazioni in %1. D&apos;ora in poi vengono salvate in %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Impossibile salvare le impostazioni in %1. Le modifiche valgono solo fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura schermata</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
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
        <translation>Nessun GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Niente da esportare: l'intervallo è vuoto.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>Impossibile avviare ffmpeg (%1). Installare ffmpeg per esportare i video.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg si è interrotto inaspettatamente: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Il disco è pieno: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg non è riuscito (stato di uscita %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Impossibile assegnare il nome al file %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Esporta un tratto</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Salva come:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Telecamere:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Ora, velocità e posizione sull&apos;immagine</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Audio della telecamera principale</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Solo telecamera principale</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Entrambe le telecamere affiancate</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Seconda telecamera in un angolo</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Compatta (file piccolo)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Alta (file grande)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>Il tratto non ha la registrazione della seconda telecamera</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>Da %1 a %2 (%3), clip: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Esporta come</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 in attesa</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Esportazione di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Interrompi questa esportazione; il suo file non viene scritto</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Stima in corso</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Rallenta</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Accelera</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>Impossibile caricare la pagina della mappa %1: la mappa resta vuota</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>I file aperti altrove avvieranno un'altra finestra: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Non trovato: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Impossibile salvare il fotogramma in %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Impossibile usare la cartella dei fotogrammi %1 (%2); salvataggio in %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Nessuna registrazione in %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Segna l&apos;inizio del tratto da esportare al secondo in riproduzione (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Segna la fine del tratto da esportare al secondo in riproduzione (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Esporta il tratto segnato come un unico video</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Esportato: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>Impossibile esportare %1: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>Il tratto segnato non contiene registrazioni</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Un&apos;esportazione è ancora in corso. Chiudendo la finestra verrà annullata e il suo file non sarà scritto. Chiudere comunque?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>errore multimediale sconosciuto</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 non può essere riprodotto:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Non riproducibile</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Impossibile leggere questo file: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>Nessun video trovato in questo file: è danneggiato, troncato o non è un video</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Impossibile riprodurre questo file: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>Il file è troncato: sono leggibili %1 di %2 secondi di telemetria</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>Il file è troncato: è stato possibile recuperare %1 secondi di telemetria</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaggio</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Registrato</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Viaggio %1: %2 – %3 (%4), %5, velocità massima %6, velocità media in movimento %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Viaggio %1: ora di registrazione sconosciuta, %2, velocità massima %3, velocità media in movimento %4</translation>
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
        <translation>byte</translation>
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
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Impostazioni personali</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Cartella delle schermate</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
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
        <translation>Unità di velocità</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Consenti più finestre</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Ogni file aperto dall&apos;esterno ha una finestra propria</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Salva la posizione nei fotogrammi</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>Posizione, ora, velocità e direzione del momento vengono scritte nei tag GPS EXIF dell&apos;immagine, così i programmi di foto la collocano su una mappa</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Pausa tra viaggi</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Frenata o sterzata</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Buca o urto</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>l&apos;immagine non è un JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>impossibile creare i tag GPS</translation>
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
        <translation>%1 (%2 dall&apos;inizio del viaggio)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 dall&apos;inizio del viaggio</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Nessuna telemetria</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Clip: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Scossone verticale: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Frenata o sterzata: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>non è un file normale (una pipe con nome, un dispositivo o un socket)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>non è un file locale</translation>
    </message>
</context>
</TS>
