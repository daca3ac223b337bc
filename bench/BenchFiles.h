#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Recordings the benchmarks measure, written once per run into a scratch
// folder. Large files are sparse: the video data the parsers never read is a
// hole, so a 4 GB recording costs a few megabytes of disk.
namespace BenchFiles {

// ftyp, an mdat with a 64-bit size whose body is `records` records followed
// by a hole of `holeBytes`, then moov with a 1080p video track and a "gps "
// table pointing at the records.
bool writeSparseMp4(const QString &path, qint64 holeBytes, int records);

// A one-minute AVI of 1,800 video chunks with its records in a GPSL block.
bool writeGpslAvi(const QString &path, int seconds = 60);

// An AVI carrying one record per second in "01wb" audio chunks, each after
// `videoChunksPerSecond` video chunks of `videoChunkBytes` (holes).
bool writeAudioChunkAvi(const QString &path, int seconds, int videoChunksPerSecond = 30,
                        int videoChunkBytes = 30000);

// A one-minute 1080p clip (61 records) of every MP4 layout, written into
// `folder`: each layout's name with its file's path; empty if one failed.
QList<QPair<QString, QString>> writeMp4Layouts(const QString &folder);

// Silences the parsers' debug lines so that they don't time the terminal.
void silenceQtMessages();

} // namespace BenchFiles
