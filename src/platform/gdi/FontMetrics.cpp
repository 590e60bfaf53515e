#include "platform/gdi/FontMetrics.h"

#include "platform/gdi/QtRuntime.h"

#include <algorithm>
#include <cmath>

namespace kelvppvw::gdi {
namespace {

QFont withQtRuntime(const QString& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                    bool strikeOut)
{
    QtRuntime::ensure();
    return FontMetrics::toQFont(face, height, weight, italic, underline, strikeOut);
}

} // namespace

QString FontMetrics::faceName(const std::array<char, 32>& field)
{
    std::size_t n = 0;
    while (n < field.size() && field[n] != '\0')
        ++n;
    return QString::fromUtf8(field.data(), qsizetype(n));
}

QFont FontMetrics::toQFont(const QString& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                           bool strikeOut)
{
    QFont font(face.isEmpty() ? QStringLiteral("sans-serif") : face);
    font.setStyleHint(QFont::AnyStyle);
    font.setHintingPreference(QFont::PreferNoHinting);
    const std::int64_t wanted = height == 0 ? -12 : height;
    std::int64_t em = wanted < 0 ? -wanted : wanted;
    em = std::clamp<std::int64_t>(em, 1, 1 << 20);
    font.setPixelSize(int(em));
    if (wanted > 0) {
        // Cell height asked for: scale the em so that ascent + descent fit it.
        const QFontMetricsF m(font);
        const double cell = m.ascent() + m.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, int(std::lround(double(em) * double(em) / cell))));
    }
    font.setWeight(QFont::Weight(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    font.setKerning(false);
    return font;
}

FontMetrics::FontMetrics(const LogFont& f)
    : FontMetrics(faceName(f.faceName), f.height, f.weight, f.italic != 0, f.underline != 0, f.strikeOut != 0)
{
}

FontMetrics::FontMetrics(const QString& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                         bool strikeOut)
    : font_(withQtRuntime(face, height, weight, italic, underline, strikeOut))
    , metrics_(font_)
    , ascent_(metrics_.ascent())
    , descent_(metrics_.descent())
{
    latin_.fill(-1.0f);
}

std::shared_ptr<const FontMetrics> FontMetrics::of(const LogFont& f)
{
    // Only what the measurements depend on makes the key.
    std::string key(f.faceName.data(), f.faceName.size());
    for (std::int32_t v : {f.height, f.weight, std::int32_t(f.italic), std::int32_t(f.underline),
                           std::int32_t(f.strikeOut)})
        key.append(reinterpret_cast<const char*>(&v), sizeof v);
    static std::unordered_map<std::string, std::shared_ptr<const FontMetrics>> known;
    if (known.size() > 256)
        known.clear();
    auto& metrics = known[key];
    if (!metrics)
        metrics = std::make_shared<FontMetrics>(f);
    return metrics;
}

double FontMetrics::advance(char16_t c) const
{
    if (c < latin_.size()) {
        float& slot = latin_[c];
        if (slot < 0)
            slot = float(metrics_.horizontalAdvance(QChar(c)));
        return slot;
    }
    auto it = other_.find(c);
    if (it == other_.end())
        it = other_.emplace(c, QChar::isSurrogate(c) ? 0.0 : metrics_.horizontalAdvance(QChar(c))).first;
    return it->second;
}

std::vector<std::int32_t> FontMetrics::advances(const std::u16string& text) const
{
    std::vector<std::int32_t> dx;
    dx.reserve(text.size());
    double exact = 0;
    std::int64_t placed = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        double a;
        if (QChar::isHighSurrogate(text[i]) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1]))
            a = metrics_.horizontalAdvance(QString::fromUtf16(&text[i], 2));
        else
            a = advance(text[i]);
        exact += a;
        const std::int64_t next = std::llround(exact);
        dx.push_back(std::int32_t(next - placed));
        placed = next;
    }
    return dx;
}

} // namespace kelvppvw::gdi
