#pragma once

#include <QString>

class QFont;
class QLabel;

// The texts of a frameless window's header: the title and the name of the
// playing file, each in its fixed font and, when wider than its label, elided
// in the middle so that both ends stay readable. The elision is made for the
// label's width at the call and not redone on resize.
class HeaderText
{
public:
    static void setTitle(QLabel *label, const QString &text);
    static void setFileName(QLabel *label, const QString &text);

    static QFont titleFont();
    static QFont fileNameFont();

private:
    static void show(QLabel *label, const QFont &font, const QString &text);
};
