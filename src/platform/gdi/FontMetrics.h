#pragma once
// The text measurements the metafile writer records and the player lays out
// with: a font description resolved through fontconfig ("Courier New" finds
// its metric-compatible substitute).
#include "platform/gdi/GdiTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kelvppvw::gdi {

class FontMetrics {
public:
    explicit FontMetrics(const LogFont& font);
    // The measurements of a font description, shared by every font object
    // made from the same description (pages create the same few fonts again
    // and again).
    static std::shared_ptr<const FontMetrics> of(const LogFont& font);
    FontMetrics(const QString& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                bool strikeOut);

    // A Qt font for a Windows font description. A negative height is the
    // character (em) height, a positive one the cell height; 0 is a default.
    static QFont toQFont(const QString& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                         bool strikeOut);
    // Face name of a 32-byte field: up to the first NUL, at most 32 bytes.
    static QString faceName(const std::array<char, 32>& field);

    const QFont& font() const { return font_; }
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }
    // One whole-pixel advance per UTF-16 unit, rounded so that their running
    // sum stays within half a pixel of the exact width.
    std::vector<std::int32_t> advances(const std::u16string& text) const;

private:
    double advance(char16_t c) const;

    QFont font_;
    QFontMetricsF metrics_;
    double ascent_ = 0;
    double descent_ = 0;
    mutable std::array<float, 256> latin_;
    mutable std::unordered_map<char16_t, double> other_;
};

} // namespace kelvppvw::gdi
