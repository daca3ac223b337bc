#include "PlaylistModel.h"

#include "CameraFileName.h"
#include "FileNameCodec.h"
#include "HumanReadableSize.h"
#include "TripBuilder.h"
#include "VideoFile.h"
#include "SpeedUnit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QTime>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const char *const headerContext = "PlaylistModel";

const char *const headerTexts[PlaylistModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("PlaylistModel", "File Name"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Trip"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Recorded"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Duration"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Create Date"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Size"),
    QT_TRANSLATE_NOOP("PlaylistModel", "Resolution"),
};

const QString dateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");

QDateTime utcTime(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

// Hours are not wrapped at a day.
QString durationText(int seconds)
{
    seconds = qMax(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

PlaylistModel::PlaylistModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

PlaylistModel::~PlaylistModel()
{
    beginResetModel();
    std::vector<std::unique_ptr<PlaylistRow>> rows;
    rows.swap(mRows);
    mRowIdByFile.clear();
    mRowIdsByRecording.clear();
    // Each worker's destructor processes events while it waits, so cut every
    // worker off from this model and drop the reports already queued before
    // the first row goes; the model looks empty to anything that still asks.
    for (const auto &row : rows)
        row->parser.disconnect(this);
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    endResetModel();
    rows.clear();
}

QModelIndex PlaylistModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || !isRowNumber(row) || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column);
}

QModelIndex PlaylistModel::parent(const QModelIndex &) const
{
    return {};
}

int PlaylistModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mRows.size());
}

int PlaylistModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant PlaylistModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !isRowNumber(index.row()))
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    const PlaylistRow &row = *mRows[index.row()];
    if (role == Qt::DisplayRole)
        return displayText(row, index.column());
    // The column cuts long names short; the tool tip has them whole, and
    // what is wrong with the file if anything is.
    if (role == Qt::ToolTipRole && index.column() == FileNameColumn) {
        const QString name = FileNameCodec::readable(row.fileName);
        const QString note = noteText(row);
        return note.isEmpty() ? name : name + QLatin1Char('\n') + note;
    }
    if (role == TripRole)
        return row.trip >= 0 ? QVariant(row.trip) : QVariant();
    if (role == ProblemRole)
        return row.failure != PlaylistRow::NoFailure ? Failed : row.truncated ? Truncated : NoProblem;
    if (role == Qt::ToolTipRole && index.column() == TripColumn && row.trip >= 0)
        return tripToolTip(row);
    if (role == Qt::ToolTipRole && (row.failure != PlaylistRow::NoFailure || row.truncated))
        return noteText(row);
    return {};
}

QVariant PlaylistModel::displayText(const PlaylistRow &row, int column) const
{
    switch (column) {
    case FileNameColumn:
        return FileNameCodec::readable(row.fileName);
    case TripColumn:
        return row.trip >= 0 ? QString::number(row.trip + 1) : QString();
    case RecordedColumn:
        return recordedAt(row.id).toString(dateTimeFormat);
    case DurationColumn:
        if (row.failure != PlaylistRow::NoFailure)
            return QString();
        // Clock time of the duration: a day or more wraps around.
        return QTime(0, 0).addSecs(row.duration).toString(QStringLiteral("HH:mm:ss"));
    case CreateDateColumn:
        return row.createDate.toString(dateTimeFormat);
    case SizeColumn:
        return humanReadableSize(row.size, 0);
    case ResolutionColumn:
        // The widest column says why the rest is empty.
        if (row.failure != PlaylistRow::NoFailure)
            return tr("Cannot play");
        return QStringLiteral("%1 x %2").arg(row.resolution.width()).arg(row.resolution.height());
    default:
        return {};
    }
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return isRowNumber(section) ? QVariant(section) : QVariant();
    if (section < 0 || section >= ColumnCount)
        return {};
    return QCoreApplication::translate(headerContext, headerTexts[section]);
}

int PlaylistModel::addFile(const QUrl &url)
{
    const QFileInfo file(VideoFile::localPath(url));
    const QString identity = fileIdentity(file);
    const auto known = mRowIdByFile.constFind(identity);
    if (known != mRowIdByFile.constEnd())
        return known.value();

    const int id = rowCount();
    beginInsertRows(QModelIndex(), id, id);
    mRows.push_back(createRow(id, url, file));
    mRowIdByFile.insert(identity, id);
    PlaylistRow &row = *mRows.back();
    const QString recording = CameraFileName::recordingKey(row.fileName);
    if (!recording.isEmpty())
        mRowIdsByRecording[recording].append(id);
    connectWorker(row);
    row.parser.startParsing(url, id);
    endInsertRows();
    return id;
}

