#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How a dashcam names the files of one recording: the same name for every
// camera but for one letter, the camera's, just before the extension
// (20261206_101500F.MP4 and 20261206_101500R.MP4, or CLIP_0042_F.MP4 and
// CLIP_0042_R.MP4). Names that differ anywhere else, or whose last character
// before the extension is not a letter, belong to other recordings.
namespace CameraFileName {

// The part of a file name that the files of one recording share, folded to
// one case; empty when the name carries no camera letter.
QString recordingKey(const QString &fileName);

// Whether the two names are one recording's files of two different cameras.
bool areCompanions(const QString &fileName, const QString &otherFileName);

// Which of `fileNames` are main-camera files: all but those whose recording
// also has a file of a camera letter that comes first in the alphabet there
// (F before R, A before B): those play beside their main file. Indexes in
// the order given.
QVector<int> mainCameraFiles(const QStringList &fileNames);

// When the recording began by its name: the 14 digits of yyyyMMdd and hhmmss
// it starts with (separators '_' and '-' allowed, 20261206_101500F.MP4), read
// like the camera's records, as UTC. False when the name holds no such time.
bool nameTime(const QString &fileName, qint64 &utcMsecs);

} // namespace CameraFileName
