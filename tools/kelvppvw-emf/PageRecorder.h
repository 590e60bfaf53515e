#pragma once
// The page drawing operations a print data object calls on its Parent, by
// name, forwarded to the metafile toolkit: what the preview viewer offers,
// without a window. Pages are written as DIR/Page_<n>.emf.
#include <kelvppvw/kelvppvw.h>

#include "platform/gdi/Picture.h"
#include "recording/MetafileToolkit.h"

#include <string>
#include <vector>

class PageRecorder : public kelvppvw::DispatchObject {
public:
    struct Graphic {
        std::shared_ptr<kelvppvw::Picture> picture;
        std::int32_t left = 0, top = 0, width = 0, height = 0;
        bool autoScale = false;
    };

    // `widthTwips` x `heightTwips` is the recording surface (the page).
    PageRecorder(std::string directory, double widthTwips, double heightTwips);
    ~PageRecorder() override;

    // The print data object whose DrwHwnd follows each new page.
    std::shared_ptr<kelvppvw::Dispatch> printDataObject;
    // What DrawGraphics draws.
    std::vector<Graphic> graphics;

    const std::vector<std::string>& pageFiles() const { return files_; }

private:
    std::string directory_;
    kelvppvw::PageSurface surface_;
    std::int32_t page_ = 0;
    std::int32_t milliWait_ = 0;
    std::vector<std::string> files_;
};
