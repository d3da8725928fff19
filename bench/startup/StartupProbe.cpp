#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Long enough for any work queued behind the first paint to have run.
constexpr std::chrono::milliseconds SettleTime{500};

double milliseconds(const timeval &time)
{
    return time.tv_sec * 1000.0 + time.tv_usec / 1000.0;
}

}

StartupProbe::StartupProbe(std::function<void(QWindow *)> exposed)
    : exposed(std::move(exposed))
{
    QCoreApplication::instance()->installEventFilter(this);
}

// The first expose of a top-level window follows its mapping; the window paints in reply.
bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && window->isExposed() && window->isTopLevel() && seen.insert(window).second)
            exposed(window);
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::printUsage(const char *prefix)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    std::printf("%s_at_us=%lld %s_cpu_ms=%.1f %s_peak_kb=%ld\n", prefix,
                static_cast<long long>(now.count()), prefix,
                milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), prefix,
                usage.ru_maxrss);
    std::fflush(stdout);
}

void quitWhenSettled()
{
    QTimer::singleShot(SettleTime, [] {
        StartupProbe::printUsage("settled");
        QCoreApplication::quit();
    });
}
