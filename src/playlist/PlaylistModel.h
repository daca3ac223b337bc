#pragma once

#include "GpsData.h"
#include "PlaylistRow.h"
#include "Trip.h"
#include "TripSettings.h"
#include "VideoInfo.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QVector>

#include <memory>
#include <vector>

class QFileInfo;

// The playlist table: one row per opened video file with its name, trip,
// recording time, duration, creation date, size and resolution. Recordings
// that follow each other form trips, built again whenever the tracks of
// more rows are in; the rows of one trip share its shade, and the trip
// cell's tool tip sums the trip up. A row whose file cannot be read or
// played, or was cut short, says so in its colour and its tool tip. Each row owns a parse worker; the model
// stores the video information a worker reports and passes its telemetry on,
// tagged with the row's number. Rows are only ever appended, so a row's
// number is its position and a row pointer stays valid for the model's life.
class PlaylistModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { FileNameColumn, TripColumn, RecordedColumn, DurationColumn, CreateDateColumn, SizeColumn,
                  ResolutionColumn, ColumnCount };
    // What the table's painting needs to know of a row, in every cell: the
    // trip it belongs to (none when invalid) and what is wrong with its file.
    enum Role { TripRole = Qt::UserRole + 1, ProblemRole };
    enum Problem { NoProblem, Failed, Truncated };

    explicit PlaylistModel(QObject *parent = nullptr);
    ~PlaylistModel() override;

    using QObject::parent;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Appends a row for the file and starts its worker, or returns the row
    // that already holds this very file (whatever path spelling reaches it).
    int addFile(const QUrl &url);
    PlaylistRow *rowAt(int row) const;
    // The first row, in list order, that holds the same recording's file of
    // another camera (see CameraFileName), or -1.
    int companionOf(int rowId) const;
    // The recording after or before the row's: the nearest row that is
    // neither the row's companion nor a file already shown beside an earlier
    // row of its recording; -1 at either end of the list.
    int nextRecording(int rowId) const;
    int previousRecording(int rowId) const;
    // Hands the playback second to the row's worker; ignored for unknown rows.
    void setCurrentSecond(int rowId, int second);
    // The media player could not play the row's file, for `reason`.
    void setPlaybackFailure(int rowId, const QString &reason);

    // The trips of the readable main-camera rows whose tracks are in, in
    // recording order; other cameras' rows follow their main row.
    const QVector<Trip> &trips() const;
    // The row's trip, or -1.
    int tripOfRow(int rowId) const;
    // The main-camera row of a trip's clip, or -1.
    int rowOfClip(int trip, int clip) const;
    // The row's whole track; none until its worker has decoded it.
    const TelemetryTrack *trackOf(int rowId) const;
    // The row's point of playback `second`; a point without time or fix
    // while the track is not in or has no record of that second.
    TrackPoint pointOf(int rowId, int second) const;
    // When the row's clip was recorded, in UTC: the camera time of its first
    // record, else the video's creation time, else the time in its name;
    // invalid when none of them is known.
    QDateTime recordedAt(int rowId) const;
    // Start, end, duration, distance and speeds of a trip in the unit set.
    QString tripSummary(int trip) const;
    // 0: kilometres per hour; any other value: miles per hour.
    void setSpeedUnit(int unit);
    void setTripSettings(const TripSettings &settings);

signals:
    void gpsDataChanged(int mId, GpsData data);
    // The trips were built again: more tracks are in, or the settings changed.
    void tripsChanged();

private slots:
    void onVideoInfoChanged(int mId, VideoInfo info);
    void onTrackReady(int mId, const TelemetryTrack &track);

private:
    bool isRowNumber(int row) const;
    static QString fileIdentity(const QFileInfo &file);
    std::unique_ptr<PlaylistRow> createRow(int id, const QUrl &url, const QFileInfo &file) const;
    void connectWorker(PlaylistRow &row);
    void noteChangedRow(int row);
    void reportChangedRows();
    QVariant displayText(const PlaylistRow &row, int column) const;
    static QString failureText(const PlaylistRow &row);
    static QString truncationText(const PlaylistRow &row);
    static QString noteText(const PlaylistRow &row);
    int neighbourRecording(int rowId, int step) const;
    bool isShownBesideEarlierRow(int rowId) const;
    bool isMainCameraRow(int rowId) const;
    void noteTripsOutdated();
    void buildTripsNow();
    QString tripToolTip(const PlaylistRow &row) const;
    QString speedText(double kmh) const;
    QString distanceText(double metres) const;

    std::vector<std::unique_ptr<PlaylistRow>> mRows;
    QHash<QString, int> mRowIdByFile;  // canonical path -> row number
    QHash<QString, QVector<int>> mRowIdsByRecording; // recording key -> row numbers, in order
    int mFirstChangedRow = -1;         // rows changed since the views last heard
    int mLastChangedRow = -1;
    QVector<Trip> mTrips;
    QVector<QVector<int>> mTripRows;   // trip -> clip -> row number
    TripSettings mTripSettings;
    bool mTripsOutdated = false;       // a build is due on the next turn
    int mSpeedUnit = 0;
};
