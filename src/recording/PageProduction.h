#pragma once
// One page production of a preview run: the host's print data object is
// created by class name, given everything it needs, and draws every page by
// calling the viewer back; the progress operations it calls keep the page
// counters and paint the progress panel.
#include "platform/automation/AutomationError.h"
#include "platform/automation/Dispatch.h"
#include "recording/ProgressPanel.h"
#include "recording/RecordingHooks.h"
#include "settings/ViewerSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvppvw {

class Image;
class PictureBox;

// Page counters of the run.
extern std::int32_t glThePrintingPage; // page being recorded: the number CreateNewEMF writes
extern std::int32_t glMovingPage;      // page shown, 1-based
extern std::int32_t glHighPage;        // last page, which is the page count
// Names of the run (see RunStamp): page files carry the stamp, Cleanup.ini lists the key.
extern std::string gsPageStamp;
extern std::string gsStampKey;

// The page file of this run with that number.
std::string RunPageFile(std::int32_t page);

// What production needs from the viewer window above it.
struct ProductionSite {
    std::function<ObjectRef()> viewer; // the Parent given to the print data object
    PictureBox* picBack = nullptr;
    PictureBox* picDraw = nullptr;
    Image* imgP = nullptr;
    const ViewerSettings* settings = nullptr;
    std::function<std::string()> listText, titleText;
    std::function<void(const std::string&)> setListText;
    std::function<void(bool hold)> holdRulerRedraw;
    std::function<void()> resetPageStatus, addATab, layoutScrollArea;
    std::function<std::int32_t()> graphicsCount;
    std::function<std::int32_t(std::uint8_t index)> printerMargin;
    std::function<void(std::int32_t& width, std::int32_t& height)> physicalPageSize;
    std::function<ProgressTexts()> texts;
    std::function<void(const std::string& text)> errorBox;
    std::function<void()> pagesProduced; // sets the viewer's mbPagesProduced
    std::function<bool()> viewerOpen;    // false once the viewer was closed
};

class PageProduction {
public:
    explicit PageProduction(ProductionSite site);

    // Registers PagesStart, PageAdded, PageFinished and PagesComplete.
    void declareOn(const std::function<void(std::string, std::function<Variant(Args&)>)>& addMethod);

    void ProducePages();
    void GPrintPreView(PictureBox& surface, std::string& listText, const std::string& titleText);

    void PagesStart(std::int32_t thePrintingPage, std::int32_t movingPage, std::int32_t highPage);
    void PageAdded(std::int32_t page);
    void PageFinished(std::int32_t pageFinished);
    void PagesComplete(std::int32_t thePrintingPage, std::int32_t movingPage);

    // Esc while the print data object exists: asks it to stop.
    void CancelProduction();

    ProgressPanel& progress() { return progress_; }

private:
    void showProductionError(const AutomationError& failure);
    RecordingHooks hooks() const;
    bool viewerClosed() const { return site_.viewerOpen && !site_.viewerOpen(); }

    ProductionSite site_;
    ProgressPanel progress_;
};

} // namespace kelvppvw
