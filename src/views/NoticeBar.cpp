#include "NoticeBar.h"

#include "FileNameCodec.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const lifetimeProperty = "noticeLifetime";
constexpr int edgeMargin = 8;

QString noticeStyle(NoticeBar::Kind kind)
{
    const char *accent = kind == NoticeBar::Problem ? "rgb(226, 96, 84)" : "rgb(96, 160, 226)";
    return QStringLiteral("QLabel{color: rgb(240, 240, 240); background-color: rgb(30, 30, 36);"
                          " border-left: 4px solid %1; padding: 6px 10px;}")
        .arg(QLatin1String(accent));
}

} // namespace

NoticeBar::NoticeBar(QWidget *parent)
    : QWidget(parent)
    , mLayout(new QVBoxLayout(this))
{
    mLayout->setContentsMargins(0, 0, 0, 0);
    mLayout->setSpacing(2);
    setFocusPolicy(Qt::NoFocus);
    // The video is drawn into a window of its own; only a window of its own
    // can lie above it.
    setAttribute(Qt::WA_NativeWindow);
    hide();
}

void NoticeBar::setAnchor(QWidget *anchor)
{
    if (mAnchor)
        mAnchor->removeEventFilter(this);
    mAnchor = anchor;
    if (mAnchor)
        mAnchor->installEventFilter(this);
    place();
}

void NoticeBar::setLifetimes(int informationMs, int problemMs)
{
    mInformationMs = informationMs;
    mProblemMs = problemMs;
}

QStringList NoticeBar::texts() const
{
    QStringList shown;
    for (const QLabel *notice : mNotices)
        shown << notice->text();
    return shown;
}

void NoticeBar::showNotice(const QString &message, NoticeBar::Kind kind)
{
    if (message.isEmpty())
        return;
    // Notices name files; a name's bytes that are no UTF-8 show as such.
    const QString text = FileNameCodec::readable(message);
    QLabel *notice = findNotice(text);
    if (!notice) {
        while (mNotices.size() >= maxNotices)
            removeNotice(mNotices.first());
        notice = createNotice(text, kind);
    }
    startLifetime(notice, kind);
    show();
    raise();
    place();
}

QLabel *NoticeBar::findNotice(const QString &text) const
{
    for (QLabel *notice : mNotices) {
        if (notice->text() == text)
            return notice;
    }
    return nullptr;
}

QLabel *NoticeBar::createNotice(const QString &text, Kind kind)
{
    auto *notice = new QLabel(text, this);
    // File names and reasons are shown as they are, never as markup.
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setStyleSheet(noticeStyle(kind));
    notice->setFocusPolicy(Qt::NoFocus);
    // The style's padding counts in the height the bar is given.
    notice->ensurePolished();
    mLayout->addWidget(notice);
    notice->show(); // the layout would only show it on the next turn
    mNotices << notice;
    return notice;
}

void NoticeBar::startLifetime(QLabel *notice, Kind kind)
{
    auto *lifetime = notice->property(lifetimeProperty).value<QTimer *>();
    if (!lifetime) {
        lifetime = new QTimer(notice);
        lifetime->setSingleShot(true);
        connect(lifetime, &QTimer::timeout, this, [this, notice] { removeNotice(notice); });
        notice->setProperty(lifetimeProperty, QVariant::fromValue(lifetime));
    }
    lifetime->start(kind == Problem ? mProblemMs : mInformationMs);
}

void NoticeBar::removeNotice(QLabel *notice)
{
    if (!mNotices.removeOne(notice))
        return;
    mLayout->removeWidget(notice);
    notice->hide();
    notice->deleteLater();
    if (mNotices.isEmpty())
        hide();
    else
        place();
}

// Centred over the top of the anchor, as wide as it less a margin.
void NoticeBar::place()
{
    QWidget *parent = parentWidget();
    if (!mAnchor || !parent)
        return;
    const QRect area(mAnchor->mapTo(parent, QPoint(0, 0)), mAnchor->size());
    const int width = qMax(0, area.width() - 2 * edgeMargin);
    // Each notice as high as its wrapped text needs at that width.
    int height = mLayout->spacing() * qMax(0, int(mNotices.size()) - 1);
    for (const QLabel *notice : qAsConst(mNotices))
        height += notice->heightForWidth(width);
    setGeometry(area.left() + edgeMargin, area.top() + edgeMargin, width, height);
    mLayout->activate();
}

bool NoticeBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mAnchor && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        place();
    return QWidget::eventFilter(watched, event);
}

// A click takes the notice under it away at once.
void NoticeBar::mousePressEvent(QMouseEvent *event)
{
    for (QLabel *notice : mNotices) {
        if (notice->geometry().contains(event->pos())) {
            removeNotice(notice);
            break;
        }
    }
    event->accept();
}
