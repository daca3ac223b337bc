#include "HeaderText.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace {

QFont fontOf(const QString &family, int weight, int pixelSize)
{
    QFont font(family);
    font.setWeight(weight);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont HeaderText::titleFont()
{
    return fontOf(QStringLiteral("Arial"), QFont::Bold, 15);
}

QFont HeaderText::fileNameFont()
{
    return fontOf(QStringLiteral("Calibri"), QFont::Normal, 13);
}

void HeaderText::setTitle(QLabel *label, const QString &text)
{
    show(label, titleFont(), text);
}

void HeaderText::setFileName(QLabel *label, const QString &text)
{
    show(label, fileNameFont(), text);
}

void HeaderText::show(QLabel *label, const QFont &font, const QString &text)
{
    label->setFont(font);
    const QFontMetrics metrics(label->font());
    const int width = label->width();
    const bool cut = metrics.horizontalAdvance(text) > width;
    label->setText(cut ? metrics.elidedText(text, Qt::ElideMiddle, width) : text);
    // A text cut short is there in full when the pointer rests on it.
    label->setToolTip(cut ? text : QString());
}
