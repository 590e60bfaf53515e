#pragma once

#include "host/LiveObjects.h"
#include "host/PictureTypeConstants.h"
#include "platform/automation/DispatchObject.h"

namespace kelvppvw {

// One picture the host wants on its pages: where, how large, and the picture
// object itself. A plain record; the component reads it when it draws.
class Graphic : public DispatchObject {
public:
    Graphic();

    std::string Name;
    int32_t PictureType = ptNone;
    ObjectRef Picture;  // a picture object; bitmaps and icons are drawn
    float Left = 0;     // page pixels
    float Top = 0;      // page pixels
    float Width = 0;    // twips
    float Height = 0;   // twips
    bool AutoScale = false;

private:
    LiveObjects alive_;
};

} // namespace kelvppvw
