<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>沒有僅此使用者可進入的資料夾來存放其通訊端</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>同一時刻的截圖過多</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg 未寫入影像</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>無法啟動 ffmpeg：%1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg 耗時過長</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg 失敗，結束狀態 %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>無法寫入 GPS 標籤：%1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>設定檔 %1 過大或已損毀。它已保留為 %2，並使用預設設定。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>無法將設定儲存至 %1。今後設定將儲存至 %2。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>無法將設定儲存至 %1。變更僅在程式關閉前有效。</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
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
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一個</translation>
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
        <translation>下一個</translation>
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
        <translation>無 GPS</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
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
        <translation>沒有可匯出的內容：範圍為空。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>無法寫入資料夾 %1：%2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>無法啟動 ffmpeg（%1）。請安裝 ffmpeg 以匯出影片。</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg 意外停止：%1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>磁碟已滿：%1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg 失敗（結束狀態 %1）：%2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>無法命名檔案 %1：%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>匯出片段</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>儲存為：</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>攝影機：</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>品質：</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>在畫面上顯示時間、速度和位置</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>主攝影機的聲音</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>僅主攝影機</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>兩個攝影機並排</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>第二攝影機置於角落</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>精簡（檔案小）</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>高（檔案大）</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>該片段沒有第二攝影機的錄影</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 至 %2（%3），片段數：%4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。要取代嗎？</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>匯出為</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 影片 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>%1 個等待中</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>正在匯出 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>停止此匯出；其檔案不會寫入</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>正在估算</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩餘 %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>減速</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>無法載入地圖頁面 %1：地圖保持空白</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>從其他地方開啟的檔案將啟動另一個視窗：%1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>找不到：%1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>無法將截圖儲存到 %1：%2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>無法使用截圖資料夾 %1（%2）；改為儲存到 %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>%1 中沒有錄影</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>入點</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>出點</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>匯出…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>將要匯出片段的起點標在正在播放的這一秒 (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>將要匯出片段的終點標在正在播放的這一秒 (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>將標記的片段匯出為一個影片</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>已匯出：%1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>無法匯出 %1：%2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>標記的片段中沒有錄影</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>匯出仍在進行。關閉視窗會取消匯出，其檔案不會寫入。仍要關閉嗎？</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>未知的媒體錯誤</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>無法播放 %1：
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間長度</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>無法播放</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>無法讀取此檔案：%1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>此檔案中找不到視訊：檔案已損毀、被截斷或不是視訊</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>無法播放此檔案：%1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>檔案被截斷：可讀取 %2 秒中的 %1 秒遙測資料</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>檔案被截斷：已復原 %1 秒遙測資料</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>錄製時間</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>行程 %1：%2 至 %3（%4），%5，最高速度 %6，平均行駛速度 %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>行程 %1：錄製時間未知，%2，最高速度 %3，平均行駛速度 %4</translation>
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
        <translation>位元組</translation>
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
        <translation>公里/小時</translation>
    </message>
    <message>
        <source>MP/h</source>
        <translation>英里/小時</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>個人設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>截圖儲存路徑</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地圖</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>百度地圖</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google 地圖</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>速度單位</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>允許多個視窗</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>從外部開啟的每個檔案都有自己的視窗</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>在截圖中儲存位置</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>將該時刻的位置、時間、速度和方向寫入影像的 EXIF GPS 標籤，讓相片軟體在地圖上顯示</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>行程間隔</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>煞車或急轉</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>坑洞或顛簸</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>影像不是 JPEG</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>無法產生 GPS 標籤</translation>
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
        <translation>%1（行程開始後 %2）</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>行程開始後 %1</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>無遙測資料</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>片段：%1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>垂直顛簸：%1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>煞車或急轉：%1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>不是一般檔案（具名管道、裝置或通訊端）</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>是資料夾</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>不是本機檔案</translation>
    </message>
</context>
</TS>
