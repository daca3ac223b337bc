<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>нет папки, доступной только этому пользователю, для его сокета</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>слишком много снимков одного и того же момента</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg не записал изображение</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>не удаётся запустить ffmpeg: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg работал слишком долго</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg завершился с ошибкой, код выхода %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>не удалось записать GPS-теги: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>Файл настроек %1 был слишком большим или повреждённым. Он сохранён как %2, используются настройки по умолчанию.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>Не удалось сохранить настройки в %1. Теперь они сохраняются в %2.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>Не удалось сохранить настройки в %1. Изменения действуют только до закрытия программы.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>0000/00/00 00:00:00</source>
        <translation>0000/00/00 00:00:00</translation>
    </message>
    <message>
        <source>000 km/h</source>
        <translation>000 км/ч</translation>
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
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <source>No GPS</source>
        <translation>Нет GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>Нечего экспортировать: диапазон пуст.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>Невозможно записать в папку %1: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>Не удаётся запустить ffmpeg (%1). Установите ffmpeg, чтобы экспортировать видео.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg неожиданно завершился: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>Диск заполнен: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>Ошибка ffmpeg (код завершения %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>Не удаётся назвать файл %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>Экспорт фрагмента</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Сохранить как:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>Камеры:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>Время, скорость и положение на изображении</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>Звук основной камеры</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>Только основная камера</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>Обе камеры рядом</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>Вторая камера в углу</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>Компактное (малый файл)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартное</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>Высокое (большой файл)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>У фрагмента нет записи второй камеры</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 – %2 (%3), клипов: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 уже существует. Заменить?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>Экспортировать как</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Видео MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>ожидают: %1</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Экспорт %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>Остановить этот экспорт; файл не будет записан</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>осталось %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленнее</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Быстрее</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>Не удалось загрузить страницу карты %1: карта останется пустой</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>Файлы, открытые из другого места, откроют ещё одно окно: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Не найдено: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>Не удалось сохранить снимок в %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>Папку для снимков %1 использовать нельзя (%2); снимки сохраняются в %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>Нет записей в %1</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>Отметить начало фрагмента для экспорта на текущей секунде (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>Отметить конец фрагмента для экспорта на текущей секунде (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>Экспортировать отмеченный фрагмент одним видео</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>Экспортировано: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>Не удалось экспортировать %1: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>В отмеченном фрагменте нет записи</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>Экспорт ещё выполняется. Закрытие окна отменит его, и файл не будет записан. Всё равно закрыть?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>неизвестная ошибка мультимедиа</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 не удаётся воспроизвести:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>Не воспроизводится</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>Не удаётся прочитать этот файл: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>В этом файле не найдено видео: он повреждён, обрезан или не является видео</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>Не удаётся воспроизвести этот файл: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>Файл обрезан: читается %1 из %2 секунд телеметрии</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>Файл обрезан: удалось восстановить %1 с телеметрии</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Поездка</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>Поездка %1: %2 – %3 (%4), %5, макс. скорость %6, средняя скорость в движении %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>Поездка %1: время записи неизвестно, %2, макс. скорость %3, средняя скорость в движении %4</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>%1 mi</source>
        <translation>%1 миль</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>ПБ</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>ЭБ</translation>
    </message>
    <message>
        <source>ZB</source>
        <translation>ЗБ</translation>
    </message>
    <message>
        <source>YB</source>
        <translation>ЙБ</translation>
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
        <translation>км/ч</translation>
    </message>
    <message>
        <source>MP/h</source>
        <translation>миль/ч</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>Личные настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>Папка для снимков экрана</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>Baidu Карты</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Карты</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>Единица скорости</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>Разрешить несколько окон</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>Каждый файл, открытый извне, получает своё окно</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>Сохранять координаты в снимках</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>Координаты, время, скорость и направление в этот момент записываются в GPS-теги EXIF изображения, чтобы фотопрограммы показали его на карте</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>Перерыв между поездками</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>Торможение или манёвр</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>Яма или толчок</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>изображение не в формате JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>не удалось создать GPS-теги</translation>
    </message>
</context>
<context>
    <name>SpeedTray</name>
    <message>
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
</context>
<context>
    <name>TripTimeline</name>
    <message>
        <source>%1 MPH</source>
        <translation>%1 миль/ч</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <source>%1 (%2 into the trip)</source>
        <translation>%1 (%2 с начала поездки)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>%1 с начала поездки</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>Нет телеметрии</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>Клип: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>Вертикальный толчок: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>Торможение или резкий манёвр: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>не обычный файл (именованный канал, устройство или сокет)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>не локальный файл</translation>
    </message>
</context>
</TS>
