#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// Short messages for the user that need no answer ("Saved ...", "Could not
// ..."): a strip of notices laid over the top of an anchor widget (the video
// area), newest last, each gone after a few seconds or at a click. It never
// takes the focus, so playback keys keep working while it shows.
class NoticeBar : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Information, Problem };
    Q_ENUM(Kind)

    explicit NoticeBar(QWidget *parent);

    // The bar keeps itself over the top of `anchor`, a descendant of its parent.
    void setAnchor(QWidget *anchor);
    // How long a notice stays; problems stay longer, to be read in full.
    void setLifetimes(int informationMs, int problemMs);
    // The texts on show, oldest first.
    QStringList texts() const;

    // More than this many notices at once push out the oldest.
    static constexpr int maxNotices = 3;

public slots:
    // The same text again only restarts its time rather than showing twice.
    void showNotice(const QString &text, NoticeBar::Kind kind = Information);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *findNotice(const QString &text) const;
    QLabel *createNotice(const QString &text, Kind kind);
    void startLifetime(QLabel *notice, Kind kind);
    void removeNotice(QLabel *notice);
    void place();

    QVBoxLayout *mLayout;
    QList<QLabel *> mNotices;
    QPointer<QWidget> mAnchor;
    int mInformationMs = 4000;
    int mProblemMs = 9000;
};
