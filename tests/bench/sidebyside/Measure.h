#pragma once
// What both sides measure with: a clock, a watcher that tells when a widget
// has painted, and the figures a side reports to the parent process.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
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

inline double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// One side's figures, printed as "name value" lines for the parent.
struct Figures {
    double firstPageMs = -1;
    double nextPageMs = -1;
    double zoomMs = -1;
    double closeMs = -1;
    double peakRssMiB = -1;

    void print() const
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first %.3f\nnext %.3f\nzoom %.3f\nclose %.3f\nrss %.1f\n", firstPageMs, nextPageMs, zoomMs,
                    closeMs, double(usage.ru_maxrss) / 1024.0);
        std::fflush(stdout);
    }
};

// Pages visited for "next page, first visit".
inline int nextPageSamples(int pages) { return std::min(pages - 1, 20); }
// Round trips for "zoom to 200 % and back".
constexpr int ZoomSamples = 5;

} // namespace sidebyside
