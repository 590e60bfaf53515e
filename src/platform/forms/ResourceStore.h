#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace kelvppvw {

class RasterPicture;

// The component's string table, cursors and pictures, read from a Qt
// resource folder:
//   strings.txt   one "id<TAB>text" per line (\r \n \t \\ escapes; # comments)
//   cursors.txt   "id<TAB>file<TAB>hotX<TAB>hotY", file relative to the folder
//   pictures.txt  "id<TAB>file"
// A file's double-size twin (name@2x.png) is taken along when it is there.
// A missing id raises 326.
class ResourceStore {
public:
    // The component's own resources live under ":/kelvppvw".
    explicit ResourceStore(std::string root = ":/kelvppvw");
    static const ResourceStore& standard();

    std::string LoadResString(int id) const;
    std::shared_ptr<RasterPicture> LoadResCursor(int id) const;
    std::shared_ptr<RasterPicture> LoadResPicture(int id) const;

private:
    struct Entry {
        std::string text; // the string, or the file of a cursor or picture
        int hotX = -1, hotY = -1;
    };
    using Table = std::map<int, Entry>;
    const Table& table(const std::string& file, Table& cache, bool& loaded) const;
    const Entry& find(const Table& table, int id) const;
    std::shared_ptr<RasterPicture> load(int id, const std::string& file, int16_t type) const;

    std::string root_;
    mutable Table strings_, cursors_, pictures_;
    mutable bool stringsLoaded_ = false, cursorsLoaded_ = false, picturesLoaded_ = false;
    mutable std::map<int, std::shared_ptr<RasterPicture>> loadedCursors_;
};

} // namespace kelvppvw
