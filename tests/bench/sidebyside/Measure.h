#pragma once
// What both sides measure with: a clock, a watcher that tells when a widget
// has painted, and the figures a side reports to the parent process.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace sidebyside {

// Counts paint events of a widget that arrive while `accept` says the wanted
// content is there.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<bool()> accept) : accept_(std::move(accept))
    {
        widget->installEventFilter(this);
    }

    // Runs the event loop until the widget has painted (at most 30 s).
    bool waitForPaint()
    {
        QElapsedTimer guard;
        guard.start();
        while (!painted_ && guard.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool ok = painted_;
        painted_ = false;
        return ok;
    }
    void reset() { painted_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && (!accept_ || accept_()))
            painted_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> accept_;
    bool painted_ = false;
};

// Wall time and the CPU time of the whole process (every thread): on a
// machine shared with other work the second tells the cost apart from the wait.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart()
    {
        wall_.start();
        cpu_ = cpuMs();
    }
    double wallMs() const { return double(wall_.nsecsElapsed()) / 1e6; }
    double cpuMsSince() const { return cpuMs() - cpu_; }

private:
    static double cpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    QElapsedTimer wall_;
    double cpu_ = 0;
};

// One figure: wall and CPU milliseconds.
struct Timing {
    double wall = -1, cpu = -1;
    static Timing of(const Stopwatch& w) { return {w.wallMs(), w.cpuMsSince()}; }
};

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

inline Timing median(const std::vector<Timing>& v)
{
    std::vector<double> wall, cpu;
    for (const Timing& t : v) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    return {median(wall), median(cpu)};
}

// The median timing of step(i) for i from first to last.
inline Timing medianOf(int first, int last, const std::function<void(int)>& step)
{
    std::vector<Timing> samples;
    for (int i = first; i <= last; ++i) {
        Stopwatch clock;
        step(i);
        samples.push_back(Timing::of(clock));
    }
    return median(samples);
}

// One side's figures, printed as "name value" lines for the parent.
struct Figures {
    Timing firstPage, nextPage, zoom, close;
    // From the start of close until this run's page files are gone, which
    // may be after close has returned.
    Timing closeUntilRemoved;

    void print() const
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const std::pair<const char*, Timing> rows[] = {
            {"first", firstPage}, {"next", nextPage}, {"zoom", zoom}, {"close", close}, {"removed", closeUntilRemoved}};
        for (const auto& [name, t] : rows)
            std::printf("%s %.3f\n%s_cpu %.3f\n", name, t.wall, name, t.cpu);
        std::printf("rss %.1f\n", double(usage.ru_maxrss) / 1024.0);
        std::fflush(stdout);
    }
};

// Pages visited for "next page, first visit".
inline int nextPageSamples(int pages) { return std::min(pages - 1, 20); }
// Round trips for "zoom to 200 % and back".
constexpr int ZoomSamples = 5;

} // namespace sidebyside
