<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>このユーザーだけが入れるソケット用のフォルダーがありません</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>同じ瞬間の静止画が多すぎます</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg は画像を書き出しませんでした</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>ffmpeg を起動できません: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg の処理に時間がかかりすぎました</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg が終了コード %1 で失敗しました</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>GPS タグを書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>設定ファイル %1 は大きすぎるか破損していました。%2 として保存し、既定の設定を使用します。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>設定を %1 に保存できませんでした。今後は %2 に保存します。</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>設定を %1 に保存できませんでした。変更はプログラムを終了するまでしか保持されません。</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
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
        <translation>GPS なし</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>エクスポートするものがありません：範囲が空です。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 が存在しません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>フォルダー %1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>ffmpeg を起動できません（%1）。動画をエクスポートするには ffmpeg をインストールしてください。</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg が予期せず停止しました：%1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>ディスクがいっぱいです：%1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg が失敗しました（終了ステータス %1）：%2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>ファイル %1 に名前を付けられません：%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>区間の書き出し</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>カメラ:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>時刻・速度・位置を映像に表示</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>メインカメラの音声</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>メインカメラのみ</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>両カメラを並べて</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>2台目のカメラを隅に</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>コンパクト（小さいファイル）</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>高画質（大きいファイル）</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>この区間には2台目のカメラの録画がありません</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 〜 %2（%3）、クリップ数: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>名前を付けて書き出し</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 動画 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>待機中: %1</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>%1 を書き出し中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>この書き出しを中止します。ファイルは作成されません</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>見積もり中</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>再生速度を下げる</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>再生速度を上げる</translation>
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
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>地図ページ %1 を読み込めませんでした：地図は空のままです</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>他の場所から開いたファイルは別のウィンドウで開きます：%1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>静止画を %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>静止画フォルダー %1 を使用できません (%2)。代わりに %3 に保存します</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>%1 に録画がありません</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>開始点</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>終了点</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>書き出し…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>書き出す区間の開始を再生中の秒に設定 (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>書き出す区間の終了を再生中の秒に設定 (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>マークした区間を1本の動画として書き出す</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>書き出しました: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>%1 を書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>マークした区間に録画がありません</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>書き出しの実行中です。ウィンドウを閉じると書き出しは取り消され、ファイルは作成されません。閉じますか？</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>不明なメディア エラー</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1 を再生できません:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>再生不可</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>このファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>このファイルに動画が見つかりません: 破損しているか、途中で切れているか、動画ではありません</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>このファイルを再生できません: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>ファイルが途中で切れています: テレメトリ %2 秒中 %1 秒を読み取れます</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>ファイルが途中で切れています: テレメトリ %1 秒分を復元できました</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>トリップ</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>録画日時</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>トリップ %1: %2 ～ %3（%4）、%5、最高速度 %6、走行中の平均速度 %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>トリップ %1: 録画時刻不明、%2、最高速度 %3、走行中の平均速度 %4</translation>
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
        <translation>%1 マイル</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <source>bytes</source>
        <translation>バイト</translation>
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
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>個人設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>スクリーンショットの保存先</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>Baidu マップ</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google マップ</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>速度の単位</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>複数のウィンドウを許可</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>外部から開いたファイルごとに専用のウィンドウを使います</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>静止画に位置を保存</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>その瞬間の位置、時刻、速度、方向を画像の EXIF GPS タグに書き込み、写真アプリで地図上に表示できるようにします</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>トリップの区切り</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>急ブレーキ・急ハンドル</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>段差・衝撃</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>画像が JPEG ではありません</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>GPS タグを作成できませんでした</translation>
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
        <translation>%1（出発から %2）</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>出発から %1</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>テレメトリなし</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>クリップ: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>上下の衝撃: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>急ブレーキまたは急ハンドル: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>通常のファイルではありません（名前付きパイプ、デバイスまたはソケット）</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>ローカルファイルではありません</translation>
    </message>
</context>
</TS>
