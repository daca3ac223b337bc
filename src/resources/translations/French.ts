<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>aucun dossier accessible à ce seul utilisateur pour son socket</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>trop d&apos;images fixes du même instant</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg n&apos;a écrit aucune image</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>impossible de lancer ffmpeg : %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg a mis trop de temps</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg a échoué avec le code de sortie %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>les balises GPS n&apos;ont pas pu être écrites : %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>Le fichier de paramètres %1 était trop volumineux ou endommagé. Il a été conservé sous le nom %2 et les paramètres par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1. Ils sont désormais enregistrés dans %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1. Les modifications ne durent que jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
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
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
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
        <translation>%1 mi/h</translation>
    </message>
    <message>
        <source>No GPS</source>
        <translation>Pas de GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Rien à exporter : la plage est vide.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n'existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Impossible d'écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>Impossible de lancer ffmpeg (%1). Installez ffmpeg pour exporter des vidéos.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg s'est arrêté de manière inattendue : %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Le disque est plein : %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg a échoué (code de sortie %1) : %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Impossible de nommer le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Exporter un passage</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Enregistrer sous :</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Caméras :</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Heure, vitesse et position sur l&apos;image</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Son de la caméra principale</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Caméra principale seule</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Les deux caméras côte à côte</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Seconde caméra dans un coin</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Compacte (petit fichier)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Haute (gros fichier)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>Le passage n&apos;a pas d&apos;enregistrement de la seconde caméra</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 à %2 (%3), clips : %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Exporter sous</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 en attente</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Exportation de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Arrêter cette exportation ; son fichier ne sera pas écrit</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Estimation</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 restant</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Ralentir</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Accélérer</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>La page de carte %1 n'a pas pu être chargée : la carte reste vide</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Les fichiers ouverts depuis ailleurs lanceront une autre fenêtre : %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Introuvable : %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image fixe dans %1 : %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Impossible d&apos;utiliser le dossier des images fixes %1 (%2) ; enregistrement dans %3 à la place</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Aucun enregistrement dans %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Placer le début du passage à exporter à la seconde en cours (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Placer la fin du passage à exporter à la seconde en cours (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Exporter le passage marqué en une seule vidéo</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Exporté : %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>Impossible d&apos;exporter %1 : %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>Le passage marqué ne contient aucun enregistrement</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Une exportation est en cours. Fermer la fenêtre l&apos;annule et son fichier ne sera pas écrit. Fermer quand même ?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>erreur multimédia inconnue</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 ne peut pas être lu :
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Impossible de lire ce fichier : %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>Aucune vidéo trouvée dans ce fichier : il est endommagé, tronqué ou n&apos;est pas une vidéo</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Impossible de lire cette vidéo : %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>Le fichier est tronqué : %1 secondes de télémétrie sur %2 sont lisibles</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>Le fichier est tronqué : %1 secondes de télémétrie ont pu être récupérées</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Trajet %1 : %2 à %3 (%4), %5, vitesse max. %6, vitesse moyenne en mouvement %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Trajet %1 : heure d’enregistrement inconnue, %2, vitesse max. %3, vitesse moyenne en mouvement %4</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mi/h</translation>
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
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>Eo</translation>
    </message>
    <message>
        <source>ZB</source>
        <translation>Zo</translation>
    </message>
    <message>
        <source>YB</source>
        <translation>Yo</translation>
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
        <translation>mi/h</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Préférences personnelles</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Dossier des captures d&apos;écran</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
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
        <translation>Unité de vitesse</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Autoriser plusieurs fenêtres</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Chaque fichier ouvert depuis l&apos;extérieur obtient sa propre fenêtre</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Enregistrer la position dans les images fixes</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>La position, l&apos;heure, la vitesse et la direction du moment sont inscrites dans les balises GPS EXIF de l&apos;image, pour que les logiciels photo la placent sur une carte</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Pause entre trajets</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Freinage ou écart</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Nid-de-poule ou choc</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>l&apos;image n&apos;est pas un JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>les balises GPS n&apos;ont pas pu être créées</translation>
    </message>
</context>
<context>
    <name>SpeedTray</name>
    <message>
        <source>%1 MPH</source>
        <translation>%1 mi/h</translation>
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
        <translation>%1 mi/h</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 (%2 into the trip)</source>
        <translation>%1 (%2 depuis le départ)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 depuis le départ</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Pas de télémétrie</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Clip : %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Secousse verticale : %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Freinage ou écart : %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>n&apos;est pas un fichier ordinaire (tube nommé, périphérique ou socket)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>n&apos;est pas un fichier local</translation>
    </message>
</context>
</TS>
