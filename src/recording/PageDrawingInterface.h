#pragma once
// The viewer's public drawing operations, reached by name by the host's print
// data object (through its Parent). Each forwards to the metafile toolkit;
// none reports failure, and with no page open they draw nothing.
#include "platform/automation/Dispatch.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kelvppvw {

class Image;
class PictureBox;

struct DrawingSite {
    PictureBox* picFullScale = nullptr; // the page's reference surface
    PictureBox* picDraw = nullptr;      // the screen surface PrintPBthis prints on
    Image* imgP = nullptr;
    // The Graphics collection of the preview object (Count, Item(i)), or none.
    std::function<ObjectRef()> graphics;
    // Hands a font object to both rulers as their PageFont.
    std::function<void(const ObjectRef& font)> setRulerPageFont;
};

class PageDrawingInterface {
public:
    explicit PageDrawingInterface(DrawingSite site);
    ~PageDrawingInterface();

    // Registers every drawing operation under its public name.
    void declareOn(const std::function<void(std::string, std::function<Variant(Args&)>)>& addMethod);

    void CreateNewEMF();
    void CloseOnOutEMF();
    void PrintPBthis(std::int32_t x, std::int32_t y, const std::string& text, std::uint8_t sameLine);
    void DrawGraphics(bool doDraw);

private:
    std::int32_t referenceDC();

    DrawingSite site_;
    std::int32_t screenDC_ = 0; // stands in while the surface has no DC of its own
};

} // namespace kelvppvw
