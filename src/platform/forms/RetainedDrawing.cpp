#include "platform/forms/RetainedDrawing.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace kelvppvw {

RetainedDrawing::RetainedDrawing(Operation underlay) : underlay_(std::move(underlay)) {}

void RetainedDrawing::clear() {
    operations_.clear();
    cacheValid_ = false;
}

void RetainedDrawing::append(Operation operation) {
    if (cacheValid_) {
        QPainter p(&cache_);
        p.translate(-cached_.topLeft());
        operation(p);
    }
    operations_.push_back(std::move(operation));
}

void RetainedDrawing::play(QPainter& painter) const {
    painter.save();
    underlay_(painter);
    painter.restore();
    for (const Operation& operation : operations_) {
        painter.save();
        operation(painter);
        painter.restore();
    }
}

void RetainedDrawing::paint(QPainter& painter, const QRegion& dirty, const QRect& visible) {
    if (dirty.isEmpty())
        return;
    // What one logical pixel is on the device: the screen's pixel ratio.
    const qreal ratio = std::abs(painter.deviceTransform().m11());
    const QRect needed = dirty.boundingRect();
    if (!cacheValid_ || cacheRatio_ != ratio || !cached_.contains(needed))
        extendCache(visible.united(needed), ratio);
    if (!cacheValid_) {
        // No room for a cache: play straight onto the screen.
        painter.save();
        painter.setClipRegion(dirty, Qt::IntersectClip);
        play(painter);
        painter.restore();
        return;
    }
    for (const QRect& r : dirty)
        painter.drawImage(QRectF(r), cache_,
                          QRectF(QPointF(r.topLeft() - cached_.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void RetainedDrawing::extendCache(const QRect& wanted, qreal ratio) {
    QImage next(int(std::ceil(wanted.width() * ratio)), int(std::ceil(wanted.height() * ratio)),
                QImage::Format_RGB32);
    if (next.isNull() || !(ratio > 0)) {
        cacheValid_ = false;
        cache_ = QImage();
        return;
    }
    next.setDevicePixelRatio(ratio);
    // Text in points comes out as on a persistent image, at 96 pixels per inch.
    next.setDotsPerMeterX(3780);
    next.setDotsPerMeterY(3780);
    QPainter p(&next);
    QRegion missing(wanted);
    if (cacheValid_ && cacheRatio_ == ratio) {
        // What is cached already is copied, not played again.
        if (const QRect kept = cached_ & wanted; !kept.isEmpty()) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QRectF(kept.topLeft() - wanted.topLeft(), kept.size()), cache_,
                        QRectF(QPointF(kept.topLeft() - cached_.topLeft()) * ratio, QSizeF(kept.size()) * ratio));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            missing -= kept;
        }
    }
    p.translate(-wanted.topLeft());
    if (!missing.isEmpty()) {
        if (missing != QRegion(wanted))
            p.setClipRegion(missing);
        play(p);
    }
    p.end();
    cache_ = std::move(next);
    cached_ = wanted;
    cacheRatio_ = ratio;
    cacheValid_ = true;
}

} // namespace kelvppvw
