#include "recording/ProgressPanel.h"

#include "platform/forms/PictureBox.h"

#include <cstdio>

namespace kelvppvw {

namespace {

std::string twoDecimals(double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}

} // namespace

std::vector<std::string> ProgressPanelLines(std::int32_t page, std::int32_t physicalWidth,
                                            std::int32_t physicalHeight, const ProgressTexts& texts)
{
    std::vector<std::string> lines{"", " " + texts.numberOfPages + "..." + std::to_string(page)};
    if ((physicalWidth < 600 || physicalHeight < 600) && page > 500) {
        lines.push_back("");
        lines.push_back(" " + texts.pageTooSmall + "...");
        lines.push_back(" " + twoDecimals(physicalWidth / 180.0) + " x " + twoDecimals(physicalHeight / 180.0));
    }
    if (page > 500) {
        lines.push_back("");
        lines.push_back(" " + texts.excessivePreview + "...ESC " + texts.toStop);
    }
    return lines;
}

ProgressPanel::ProgressPanel(Site site) : site_(std::move(site)) {}

void ProgressPanel::pageAdded(std::int32_t page)
{
    held_ = page;
    if (!painted_ || site_.now() - last_ >= FrameInterval)
        flush();
}

void ProgressPanel::flush()
{
    if (held_ == 0)
        return;
    const std::int32_t page = held_;
    held_ = 0;
    paint(page);
}

void ProgressPanel::cleared()
{
    held_ = 0;
    shown_ = 0;
}

void ProgressPanel::paint(std::int32_t page)
{
    painted_ = true;
    last_ = site_.now();
    ++paints_;
    PictureBox& panel = *site_.panel;
    const ViewerSettings& s = *site_.settings;
    const auto color = [&](std::size_t entry) { return static_cast<std::uint32_t>(s[entry]); };
    panel.Line(0, 0, panel.ScaleWidth(), panel.ScaleHeight(), color(ViewerSetting::Color4), LineBox::BoxFilled);
    panel.SetCurrentX(0);
    panel.SetCurrentY(0);
    std::int32_t width = 0, height = 0;
    site_.physicalPageSize(width, height);
    for (const std::string& line : ProgressPanelLines(page, width, height, site_.texts())) {
        if (line.empty()) {
            panel.Print();
            continue;
        }
        // The shadow falls 15 twips right of and below the text.
        panel.SetForeColor(color(ViewerSetting::Color3));
        panel.SetCurrentX(15);
        panel.Print(line, false);
        panel.SetForeColor(color(ViewerSetting::Color5));
        panel.SetCurrentX(0);
        panel.SetCurrentY(panel.CurrentY() - 15);
        panel.Print(line, true);
    }
    shown_ = page;
}

} // namespace kelvppvw
