#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class QRegion;

namespace kelvppvw {

// Drawing kept as the operations that made it, in the logical pixels of a
// surface, and played when the surface is shown: only for the part shown and
// at the resolution it is shown at. A surface much larger than its window
// then costs what the window shows, and stays sharp at any device pixel
// ratio. The part last shown is cached, so repainting it (a pointer's lines
// over it) plays nothing again, and scrolling plays only what comes into view.
class RetainedDrawing {
public:
    using Operation = std::function<void(QPainter&)>;

    // underlay paints what lies beneath every operation (the background).
    explicit RetainedDrawing(Operation underlay);

    bool empty() const { return operations_.empty(); }
    // Forgets every operation.
    void clear();
    // Adds an operation; the cached part gets it at once.
    void append(Operation operation);
    // The underlay or the surface's size changed: the cache is stale.
    void invalidate() { cacheValid_ = false; }

    // Paints the dirty part of the surface onto painter from the cache,
    // first extending it over what is visible (both in surface coordinates).
    void paint(QPainter& painter, const QRegion& dirty, const QRect& visible);
    // Plays the underlay and every operation onto painter as it stands.
    void play(QPainter& painter) const;

private:
    void extendCache(const QRect& wanted, qreal ratio);

    Operation underlay_;
    std::vector<Operation> operations_;
    QImage cache_; // device pixels of cached_, at cacheRatio_
    QRect cached_;
    qreal cacheRatio_ = 1;
    bool cacheValid_ = false;
};

} // namespace kelvppvw
