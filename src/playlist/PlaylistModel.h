#pragma once

#include "GpsData.h"
#include "PlaylistRow.h"
#include "VideoInfo.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QVector>

#include <memory>
#include <vector>

class QFileInfo;

// The playlist table: one row per opened video file with its name, duration,
// creation date, size and resolution; a row whose file cannot be read or
// played, or was cut short, says so in its colour and its tool tip. Each row owns a parse worker; the model
// stores the video information a worker reports and passes its telemetry on,
// tagged with the row's number. Rows are only ever appended, so a row's
// number is its position and a row pointer stays valid for the model's life.
class PlaylistModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { FileNameColumn, DurationColumn, CreateDateColumn, SizeColumn, ResolutionColumn,
                  ColumnCount };

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

signals:
    void gpsDataChanged(int mId, GpsData data);

private slots:
    void onVideoInfoChanged(int mId, VideoInfo info);

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

    std::vector<std::unique_ptr<PlaylistRow>> mRows;
    QHash<QString, int> mRowIdByFile;  // canonical path -> row number
    QHash<QString, QVector<int>> mRowIdsByRecording; // recording key -> row numbers, in order
    int mFirstChangedRow = -1;         // rows changed since the views last heard
    int mLastChangedRow = -1;
};
