<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>no hay ninguna carpeta a la que solo este usuario pueda acceder para su socket</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>demasiadas imágenes fijas del mismo instante</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg no escribió ninguna imagen</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>no se puede iniciar ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg tardó demasiado</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg falló con el código de salida %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>no se pudieron escribir las etiquetas GPS: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>El archivo de configuración %1 era demasiado grande o estaba dañado. Se ha conservado como %2 y se usa la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>No se pudo guardar la configuración en %1. A partir de ahora se guarda en %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>No se pudo guardar la configuración en %1. Los cambios solo duran hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
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
        <translation>Sin GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Nada que exportar: el intervalo está vacío.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>No se puede iniciar ffmpeg (%1). Instale ffmpeg para exportar vídeos.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg se detuvo inesperadamente: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>El disco está lleno: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg falló (estado de salida %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>No se puede dar nombre al archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Exportar un tramo</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Guardar como:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Cámaras:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Hora, velocidad y posición en la imagen</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Sonido de la cámara principal</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Solo la cámara principal</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Ambas cámaras una al lado de la otra</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Segunda cámara en una esquina</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Compacta (archivo pequeño)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Alta (archivo grande)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>El tramo no tiene grabación de la segunda cámara</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 a %2 (%3), clips: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Exportar como</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 en espera</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Exportando %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Detener esta exportación; su archivo no se escribe</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Calculando</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Más rápido</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>No se pudo cargar la página del mapa %1: el mapa queda vacío</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Los archivos abiertos desde otro lugar abrirán otra ventana: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>No encontrado: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>No se pudo guardar la imagen fija en %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>No se puede usar la carpeta de imágenes fijas %1 (%2); se guarda en %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>No hay grabaciones en %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Marcar el inicio del tramo a exportar en el segundo en reproducción (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Marcar el final del tramo a exportar en el segundo en reproducción (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Exportar el tramo marcado como un solo vídeo</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Exportado: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>No se pudo exportar %1: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>El tramo marcado no contiene ninguna grabación</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Hay una exportación en curso. Cerrar la ventana la cancela y su archivo no se escribe. ¿Cerrar de todos modos?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>error multimedia desconocido</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 no se puede reproducir:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>No reproducible</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>No se puede leer este archivo: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>No se encontró vídeo en este archivo: está dañado, cortado o no es un vídeo</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>No se puede reproducir este archivo: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>El archivo está cortado: se pueden leer %1 de %2 segundos de telemetría</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>El archivo está cortado: se pudieron recuperar %1 segundos de telemetría</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaje</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Grabado</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Viaje %1: %2 a %3 (%4), %5, velocidad máxima %6, velocidad media en marcha %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Viaje %1: hora de grabación desconocida, %2, velocidad máxima %3, velocidad media en marcha %4</translation>
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
        <translation>bytes</translation>
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
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Preferencias personales</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Carpeta de capturas de pantalla</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
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
        <translation>Unidad de velocidad</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Permitir varias ventanas</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Cada archivo abierto desde fuera tiene su propia ventana</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Guardar la posición en las imágenes fijas</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>La posición, la hora, la velocidad y la dirección del momento se guardan en las etiquetas GPS EXIF de la imagen, para que los programas de fotos la sitúen en un mapa</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Pausa entre viajes</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Frenazo o volantazo</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Bache o golpe</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>la imagen no es un JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>no se pudieron crear las etiquetas GPS</translation>
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
        <translation>%1 (%2 desde el inicio del viaje)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 desde el inicio del viaje</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Sin telemetría</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Clip: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Sacudida vertical: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Frenazo o volantazo: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>no es un archivo normal (una tubería con nombre, un dispositivo o un socket)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>no es un archivo local</translation>
    </message>
</context>
</TS>
