// Linked into every program the start-up benchmark launches: notes when the
// program's first window has been painted whole, reports it and ends the
// process at once.
//
// The first exposure of a top-level widget's window is where Qt paints every
// visible widget of it into the backing store and flushes that to the screen.
// The probe delivers that event itself, so that the time it takes after the
// delivery is the end of the first complete paint. It also notes when the
// application object came to be, when the window was shown and when the
// start-up step's timer (the object named "TimDeb", in Vitralis only) fired.
//
// Times are CLOCK_MONOTONIC nanoseconds less the launcher's time just before
// its fork (BENCH_SPAWN_NS), so each is measured from the program's exec.
#include "benchutil.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class PaintProbe : public QObject
{
public:
    PaintProbe() : m_start(bench::spawnNs()) { m_app = bench::monotonicNs(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            ++m_paints;
            if (!m_paintBegin)
                m_paintBegin = bench::monotonicNs();
            break;
        case QEvent::Show:
            if (!m_shown && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                m_shown = bench::monotonicNs();
            break;
        case QEvent::Timer:
            if (!m_tick && watched->objectName() == QLatin1String("TimDeb"))
                m_tick = bench::monotonicNs();
            break;
        case QEvent::Expose:
            if (watched->isWindowType() && !m_delivering)
                return deliverFirstPaint(static_cast<QWindow*>(watched), event);
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool deliverFirstPaint(QWindow* window, QEvent* event)
    {
        if (!window->isExposed() || !widgetOf(window))
            return false;
        m_delivering = true;
        m_paints = 0;
        m_paintBegin = 0;
        const int64_t exposed = bench::monotonicNs();
        static_cast<QObject*>(window)->event(event);
        const int64_t end = bench::monotonicNs();
        report(exposed, end);
        return true;
    }

    static QWidget* widgetOf(const QWindow* window)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == window && w->isVisible())
                return w;
        }
        return nullptr;
    }

    double since(int64_t t) const { return t ? bench::ms(t - m_start) : -1; }

    void report(int64_t exposed, int64_t end)
    {
        char line[400];
        const int n = std::snprintf(
            line, sizeof line,
            "paint_end=%.3f app=%.3f tick=%.3f shown=%.3f exposed=%.3f paint_begin=%.3f "
            "paints=%d spawn_known=%d\n",
            since(end), since(m_app), since(m_tick), since(m_shown), since(exposed),
            since(m_paintBegin), m_paints, m_start ? 1 : 0);
        const int fd = bench::reportFd();
        if (n > 0 && write(fd, line, size_t(n)) < 0)
            _exit(2);
        // BENCH_SMAPS=FILE keeps the process's memory map at that moment, to
        // tell where its resident memory lies.
        if (const char* smaps = std::getenv("BENCH_SMAPS")) {
            if (FILE* in = std::fopen("/proc/self/smaps", "r")) {
                if (FILE* out = std::fopen(smaps, "w")) {
                    char buffer[4096];
                    size_t got;
                    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
                        std::fwrite(buffer, 1, got, out);
                    std::fclose(out);
                }
                std::fclose(in);
            }
        }
        // Nothing after the first paint is measured: no tear-down either.
        _exit(0);
    }

    int64_t m_start;
    int64_t m_app = 0;
    int64_t m_tick = 0;
    int64_t m_shown = 0;
    int64_t m_paintBegin = 0;
    int m_paints = 0;
    bool m_delivering = false;
};

void installProbe()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QCoreApplication::instance()->installEventFilter(new PaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
