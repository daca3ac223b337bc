<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>没有仅此用户可进入的文件夹来存放其套接字</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>同一时刻的截图过多</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg 未写入图像</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>无法启动 ffmpeg：%1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg 耗时过长</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg 失败，退出状态 %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>无法写入 GPS 标签：%1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>设置文件 %1 过大或已损坏。它已保留为 %2，并使用默认设置。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>无法将设置保存到 %1。今后设置将保存到 %2。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>无法将设置保存到 %1。更改仅在程序关闭前有效。</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
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
        <translation>无 GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>没有可导出的内容：范围为空。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>无法启动 ffmpeg（%1）。请安装 ffmpeg 以导出视频。</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg 意外停止：%1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>磁盘已满：%1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg 失败（退出状态 %1）：%2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>无法命名文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>导出片段</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>保存为：</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>摄像头：</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>质量：</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>在画面上显示时间、速度和位置</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>主摄像头的声音</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>仅主摄像头</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>两个摄像头并排</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>第二摄像头置于角落</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>紧凑（文件小）</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>高（文件大）</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>该片段没有第二摄像头的录像</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 至 %2（%3），片段数：%4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。要替换吗？</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>导出为</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 视频 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 个等待中</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>正在导出 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>停止此导出；其文件不会写入</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>正在估算</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>加速</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>无法加载地图页面 %1：地图保持空白</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>从其他地方打开的文件将启动另一个窗口：%1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>未找到：%1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>无法将截图保存到 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>无法使用截图文件夹 %1（%2）；改为保存到 %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>%1 中没有录像</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>入点</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>出点</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>将要导出片段的起点标在正在播放的这一秒 (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>将要导出片段的终点标在正在播放的这一秒 (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>将标记的片段导出为一个视频</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>已导出：%1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>无法导出 %1：%2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>标记的片段中没有录像</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>导出仍在进行。关闭窗口会取消导出，其文件不会写入。仍要关闭吗？</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>未知的媒体错误</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>无法播放 %1：
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>无法播放</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>无法读取此文件：%1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>此文件中未找到视频：文件已损坏、被截断或不是视频</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>无法播放此文件：%1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>文件被截断：可读取 %2 秒中的 %1 秒遥测数据</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>文件被截断：已恢复 %1 秒遥测数据</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>录制时间</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>行程 %1：%2 至 %3（%4），%5，最高速度 %6，平均行驶速度 %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>行程 %1：录制时间未知，%2，最高速度 %3，平均行驶速度 %4</translation>
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
        <translation>%1 公里</translation>
    </message>
    <message>
        <source>%1 mi</source>
        <translation>%1 英里</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
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
        <translation>公里/小时</translation>
    </message>
    <message>
        <source>MP/h</source>
        <translation>英里/小时</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>个人设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>截图保存路径</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>百度地图</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>谷歌地图</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>速度单位</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>允许多个窗口</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>从外部打开的每个文件都有自己的窗口</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>在截图中保存位置</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>将该时刻的位置、时间、速度和方向写入图像的 EXIF GPS 标签，以便照片软件在地图上显示</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>行程间隔</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>刹车或急转</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>坑洼或颠簸</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>图像不是 JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>无法生成 GPS 标签</translation>
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
        <translation>%1（行程开始后 %2）</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>行程开始后 %1</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>无遥测数据</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>片段：%1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>垂直颠簸：%1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>制动或急转：%1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>不是普通文件（命名管道、设备或套接字）</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>是文件夹</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>不是本地文件</translation>
    </message>
</context>
</TS>
