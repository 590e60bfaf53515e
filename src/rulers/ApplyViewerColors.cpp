#include "rulers/ApplyViewerColors.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Shape.h"

namespace kelvppvw {

void ApplyViewerColors(const ViewerColorTargets& t, const ViewerSettings& settings)
{
    const auto color = [&](std::size_t entry) { return static_cast<std::uint32_t>(settings[entry]); };
    const std::uint32_t shadow = color(ViewerSetting::Color3), back = color(ViewerSetting::Color4),
                        fore = color(ViewerSetting::Color5);
    stopSilently([&] {
        t.shpS->SetBackColor(shadow);
        t.shpS->SetBorderColor(shadow);
        t.shpS->SetFillColor(shadow);
        t.picList->SetBackColor(back);
        t.picList->SetForeColor(fore);
        t.picBack->SetBackColor(back);
        t.picBack->SetForeColor(fore);
        t.picBack->SetFillColor(fore);
        t.lstPage->SetBackColor(back);
        t.lstPage->SetForeColor(fore);
        t.picCan->SetBackColor(back);
        t.picCan->SetForeColor(fore);
        for (std::int16_t i = 0; i <= 4; ++i)
            (*t.lblCP)(i).SetForeColor(fore);
    });
}

} // namespace kelvppvw
