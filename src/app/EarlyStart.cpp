#include "EarlyStart.h"

#include "Configuration.h"
#include "InstanceChannel.h"
#include "VantrelVersion.h"

#include <QDir>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

bool EarlyStart::oneWindow(const LaunchOptions &options)
{
    return !options.newWindow && options.action == LaunchOptions::Action::Run
           && !Configuration::instance()->severalWindows();
}

int EarlyStart::settle(const LaunchOptions &options, bool oneWindow)
{
    switch (options.action) {
    case LaunchOptions::Action::Help:
        print(stdout, options.usage);
        return 0;
    case LaunchOptions::Action::Version:
        print(stdout, QStringLiteral("vantrel %1\n").arg(QStringLiteral(VANTREL_VERSION)));
        return 0;
    case LaunchOptions::Action::Invalid:
        print(stderr, QStringLiteral("vantrel: %1\n\n%2").arg(options.error, options.usage));
        return 2;
    case LaunchOptions::Action::Run:
        break;
    }
    if (oneWindow && InstanceChannel(InstanceChannel::defaultName()).handOver(QDir::currentPath(), options.files))
        return 0;
    return -1;
}
