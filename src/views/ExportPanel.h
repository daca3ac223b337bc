#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// A compact strip under the video while exports run: which file is being
// written, how far it is with the time left, how many more wait, and a
// button to cancel it. It shows what it is told and decides nothing; it
// never takes the focus, so the playback keys keep working.
class ExportPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ExportPanel(QWidget *parent = nullptr);

    QString fileText() const;
    QString timeLeftText() const;
    QString waitingText() const;
    int percent() const;

public slots:
    // An export of `outputPath` has started: the strip shows, from nothing done.
    void showStarted(const QString &outputPath);
    // `secondsLeft` -1: not known yet.
    void setProgress(double fraction, int secondsLeft);
    // More exports after this one; 0 hides the count.
    void setWaiting(int count);
    // Nothing runs any more.
    void finish();
    void retranslate();

signals:
    void cancelRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showTimeLeft();
    void showFileText();

    QLabel *mFile;
    QProgressBar *mBar;
    QLabel *mTimeLeft;
    QLabel *mWaiting;
    QPushButton *mCancel;
    QString mOutputPath;
    QString mFileText;      // whole, shortened to the label's width on show
    int mSecondsLeft = -1;
    int mWaitingCount = 0;
};
