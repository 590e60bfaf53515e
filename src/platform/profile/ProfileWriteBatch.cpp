#include "platform/profile/ProfileWriteBatch.h"

#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileFile.h"

namespace kelvppvw {

namespace {
// A batch gathers its own thread's writes: another thread writing meanwhile
// (the clean-up list, say) writes its file at once, as without a batch.
thread_local ProfileWriteBatch* innermost = nullptr;
}

ProfileWriteBatch::ProfileWriteBatch(std::string file) : file_(std::move(file)), outer_(innermost)
{
    innermost = this;
}

ProfileWriteBatch::~ProfileWriteBatch()
{
    commit();
    innermost = outer_;
}

ProfileWriteBatch* ProfileWriteBatch::openFor(const std::string& file)
{
    for (ProfileWriteBatch* b = innermost; b; b = b->outer_)
        if (b->file_ == file)
            return b;
    return nullptr;
}

void ProfileWriteBatch::add(std::string section, std::optional<std::string> key, std::optional<std::string> value)
{
    writes_.push_back({std::move(section), std::move(key), std::move(value)});
}

bool ProfileWriteBatch::commit()
{
    if (writes_.empty())
        return true;
    const std::vector<Write> writes = std::move(writes_);
    writes_.clear();
    return ProfileFile::update(file_, [&](IniDocument& doc, bool exists) {
        bool changed = false;
        for (const Write& w : writes) {
            const auto edit = ApplyProfileWrite(doc, exists, w.section, w.key, w.value);
            changed = changed || edit == ProfileFile::Edit::Changed;
        }
        return changed ? ProfileFile::Edit::Changed : ProfileFile::Edit::Unchanged;
    });
}

}  // namespace kelvppvw
