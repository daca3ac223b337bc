#include "CameraFileName.h"

#include "CameraTime.h"

#include <QHash>

namespace {

// The name without its extension; a name without a dot is all stem.
QStringRef stemOf(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringRef(&fileName) : fileName.leftRef(dot);
}

// The camera letter, folded to one case, or a null character when the stem
// does not end in a letter or is nothing but the letter.
QChar cameraLetter(const QString &fileName)
{
    const QStringRef stem = stemOf(fileName);
    if (stem.size() < 2 || !stem.back().isLetter())
        return QChar();
    return stem.back().toCaseFolded();
}

} // namespace

namespace CameraFileName {

QString recordingKey(const QString &fileName)
{
    if (cameraLetter(fileName).isNull())
        return {};
    const QStringRef stem = stemOf(fileName);
    return stem.left(stem.size() - 1).toString().toCaseFolded();
}

bool areCompanions(const QString &fileName, const QString &otherFileName)
{
    const QString key = recordingKey(fileName);
    return !key.isEmpty() && key == recordingKey(otherFileName)
           && cameraLetter(fileName) != cameraLetter(otherFileName);
}

QVector<int> mainCameraFiles(const QStringList &fileNames)
{
    // The first camera letter of each recording among the names.
    QHash<QString, QChar> firstLetters;
    for (const QString &name : fileNames) {
        const QString key = recordingKey(name);
        if (key.isEmpty())
            continue;
        const QChar letter = cameraLetter(name);
        const auto found = firstLetters.find(key);
        if (found == firstLetters.end() || letter < *found)
            firstLetters.insert(key, letter);
    }
    QVector<int> mains;
    for (int i = 0; i < fileNames.size(); ++i) {
        const QString key = recordingKey(fileNames[i]);
        if (key.isEmpty() || cameraLetter(fileNames[i]) == firstLetters.value(key))
            mains.append(i);
    }
    return mains;
}

bool nameTime(const QString &fileName, qint64 &utcMsecs)
{
    QByteArray digits;
    for (const QChar c : fileName) {
        if (c.isDigit() && c.unicode() < 128)
            digits += char(c.unicode());
        else if (!digits.isEmpty() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            break;
        if (digits.size() == 14)
            return CameraTime::toUtcMsecs(digits.constData(), utcMsecs);
    }
    return false;
}

} // namespace CameraFileName
