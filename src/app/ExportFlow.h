#pragma once

#include <QObject>

class ExportPanel;
class ExportQueue;
class NoticeBar;
class PlaybackController;
class PlaybackKeys;
class PlaylistModel;
class QPushButton;
class QWidget;
class TripRangeMarks;
class TripTimeline;
class TripViewFeed;

// From a marked stretch of the playing trip to its file: I and O (or the
// buttons beside the timeline) mark the playing second, Export opens the
// dialog and queues what it accepts, the strip under the video follows the
// queue, and the end of each export is told in a notice.
class ExportFlow : public QObject
{
    Q_OBJECT
public:
    // The window's parts the flow works with.
    struct Controls
    {
        TripTimeline *timeline;
        QPushButton *markIn;
        QPushButton *markOut;
        QPushButton *exportButton;
        ExportPanel *panel;
        NoticeBar *notices;
    };

    ExportFlow(PlaylistModel *model, PlaybackController *playback, TripViewFeed *tripViews, PlaybackKeys *keys,
               const Controls &controls, QWidget *window);
    ~ExportFlow() override;

    ExportQueue *queue() const;
    // Closing during an export cancels it, once the user agrees.
    bool confirmClose();

private:
    void connectMarks(TripViewFeed *tripViews, PlaybackKeys *keys);
    void connectProgress();
    // The export dialog for the marked stretch; what it accepts is queued.
    void exportStretch();
    // The folder stills go into, where an export is proposed too.
    static QString stillFolder();

    PlaylistModel *mModel;
    PlaybackController *mPlayback;
    Controls mControls;
    QWidget *mWindow;
    TripRangeMarks *mMarks;
    ExportQueue *mQueue;
};
