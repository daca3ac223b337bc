#pragma once

#include "ExportRequest.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The ffmpeg command line of an export, as an argument list for QProcess
// (never a shell). Pure: the same request gives the same arguments, so it is
// tested without running ffmpeg.
//
// Each clip's share is read with input seeking (-ss/-t before its -i) and the
// shares are joined by the concat filter, so the video has no gap at clip
// boundaries and starts and ends at the marked seconds. A stretch inside one
// clip without overlay, from the main camera only, is cut by copying the
// streams instead.
class ExportCommand
{
public:
    struct Inputs
    {
        QString outputFile;   // where ffmpeg writes (a temporary name; the format is given, not guessed)
        QString overlayFile;  // the .ass burned in when the request has an overlay
        // Per clip whether its main file has a sound stream; a clip without
        // one gets silence, so the joined sound stays in step. Empty: all have.
        QVector<bool> mainHasAudio;
        // The first clip's main picture size; every clip's main picture is
        // fitted into it. Invalid: not known, taken as they come.
        QSize frameSize;
    };

    static QStringList arguments(const ExportRequest &request, const Inputs &inputs);

    // Encoder settings of a quality preset.
    static int crf(ExportQuality quality);
    static QString preset(ExportQuality quality);

    // A value as one option of a filter inside a filter graph: escaped for
    // the option parser, then for the graph parser.
    static QString filterValue(const QString &value);

    // Second counts as ffmpeg reads them.
    static QString secondsText(int seconds);
};