// Two rows may not hold the same file, but cameras restart their numbering
// on every card, so the same name in another folder is another file. A file
// that doesn't exist (yet) is known by its absolute clean path; a URL that is
// not a local file has no path at all, and all such URLs count as one.
QString PlaylistModel::fileIdentity(const QFileInfo &file)
{
    if (file.filePath().isEmpty())
        return {};
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

std::unique_ptr<PlaylistRow> PlaylistModel::createRow(int id, const QUrl &url,
                                                      const QFileInfo &file) const
{
    auto row = std::make_unique<PlaylistRow>();
    row->id = id;
    row->fileName = file.fileName();
    row->createDate = file.birthTime();
    row->size = file.size();
    row->url = url;
    return row;
}

// The worker reports from its own thread; both reports arrive here queued.
// Telemetry is passed on only while the row is still in the list, so nothing
// leaves a model that is being torn down.
void PlaylistModel::connectWorker(PlaylistRow &row)
{
    connect(&row.parser, &VideoParser::videoInfoChanged, this,
            &PlaylistModel::onVideoInfoChanged);
    connect(&row.parser, &VideoParser::trackReady, this, &PlaylistModel::onTrackReady);
    connect(&row.parser, &VideoParser::gpsDataChanged, this,
            [this](int mId, const GpsData &data) {
                if (isRowNumber(mId))
                    emit gpsDataChanged(mId, data);
            });
}

PlaylistRow *PlaylistModel::rowAt(int row) const
{
    return isRowNumber(row) ? mRows[row].get() : nullptr;
}

int PlaylistModel::companionOf(int rowId) const
{
    if (!isRowNumber(rowId))
        return -1;
    const QString &name = mRows[rowId]->fileName;
    for (int candidate : mRowIdsByRecording.value(CameraFileName::recordingKey(name))) {
        if (candidate != rowId && CameraFileName::areCompanions(name, mRows[candidate]->fileName))
            return candidate;
    }
    return -1;
}

int PlaylistModel::nextRecording(int rowId) const
{
    return neighbourRecording(rowId, 1);
}

int PlaylistModel::previousRecording(int rowId) const
{
    return neighbourRecording(rowId, -1);
}

int PlaylistModel::neighbourRecording(int rowId, int step) const
{
    if (!isRowNumber(rowId))
        return -1;
    const int companion = companionOf(rowId);
    for (int row = rowId + step; isRowNumber(row); row += step) {
        if (row != companion && !isShownBesideEarlierRow(row))
            return row;
    }
    return -1;
}

// A rear file listed after its front file plays beside it; stepping through
// the list must not play that minute a second time.
bool PlaylistModel::isShownBesideEarlierRow(int rowId) const
{
    const int companion = companionOf(rowId);
    return companion >= 0 && companion < rowId && companionOf(companion) == rowId;
}

void PlaylistModel::setCurrentSecond(int rowId, int second)
{
    if (isRowNumber(rowId))
        mRows[rowId]->parser.setSecond(second);
}

void PlaylistModel::onVideoInfoChanged(int mId, VideoInfo info)
{
    if (!isRowNumber(mId))
        return;
    PlaylistRow &row = *mRows[mId];
    row.duration = int(qMin<quint32>(info.duration, std::numeric_limits<int>::max()));
    row.resolution = QSize(info.width, info.height);
    row.telemetrySeconds = int(qMin<quint32>(info.telemetrySeconds, std::numeric_limits<int>::max()));
    row.creationTime = info.creationTime;
    qDebug() << "row->resolution" << row.resolution;
    // A file that cannot be opened, or holds no picture the walk could find,
    // will not play either; a failed play reported first stays as it was.
    if (row.failure == PlaylistRow::NoFailure && !info.openError.isEmpty()) {
        row.failure = PlaylistRow::CannotOpen;
        row.failureDetail = info.openError;
    } else if (row.failure == PlaylistRow::NoFailure && (info.width <= 0 || info.height <= 0)) {
        row.failure = PlaylistRow::NoVideo;
    }
    row.truncated = info.truncated;
    row.telemetryRecovered = info.recovered;
    noteChangedRow(mId);
}

QString PlaylistModel::noteText(const PlaylistRow &row)
{
    QStringList notes{failureText(row), truncationText(row)};
    notes.removeAll(QString());
    return notes.join(QLatin1Char('\n'));
}

QString PlaylistModel::truncationText(const PlaylistRow &row)
{
    // Text or junk named like a video reads as cut short too; there is
    // nothing to tell about it but that it is no video.
    if (!row.truncated || (row.telemetrySeconds <= 0 && row.resolution.isEmpty()))
        return {};
    // Without a duration, or with records found by a scan, there is no
    // whole to count against.
    if (row.telemetryRecovered || row.duration <= 0)
        return tr("The file is cut short: %1 seconds of telemetry could be recovered").arg(row.telemetrySeconds);
    return tr("The file is cut short: %1 of %2 seconds of telemetry can be read")
        .arg(qMin(row.telemetrySeconds, row.duration)).arg(row.duration);
}

QString PlaylistModel::failureText(const PlaylistRow &row)
{
    switch (row.failure) {
    case PlaylistRow::CannotOpen:
        return tr("This file cannot be read: %1").arg(row.failureDetail);
    case PlaylistRow::NoVideo:
        return tr("No video found in this file: it is damaged, cut short or not a video");
    case PlaylistRow::CannotPlay:
        return tr("This file cannot be played: %1").arg(row.failureDetail);
    case PlaylistRow::NoFailure:
        break;
    }
    return {};
}

void PlaylistModel::setPlaybackFailure(int rowId, const QString &reason)
{
    if (!isRowNumber(rowId))
        return;
    mRows[rowId]->failure = PlaylistRow::CannotPlay;
    mRows[rowId]->failureDetail = reason;
    noteChangedRow(rowId);
    // A file that cannot be played has no place in a trip.
    noteTripsOutdated();
}

void PlaylistModel::onTrackReady(int mId, const TelemetryTrack &track)
{
    if (!isRowNumber(mId))
        return;
    PlaylistRow &row = *mRows[mId];
    row.track = track;
    row.trackKnown = true;
    noteChangedRow(mId);
    noteTripsOutdated();
}

const QVector<Trip> &PlaylistModel::trips() const
{
    return mTrips;
}

int PlaylistModel::tripOfRow(int rowId) const
{
    return isRowNumber(rowId) ? mRows[rowId]->trip : -1;
}

int PlaylistModel::rowOfClip(int trip, int clip) const
{
    if (trip < 0 || trip >= mTripRows.size())
        return -1;
    return mTripRows[trip].value(clip, -1);
}

const TelemetryTrack *PlaylistModel::trackOf(int rowId) const
{
    return isRowNumber(rowId) && mRows[rowId]->trackKnown ? &mRows[rowId]->track : nullptr;
}

TrackPoint PlaylistModel::pointOf(int rowId, int second) const
{
    const TelemetryTrack *track = trackOf(rowId);
    if (!track)
        return {};
    // In second order, with a gap where a second has no record.
    const auto found = std::lower_bound(track->cbegin(), track->cend(), second,
                                        [](const TrackPoint &point, int s) { return point.second < s; });
    return found != track->cend() && found->second == second ? *found : TrackPoint();
}

QDateTime PlaylistModel::recordedAt(int rowId) const
{
    if (!isRowNumber(rowId))
        return {};
    const PlaylistRow &row = *mRows[rowId];
    // The camera's own clock is the only one a copied card keeps.
    for (const TrackPoint &point : row.track) {
        if (point.hasTime)
            return utcTime(point.utcMsecs - qint64(point.second) * 1000);
    }
    if (row.creationTime.isValid())
        return row.creationTime.toUTC();
    qint64 named = 0;
    if (CameraFileName::nameTime(row.fileName, named))
        return utcTime(named);
    return {};
}

void PlaylistModel::setSpeedUnit(int unit)
{
    mSpeedUnit = unit;
}

void PlaylistModel::setTripSettings(const TripSettings &settings)
{
    mTripSettings = settings;
    noteTripsOutdated();
}

// Like the rows' reports, the tracks of a card arrive within moments: the
// trips are built once for all that came in during one turn.
void PlaylistModel::noteTripsOutdated()
{
    if (mTripsOutdated)
        return;
    mTripsOutdated = true;
    QMetaObject::invokeMethod(this, &PlaylistModel::buildTripsNow, Qt::QueuedConnection);
}

// Of a recording's two files the one whose camera letter comes first (F
// before R, A before B) leads its trip, whatever order they were opened in.
bool PlaylistModel::isMainCameraRow(int rowId) const
{
    const int companion = companionOf(rowId);
    return companion < 0 || companionOf(companion) != rowId
           || QString::compare(mRows[rowId]->fileName, mRows[companion]->fileName, Qt::CaseInsensitive) < 0;
}

// The main-camera rows whose tracks are in and that can be played; the
// other camera's row of a recording joins its main row's trip.
void PlaylistModel::buildTripsNow()
{
    mTripsOutdated = false;
    QVector<ClipInput> inputs;
    QVector<int> inputRows;
    for (const auto &row : mRows) {
        if (!row->trackKnown || row->failure != PlaylistRow::NoFailure || !isMainCameraRow(row->id))
            continue;
        VideoInfo info;
        info.duration = quint32(qMax(0, row->duration));
        info.creationTime = row->creationTime;
        inputs << ClipInput::of(VideoFile::localPath(row->url), row->track, info);
        inputRows << row->id;
    }
    mTrips = buildTrips(inputs, mTripSettings);
    mTripRows.clear();
    QVector<int> tripOfRow(rowCount(), -1);
    for (int trip = 0; trip < mTrips.size(); ++trip) {
        QVector<int> rows;
        for (const TripClip &clip : qAsConst(mTrips[trip].clips)) {
            const int row = inputRows.value(clip.input, -1);
            rows << row;
            if (row < 0)
                continue;
            tripOfRow[row] = trip;
            const int companion = companionOf(row);
            if (companion >= 0 && tripOfRow[companion] < 0)
                tripOfRow[companion] = trip;
        }
        mTripRows << rows;
    }
    for (const auto &row : mRows) {
        if (row->trip != tripOfRow[row->id]) {
            row->trip = tripOfRow[row->id];
            noteChangedRow(row->id);
        }
    }
    emit tripsChanged();
}

// The trip cell's tool tip sums the trip up, and says what is wrong with
// the row's file if anything is.
QString PlaylistModel::tripToolTip(const PlaylistRow &row) const
{
    QStringList lines{tripSummary(row.trip), noteText(row)};
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString PlaylistModel::tripSummary(int trip) const
{
    if (trip < 0 || trip >= mTrips.size())
        return {};
    const Trip &summed = mTrips[trip];
    const QString distance = distanceText(summed.distanceMetres);
    const QString top = speedText(summed.maxSpeedKmh);
    const QString average = speedText(summed.averageMovingSpeedKmh);
    if (!summed.hasTime)
        return tr("Trip %1: recording time unknown, %2, top speed %3, average moving speed %4")
            .arg(trip + 1).arg(distance, top, average);
    const QDateTime start = utcTime(summed.startUtcMsecs);
    const QDateTime end = utcTime(summed.endUtcMsecs);
    const QString endText = end.date() == start.date() ? end.toString(QStringLiteral("hh:mm:ss"))
                                                       : end.toString(dateTimeFormat);
    return tr("Trip %1: %2 to %3 (%4), %5, top speed %6, average moving speed %7")
        .arg(trip + 1)
        .arg(start.toString(dateTimeFormat), endText, durationText(summed.durationSeconds), distance, top, average);
}

// Truncated in miles per hour, as every speed display does.
QString PlaylistModel::speedText(double kmh) const
{
    if (mSpeedUnit == 0)
        return tr("%1 km/h").arg(qRound(kmh));
    return tr("%1 MPH").arg(SpeedUnit::wholeMilesPerHour(kmh));
}

QString PlaylistModel::distanceText(double metres) const
{
    if (mSpeedUnit == 0)
        return tr("%1 km").arg(metres / 1000.0, 0, 'f', 1);
    return tr("%1 mi").arg(SpeedUnit::miles(metres / 1000.0), 0, 'f', 1);
}

// A card's worth of workers reports within moments: the views hear of all
// rows changed meanwhile at once, on the next turn, rather than once a row.
void PlaylistModel::noteChangedRow(int row)
{
    if (mFirstChangedRow < 0) {
        QMetaObject::invokeMethod(this, &PlaylistModel::reportChangedRows, Qt::QueuedConnection);
        mFirstChangedRow = mLastChangedRow = row;
    }
    mFirstChangedRow = qMin(mFirstChangedRow, row);
    mLastChangedRow = qMax(mLastChangedRow, row);
}

void PlaylistModel::reportChangedRows()
{
    const int first = std::exchange(mFirstChangedRow, -1);
    const int last = std::exchange(mLastChangedRow, -1);
    if (first >= 0 && isRowNumber(last))
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

bool PlaylistModel::isRowNumber(int row) const
{
    return row >= 0 && row < rowCount();
}
