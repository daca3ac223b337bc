<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>InstanceChannel</name>
    <message>
        <source>there is no folder only this user can enter for its socket</source>
        <translation>이 사용자만 들어갈 수 있는 소켓용 폴더가 없습니다</translation>
    </message>
</context>
<context>
    <name>CaptureThread</name>
    <message>
        <source>too many stills of the same moment</source>
        <translation>같은 순간의 정지 이미지가 너무 많습니다</translation>
    </message>
    <message>
        <source>ffmpeg wrote no image</source>
        <translation>ffmpeg가 이미지를 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started: %1</source>
        <translation>ffmpeg를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>ffmpeg took too long</source>
        <translation>ffmpeg 처리 시간이 너무 오래 걸렸습니다</translation>
    </message>
    <message>
        <source>ffmpeg failed with exit status %1</source>
        <translation>ffmpeg 실패, 종료 상태 %1</translation>
    </message>
    <message>
        <source>the GPS tags could not be written: %1</source>
        <translation>GPS 태그를 쓸 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>The settings file %1 was too large or damaged. It has been kept as %2, and the default settings are used.</source>
        <translation>설정 파일 %1이(가) 너무 크거나 손상되었습니다. %2(으)로 보관하고 기본 설정을 사용합니다.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. From now on they are saved in %2.</source>
        <translation>설정을 %1에 저장할 수 없습니다. 이제부터 %2에 저장합니다.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. Changes last only until the program ends.</source>
        <translation>설정을 %1에 저장할 수 없습니다. 변경 사항은 프로그램을 종료할 때까지만 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
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
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
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
        <translation>GPS 없음</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
</context>
<context>
    <name>ExportJob</name>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>Nothing to export: the range is empty.</source>
        <translation>내보낼 것이 없습니다: 범위가 비어 있습니다.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written: %2</source>
        <translation>폴더 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>ffmpeg cannot be started (%1). Install ffmpeg to export videos.</source>
        <translation>ffmpeg을 시작할 수 없습니다(%1). 동영상을 내보내려면 ffmpeg을 설치하십시오.</translation>
    </message>
    <message>
        <source>ffmpeg stopped unexpectedly: %1</source>
        <translation>ffmpeg이 예기치 않게 중지되었습니다: %1</translation>
    </message>
    <message>
        <source>The disk is full: %1</source>
        <translation>디스크가 가득 찼습니다: %1</translation>
    </message>
    <message>
        <source>ffmpeg failed (exit status %1): %2</source>
        <translation>ffmpeg이 실패했습니다(종료 상태 %1): %2</translation>
    </message>
    <message>
        <source>Cannot name the file %1: %2</source>
        <translation>파일 %1의 이름을 지정할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export a stretch</source>
        <translation>구간 내보내기</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>저장 위치:</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>Cameras:</source>
        <translation>카메라:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>화질:</translation>
    </message>
    <message>
        <source>Time, speed and position on the picture</source>
        <translation>화면에 시간, 속도, 위치 표시</translation>
    </message>
    <message>
        <source>Sound of the main camera</source>
        <translation>메인 카메라의 소리</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Main camera only</source>
        <translation>메인 카메라만</translation>
    </message>
    <message>
        <source>Both cameras side by side</source>
        <translation>두 카메라 나란히</translation>
    </message>
    <message>
        <source>Second camera in a corner</source>
        <translation>두 번째 카메라를 모서리에</translation>
    </message>
    <message>
        <source>Compact (small file)</source>
        <translation>압축 (작은 파일)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>High (large file)</source>
        <translation>높음 (큰 파일)</translation>
    </message>
    <message>
        <source>The stretch has no second camera&apos;s recording</source>
        <translation>이 구간에는 두 번째 카메라의 녹화가 없습니다</translation>
    </message>
    <message>
        <source>%1 to %2 (%3), clips: %4</source>
        <translation>%1 ~ %2 (%3), 클립: %4</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1이(가) 이미 있습니다. 바꿀까요?</translation>
    </message>
    <message>
        <source>Export as</source>
        <translation>다른 이름으로 내보내기</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 동영상 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>ExportPanel</name>
    <message>
        <source>%1 waiting</source>
        <translation>대기 중: %1</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>%1 내보내는 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Stop this export; its file is not written</source>
        <translation>이 내보내기를 중지합니다. 파일은 만들어지지 않습니다</translation>
    </message>
    <message>
        <source>Estimating</source>
        <translation>계산 중</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
</context>
<context>
    <name>FComboBox</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>빠르게</translation>
    </message>
</context>
<context>
    <name>MainWindows</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Fenmora</source>
        <translation>Fenmora</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>The map page %1 could not be loaded: the map stays empty</source>
        <translation>지도 페이지 %1을(를) 불러올 수 없습니다: 지도가 비어 있습니다</translation>
    </message>
    <message>
        <source>Files opened from elsewhere will start another window: %1</source>
        <translation>다른 곳에서 연 파일은 새 창을 엽니다: %1</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>찾을 수 없음: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 저장됨</translation>
    </message>
    <message>
        <source>Could not save the still image into %1: %2</source>
        <translation>정지 이미지를 %1에 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot use the still image folder %1 (%2); saving into %3 instead</source>
        <translation>정지 이미지 폴더 %1을(를) 사용할 수 없습니다(%2). 대신 %3에 저장합니다</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>No recordings in %1</source>
        <translation>%1에 녹화 파일이 없습니다</translation>
    </message>
    <message>
        <source>Mark in</source>
        <translation>시작점</translation>
    </message>
    <message>
        <source>Mark out</source>
        <translation>끝점</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Mark the start of the stretch to export at the playing second (I)</source>
        <translation>내보낼 구간의 시작을 재생 중인 초로 표시 (I)</translation>
    </message>
    <message>
        <source>Mark the end of the stretch to export at the playing second (O)</source>
        <translation>내보낼 구간의 끝을 재생 중인 초로 표시 (O)</translation>
    </message>
    <message>
        <source>Export the marked stretch as one video</source>
        <translation>표시한 구간을 하나의 동영상으로 내보내기</translation>
    </message>
