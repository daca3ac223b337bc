#pragma once

#include <QSet>
#include <QTranslator>

// Wraps every text of the given translation contexts in brackets, so a test
// can tell which texts a widget takes through the translator.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(QSet<QByteArray> contexts)
        : mContexts(std::move(contexts))
    {
    }

    QString translate(const char *context, const char *text, const char *, int) const override
    {
        if (!mContexts.contains(context) || qstrlen(text) == 0)
            return {};
        return QLatin1Char('[') + QString::fromUtf8(text) + QLatin1Char(']');
    }

    bool isEmpty() const override { return false; }

private:
    QSet<QByteArray> mContexts;
};
