#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <QUrl>

class PlaylistModel;

// Opens a batch of files into the playlist over several event-loop turns, so
// that no turn holds up the window for long. The first few files are listed
// at once and the rest of a large batch on the turns after; then the players
// are arranged for the batch's first file, and on the next turn it plays.
// Playing waits for the listing because a worker thread started while the
// media framework loads its plugins waits for the loader's lock, and the
// window with it.
class BatchOpener : public QObject
{
    Q_OBJECT
public:
    explicit BatchOpener(PlaylistModel *model, QObject *parent = nullptr);

    // A batch opened meanwhile comes after the files of the earlier one and
    // is the one played. Only regular files are listed; each other one is
    // refused with its reason, and a batch of refused files plays nothing.
    void open(const QList<QUrl> &urls);

signals:
    // `path` is not listed: `reason` says why, in the user's language.
    void fileRefused(const QString &path, const QString &reason);
    // The turn before `playRow`: lay out the players the row needs.
    void arrangeFor(int row);
    // The batch's first file's row, wherever it was listed.
    void playRow(int row);

private:
    int addIfOpenable(const QUrl &url);
    void continueOpening();
    void addPendingFiles();

    PlaylistModel *mModel;
    QList<QUrl> mPendingFiles;
    int mPendingPlayRow = -1;
    bool mArranged = false;
    QTimer mTurns;
};