</context>
<context>
    <name>ExportFlow</name>
    <message>
        <source>Exported %1</source>
        <translation>내보냈습니다: %1</translation>
    </message>
    <message>
        <source>Could not export %1: %2</source>
        <translation>%1을(를) 내보낼 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The marked stretch holds no recording</source>
        <translation>표시한 구간에 녹화가 없습니다</translation>
    </message>
    <message>
        <source>An export is still running. Closing the window cancels it, and its file is not written. Close anyway?</source>
        <translation>내보내기가 아직 진행 중입니다. 창을 닫으면 취소되고 파일은 만들어지지 않습니다. 그래도 닫을까요?</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>unknown media error</source>
        <translation>알 수 없는 미디어 오류</translation>
    </message>
    <message>
        <source>%1 cannot be played:
%2</source>
        <translation>%1을(를) 재생할 수 없습니다:
%2</translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>재생 시간</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>생성 날짜</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Cannot play</source>
        <translation>재생 불가</translation>
    </message>
    <message>
        <source>This file cannot be read: %1</source>
        <translation>이 파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>No video found in this file: it is damaged, cut short or not a video</source>
        <translation>이 파일에서 동영상을 찾을 수 없습니다: 손상되었거나 잘렸거나 동영상이 아닙니다</translation>
    </message>
    <message>
        <source>This file cannot be played: %1</source>
        <translation>이 파일을 재생할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The file is cut short: %1 of %2 seconds of telemetry can be read</source>
        <translation>파일이 잘렸습니다: 텔레메트리 %2초 중 %1초를 읽을 수 있습니다</translation>
    </message>
    <message>
        <source>The file is cut short: %1 seconds of telemetry could be recovered</source>
        <translation>파일이 잘렸습니다: 텔레메트리 %1초를 복구했습니다</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>주행</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>녹화 시각</translation>
    </message>
    <message>
        <source>Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7</source>
        <translation>주행 %1: %2 ~ %3 (%4), %5, 최고 속도 %6, 주행 중 평균 속도 %7</translation>
    </message>
    <message>
        <source>Trip %1: recording time unknown, %2, top speed %3, average moving speed %4</source>
        <translation>주행 %1: 녹화 시각 알 수 없음, %2, 최고 속도 %3, 주행 중 평균 속도 %4</translation>
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
        <translation>%1 마일</translation>
    </message>
</context>
<context>
    <name>QInstaller</name>
    <message>
        <source>bytes</source>
        <translation>바이트</translation>
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
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Personal settings</source>
        <translation>개인 설정</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Screenshot save path</source>
        <translation>스크린샷 저장 경로</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>지도</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>바이두 지도</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google 지도</translation>
    </message>
    <message>
        <source>SpeedUnit</source>
        <translation>속도 단위</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Allow several windows</source>
        <translation>여러 창 허용</translation>
    </message>
    <message>
        <source>Each file opened from outside gets a window of its own</source>
        <translation>외부에서 연 파일마다 별도의 창을 사용합니다</translation>
    </message>
    <message>
        <source>Store the position in still images</source>
        <translation>정지 이미지에 위치 저장</translation>
    </message>
    <message>
        <source>The moment&apos;s position, time, speed and direction go into the image&apos;s EXIF GPS tags, so photo tools place it on a map</source>
        <translation>그 순간의 위치, 시간, 속도, 방향을 이미지의 EXIF GPS 태그에 기록하여 사진 앱이 지도에 표시할 수 있게 합니다</translation>
    </message>
    <message>
        <source>Trip gap</source>
        <translation>주행 간격</translation>
    </message>
    <message>
        <source>Braking or swerve</source>
        <translation>급제동 또는 급회전</translation>
    </message>
    <message>
        <source>Pothole or bump</source>
        <translation>포트홀 또는 충격</translation>
    </message>
</context>
<context>
    <name>StillGpsTags</name>
    <message>
        <source>the image is no JPEG</source>
        <translation>이미지가 JPEG가 아닙니다</translation>
    </message>
    <message>
        <source>the GPS tags could not be made</source>
        <translation>GPS 태그를 만들 수 없습니다</translation>
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
        <translation>%1 (출발 후 %2)</translation>
    </message>
    <message>
        <source>%1 into the trip</source>
        <translation>출발 후 %1</translation>
    </message>
    <message>
        <source>No telemetry</source>
        <translation>텔레메트리 없음</translation>
    </message>
    <message>
        <source>Clip: %1</source>
        <translation>클립: %1</translation>
    </message>
    <message>
        <source>Vertical jolt: %1 g</source>
        <translation>수직 충격: %1 g</translation>
    </message>
    <message>
        <source>Braking or swerving: %1 g</source>
        <translation>급제동 또는 급회전: %1 g</translation>
    </message>
</context>
<context>
    <name>VideoFile</name>
    <message>
        <source>not a regular file (a named pipe, device or socket)</source>
        <translation>일반 파일이 아닙니다(명명된 파이프, 장치 또는 소켓)</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>로컬 파일이 아닙니다</translation>
    </message>
</context>
</TS>
