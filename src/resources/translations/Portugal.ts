<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>não existe nenhuma pasta a que só este utilizador aceda para o seu socket</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>demasiadas imagens fixas do mesmo instante</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>o ffmpeg não escreveu nenhuma imagem</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>não é possível iniciar o ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>o ffmpeg demorou demasiado</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>o ffmpeg falhou com o código de saída %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>não foi possível escrever as etiquetas GPS: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>O ficheiro de definições %1 era demasiado grande ou estava danificado. Foi guardado como %2 e são usadas as definições predefinidas.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Não foi possível guardar as definições em %1. A partir de agora são guardadas em %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Não foi possível guardar as definições em %1. As alterações só duram até o programa terminar.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
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
        <translation>Abrir ficheiros</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura de ecrã</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
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
        <translation>Sem GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
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
        <translation>Nada a exportar: o intervalo está vazio.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Não é possível escrever na pasta %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>Não é possível iniciar o ffmpeg (%1). Instale o ffmpeg para exportar vídeos.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>O ffmpeg parou inesperadamente: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>O disco está cheio: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>O ffmpeg falhou (estado de saída %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Não é possível dar o nome ao ficheiro %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Exportar um troço</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Guardar como:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Câmaras:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Hora, velocidade e posição na imagem</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Som da câmara principal</translation>
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
        <translation>Só a câmara principal</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>As duas câmaras lado a lado</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Segunda câmara num canto</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Compacta (ficheiro pequeno)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Alta (ficheiro grande)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>O troço não tem gravação da segunda câmara</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 a %2 (%3), clipes: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
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
        <translation>%1 em espera</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>A exportar %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Parar esta exportação; o seu ficheiro não é escrito</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>A estimar</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>faltam %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Mais rápido</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir ficheiros</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>Não foi possível carregar a página do mapa %1: o mapa fica vazio</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Os ficheiros abertos a partir de outro lugar iniciarão outra janela: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Não encontrado: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Não foi possível guardar a imagem fixa em %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Não é possível usar a pasta de imagens fixas %1 (%2); a guardar em %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Nenhuma gravação em %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Marcar o início do troço a exportar no segundo em reprodução (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Marcar o fim do troço a exportar no segundo em reprodução (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Exportar o troço marcado como um só vídeo</translation>
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
        <translation>Não foi possível exportar %1: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>O troço marcado não contém nenhuma gravação</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Uma exportação ainda está em curso. Fechar a janela cancela-a e o seu ficheiro não é escrito. Fechar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>erro multimédia desconhecido</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 não pode ser reproduzido:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Não reproduzível</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Não é possível ler este ficheiro: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>Nenhum vídeo encontrado neste ficheiro: está danificado, cortado ou não é um vídeo</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Não é possível reproduzir este ficheiro: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>O ficheiro está cortado: %1 de %2 segundos de telemetria podem ser lidos</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>O ficheiro está cortado: foi possível recuperar %1 segundos de telemetria</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viagem</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Gravado</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Viagem %1: %2 a %3 (%4), %5, velocidade máxima %6, velocidade média em movimento %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Viagem %1: hora de gravação desconhecida, %2, velocidade máxima %3, velocidade média em movimento %4</translation>
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
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Preferências pessoais</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Pasta das capturas de ecrã</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Procurar</translation>
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
        <translation>Unidade de velocidade</translation>
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
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Permitir várias janelas</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Cada ficheiro aberto a partir de fora tem a sua própria janela</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Guardar a posição nas imagens fixas</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>A posição, a hora, a velocidade e a direção do momento são gravadas nas etiquetas GPS EXIF da imagem, para que os programas de fotografia a coloquem num mapa</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Pausa entre viagens</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Travagem ou desvio</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Buraco ou solavanco</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>a imagem não é um JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>não foi possível criar as etiquetas GPS</translation>
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
        <translation>%1 (%2 desde o início da viagem)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 desde o início da viagem</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Sem telemetria</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Clip: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Solavanco vertical: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Travagem ou guinada: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>não é um ficheiro normal (um pipe com nome, um dispositivo ou um socket)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>não é um ficheiro local</translation>
    </message>
</context>
</TS>
