#pragma once

#include "platform/automation/DispatchObject.h"

#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

class PictureSource;

// Pictures of one size, found by 1-based index or by key (toolbar images).
class ImageList : public DispatchObject {
public:
    ImageList();

    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    void SetImageSize(int width, int height);
    // Raises 35602 when the key is taken.
    void Add(std::string key, std::shared_ptr<PictureSource> picture);
    int Count() const { return static_cast<int>(images_.size()); }
    // By key (a String) or 1-based index (a number); null when there is none.
    std::shared_ptr<PictureSource> Find(const Variant& keyOrIndex) const;

private:
    struct Entry {
        std::string key;
        std::shared_ptr<PictureSource> picture;
    };
    std::vector<Entry> images_;
    int width_ = 16, height_ = 16;
};

} // namespace kelvppvw
