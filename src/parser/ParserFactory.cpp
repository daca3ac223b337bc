#include "ParserFactory.h"

#include "AVIParser.h"
#include "Mp4Parser.h"

bool isAviPath(const QString &path)
{
    return path.endsWith(QLatin1String(".AVI"), Qt::CaseInsensitive);
}

std::unique_ptr<ParserObject> createParser(const QString &path)
{
    if (isAviPath(path))
        return std::make_unique<AVIParser>(path);
    return std::make_unique<Mp4Parser>(path);
}
