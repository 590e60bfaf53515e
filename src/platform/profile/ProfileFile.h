#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/profile/IniDocument.h"

namespace kelvppvw {

// The only place where profile files meet the file system. Reads share one
// parsed snapshot per unchanged file; writes run read-modify-write under an
// advisory lock on "<file>.lock" (the file itself is replaced by rename, so it
// cannot carry the lock) and replace the file atomically, so concurrent
// writers in other processes lose nothing and readers never see half a file.
// A path that is a symbolic link is written through: the file it points to
// changes, the link stays. A file we may not write is never changed. In a
// folder that takes no new file the file is edited in place under its own
// lock, after claiming the room it will need.
class ProfileFile {
public:
    enum class Edit { Unchanged, Changed, Refused };
    // exists tells whether the file was there; the document is empty if not.
    using Editor = std::function<Edit(IniDocument& doc, bool exists)>;

    // nullptr when the file is missing or cannot be read as a file.
    static std::shared_ptr<const IniDocument> load(const std::string& path);

    // Every write goes through here; several edits in one editor call cost
    // one locked rewrite. False when the editor refuses or the file cannot be
    // locked, read or written; the file on disk is then exactly what it was.
    static bool update(const std::string& path, const Editor& editor);

    // How many times a file has been parsed since start; lets a test prove
    // that repeated reads of an unchanged file reuse the parse.
    static std::size_t parseCount();
    static void clearCache();
};

}  // namespace kelvppvw
