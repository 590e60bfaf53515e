#pragma once
// What a gdi object handle stands for. Internal to the layer.
#include "platform/gdi/FontMetrics.h"
#include "platform/gdi/GdiTypes.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace kelvppvw::gdi {

enum class ObjectKind { Pen, Brush, Font, Bitmap, Icon, Palette, EnhMetafile };

struct GdiObject {
    ObjectKind kind = ObjectKind::Pen;
    // Stock objects are never deleted; -1 for the rest.
    int stockIndex = -1;
    // Number of DCs holding the object selected; a selected object is not deleted.
    int selectedIn = 0;

    std::uint32_t style = 0; // pen or brush style
    std::int32_t penWidth = 0;
    ColorRef color = 0;
    std::uint32_t hatch = 0;

    LogFont logFont;
    std::shared_ptr<const FontMetrics> metrics;

    QImage image; // bitmap or icon

    std::vector<std::uint8_t> metafile; // enhanced metafile bytes

    bool isStock() const { return stockIndex >= 0; }
    const FontMetrics& fontMetrics()
    {
        if (!metrics)
            metrics = FontMetrics::of(logFont);
        return *metrics;
    }
};

} // namespace kelvppvw::gdi
