#include "OpenFileLimit.h"

#include <QtGlobal>

#include <mutex>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

void raiseOpenFileLimit()
{
#ifdef Q_OS_UNIX
    static std::once_flag once;
    std::call_once(once, [] {
        rlimit limit{};
        if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
            limit.rlim_cur = limit.rlim_max;
            setrlimit(RLIMIT_NOFILE, &limit);
        }
    });
#endif
}
