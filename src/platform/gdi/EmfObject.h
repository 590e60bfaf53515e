#pragma once
// The objects a metafile creates while it plays: pens, brushes and fonts,
// shared between the object table and the states that selected them.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvppvw::gdi {

struct EmfPenObject {
    std::uint32_t style = 0;
    double width = 0;
    QColor color;
    std::vector<double> dashes;
};

struct EmfBrushObject {
    bool null = false;
    QBrush brush;
};

struct EmfFontObject {
    QString face;
    std::int32_t height = 0;
    std::int32_t escapement = 0;
    std::int32_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // Resolved lazily, per size it is drawn at.
    mutable QRawFont raw;
    mutable QFont qfont;
    mutable double rawSize = -1;
};

struct EmfObject {
    enum class Kind { None, Pen, Brush, Font } kind = Kind::None;
    std::shared_ptr<const EmfPenObject> pen;
    std::shared_ptr<const EmfBrushObject> brush;
    std::shared_ptr<const EmfFontObject> font;
};

} // namespace kelvppvw::gdi
