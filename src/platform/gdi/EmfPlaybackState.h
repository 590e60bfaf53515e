#pragma once
// The drawing state of a metafile being played onto a Qt painter: object
// table, attributes, mapping, current position, path, clip and the saved
// states. The record decoding lives apart, in EmfPlayer.
#include "platform/gdi/EmfObject.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QTransform>

#include <memory>
#include <optional>
#include <vector>

namespace kelvppvw::gdi {

class EmfPlaybackState {
public:
    struct Attributes {
        std::shared_ptr<const EmfPenObject> pen;
        std::shared_ptr<const EmfBrushObject> brush;
        std::shared_ptr<const EmfFontObject> font;
        QColor textColor = Qt::black;
        QColor bkColor = Qt::white;
        int bkMode = 2;
        std::uint32_t textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        int mapMode = 1;
        QPointF windowOrg, viewportOrg;
        QSizeF windowExt{1, 1}, viewportExt{1, 1};
        QTransform world;
        QPointF current;
        std::optional<QPainterPath> clip; // destination coordinates
    };

    // `deviceToDest` maps the metafile's reference-device pixels onto the painter.
    EmfPlaybackState(QPainter& painter, const QTransform& deviceToDest, QSizeF devicePixelsPerMm,
                     const QRectF& destination, std::uint32_t handleCount);
    ~EmfPlaybackState();

    QPainter& painter() { return painter_; }
    Attributes& attributes() { return attr_; }

    // Objects.
    void storeObject(std::uint32_t index, EmfObject object);
    void selectObject(std::uint32_t index);
    void deleteObject(std::uint32_t index);

    // Mapping.
    QTransform pageTransform() const; // logical to destination
    void setWorldTransform(const QTransform& t);
    void modifyWorldTransform(const QTransform& t, std::uint32_t mode);
    void mappingChanged() { transformValid_ = false; }

    // Save and restore.
    void save();
    void restore(std::int32_t relative);

    // Paths: while a path is open, shapes go into it instead of onto the page.
    void beginPath();
    void endPath() { pathOpen_ = false; }
    void abortPath();
    void closeFigure();
    bool pathOpen() const { return pathOpen_; }
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void selectClipPath(std::uint32_t mode);

    // Shapes in logical coordinates; `closed` shapes are filled.
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const std::vector<QPointF>& points, bool fromCurrent);
    void polygon(const std::vector<QPointF>& points);
    void polyBezier(const std::vector<QPointF>& points, bool fromCurrent);
    void polyPolygon(const std::vector<std::vector<QPointF>>& polygons, bool closed);
    void shape(const QPainterPath& path, bool closed);
    void setPixel(QPointF p, QColor c);

    // Text at logical `reference`; `dx` may be empty (measured then).
    void text(QPointF reference, const QString& text, const std::vector<std::int32_t>& dx, std::uint32_t options,
              const QRectF& rect);

    // A bitmap drawn into a logical rectangle; `source` is in image pixels.
    void image(const QRectF& dest, const QImage& image, const QRectF& source, std::uint32_t rop);
    // A bitmap blended with its own alpha and a constant opacity (0..255).
    void blend(const QRectF& dest, const QImage& image, const QRectF& source, int opacity);
    // Raster operation without a source (pattern, black, white).
    void fillRop(const QRectF& dest, std::uint32_t rop);
    // Draws an icon mask that no colour image followed.
    void flushPendingMask();

    // Clipping.
    void intersectClipRect(const QRectF& logical);
    void excludeClipRect(const QRectF& logical);
    // Region rectangles are in reference-device pixels; mode as RGN_*; an empty
    // list with RGN_COPY clears the clip.
    void selectClipRegion(const std::vector<QRectF>& deviceRects, std::uint32_t mode);
    void offsetClip(QPointF logical);

    static QColor colour(std::uint32_t colorRef);
    static EmfObject stockObject(std::uint32_t n);

private:
    void applyTransform();
    void applyClip();
    // Moves the current position past text `logical` units wide, as its alignment says.
    void advanceCurrent(double logical);
    QPen qpen() const;
    QBrush qbrush() const;
    void drawPath(const QPainterPath& path, bool fill, bool stroke);
    bool reasonable(const QRectF& logical) const;
    void combineClip(const QPainterPath& area, std::uint32_t mode);

    QPainter& painter_;
    QTransform deviceToDest_;
    QTransform base_;                         // the caller's transform
    std::optional<QPainterPath> callerClip_; // the caller's clip, in its coordinates
    std::optional<QRectF> drawable_;          // what can show on the device, in its pixels
    QSizeF pxPerMm_;
    QRectF destination_;
    std::vector<EmfObject> objects_;
    Attributes attr_;
    std::vector<Attributes> saved_;
    QPainterPath path_;
    bool pathOpen_ = false;
    bool transformValid_ = false;
    QTransform full_;
    struct PendingMask {
        QRectF dest;
        QImage mask;
        QRectF source;
        QTransform transform;
    };
    std::optional<PendingMask> pendingMask_;
};

} // namespace kelvppvw::gdi
