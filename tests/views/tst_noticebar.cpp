#include "NoticeBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

// A window with a text field above the anchor (the video area) and the bar laid over the anchor.
class TestNoticeBar : public QObject
{
    Q_OBJECT
    QScopedPointer<QWidget> mWindow;
    QLineEdit *mField = nullptr;
    QWidget *mAnchor = nullptr;
    NoticeBar *mBar = nullptr;

private slots:
    void init()
    {
        mWindow.reset(new QWidget);
        auto *layout = new QVBoxLayout(mWindow.data());
        mField = new QLineEdit(mWindow.data());
        mAnchor = new QWidget(mWindow.data());
        layout->addWidget(mField);
        layout->addWidget(mAnchor, 1);
        mBar = new NoticeBar(mWindow.data());
        mBar->setAnchor(mAnchor);
        mBar->setLifetimes(300, 900);
        mWindow->resize(600, 400);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.data()));
        mField->setFocus();
    }
    void cleanup() { mWindow.reset(); }

    // Texts given in order (a leading '!' marks a problem) and the texts on show right after.
    void stacking_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("oldest first") << QStringList{"a", "!b"} << QStringList{"a", "b"};
        QTest::newRow("a repeat shows once") << QStringList{"a", "b", "a"} << QStringList{"a", "b"};
        QTest::newRow("the oldest makes room") << QStringList{"a", "b", "c", "d"} << QStringList{"b", "c", "d"};
        QTest::newRow("empty texts are no notices") << QStringList{""} << QStringList();
        // A name's byte 0xE9 that is no UTF-8, as the file-name codec keeps it.
        QTest::newRow("raw byte in a name") << QStringList{QStringLiteral("Not found: caf") + QChar(0xDCE9)}
                                            << QStringList{QStringLiteral("Not found: caf") + QChar(0xFFFD)};
    }
    void stacking()
    {
        QFETCH(QStringList, given);
        for (const QString &text : given)
            mBar->showNotice(text.startsWith('!') ? text.mid(1) : text, text.startsWith('!') ? NoticeBar::Problem : NoticeBar::Information);
        QTEST(mBar->texts(), "shown");
        QCOMPARE(mBar->isVisible(), !mBar->texts().isEmpty());
        // Shown without taking the focus from where the user is.
        QVERIFY(mField->hasFocus());
    }

    // Information goes first, problems stay longer; a repeat restarts its time; the bar hides when empty.
    void lifetimes()
    {
        mBar->showNotice(QStringLiteral("saved"));
        mBar->showNotice(QStringLiteral("failed"), NoticeBar::Problem);
        QTest::qWait(200);
        mBar->showNotice(QStringLiteral("saved"));
        QTest::qWait(200);
        QCOMPARE(mBar->texts(), QStringList({"saved", "failed"}));
        QTRY_COMPARE_WITH_TIMEOUT(mBar->texts(), QStringList{"failed"}, 2000);
        QVERIFY(mBar->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(mBar->texts().isEmpty(), 2000);
        QVERIFY(!mBar->isVisible());
    }

    // A click takes a notice away and leaves the focus where it was.
    void clickTakesItAway()
    {
        mBar->showNotice(QStringLiteral("first"), NoticeBar::Problem);
        mBar->showNotice(QStringLiteral("second"), NoticeBar::Problem);
        QLabel *first = mBar->findChildren<QLabel *>().value(0);
        QVERIFY(first && first->text() == QLatin1String("first"));
        QTest::mouseClick(first, Qt::LeftButton);
        QCOMPARE(mBar->texts(), QStringList{"second"});
        QVERIFY(mField->hasFocus());
    }
};

QTEST_MAIN(TestNoticeBar)
#include "tst_noticebar.moc"
