#pragma once

#include "components/ruler/FontDescription.h"
#include "platform/automation/DispatchObject.h"

namespace kelvppvw {

// A plain font object (Name, Size, Bold, Italic, Underline, Strikethrough)
// for hosts that have none of their own to hand to the ruler's font
// properties. Created by class name as kelvRule.Font.
class FontObject : public DispatchObject {
public:
    explicit FontObject(FontDescription description = {});

    const FontDescription& description() const { return d_; }

private:
    FontDescription d_;
};

} // namespace kelvppvw
