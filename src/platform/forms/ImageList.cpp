#include "platform/forms/ImageList.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/PictureSource.h"

namespace kelvppvw {

ImageList::ImageList() {
    property("ImageWidth", [this] { return Variant(static_cast<int32_t>(width_)); });
    property("ImageHeight", [this] { return Variant(static_cast<int32_t>(height_)); });
    property("Count", [this] { return Variant(static_cast<int32_t>(Count())); });
}

void ImageList::SetImageSize(int width, int height) {
    if (width < 1 || height < 1)
        throw AutomationError(err::InvalidPropertyValue);
    width_ = width;
    height_ = height;
}

void ImageList::Add(std::string key, std::shared_ptr<PictureSource> picture) {
    if (!picture)
        throw AutomationError(err::ObjectNotSet);
    if (!key.empty())
        for (const auto& e : images_)
            if (e.key == key)
                throw AutomationError(err::KeyNotUnique, "Key is not unique in collection");
    images_.push_back({std::move(key), std::move(picture)});
}

std::shared_ptr<PictureSource> ImageList::Find(const Variant& keyOrIndex) const {
    if (keyOrIndex.isEmpty())
        return nullptr;
    if (keyOrIndex.type() == Variant::Type::String) {
        for (const auto& e : images_)
            if (e.key == keyOrIndex.toString())
                return e.picture;
        return nullptr;
    }
    const int32_t i = keyOrIndex.toLong();
    if (i < 1 || i > Count())
        return nullptr;
    return images_[i - 1].picture;
}

} // namespace kelvppvw
