#include "platform/forms/Frame.h"

#include "platform/forms/FrameWidget.h"
#include "platform/forms/NativeConvert.h"

namespace kelvppvw {

Frame::Frame() {
    auto* box = new FrameWidget(*this);
    setWidget(box);
    box->setAutoFillBackground(true);
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
}

Frame::~Frame() {
    if (auto* w = native<FrameWidget>())
        w->detach();
}

void Frame::SetCaption(const std::string& caption) {
    caption_ = caption;
    native<FrameWidget>()->setTitle(qs(caption));
}

} // namespace kelvppvw
