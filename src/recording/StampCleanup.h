#pragma once

#include <string_view>
#include <vector>

#include "platform/profile/IniDocument.h"

#include "recording/PageFolder.h"
#include "recording/RecordingHooks.h"

namespace kelvppvw {

// Removes from the clean-up list, and from the page folder, every run whose
// stamp is 12 or more calendar hours old. Never stops at a bad entry: the
// ones after it are still examined. An entry whose date cannot be read stays
// listed; one whose value is not a stamp is delisted but deletes no file; one
// whose files could not all be deleted stays listed for the next run.
void PurgeStaleStamps(const PageFolder& folder, const RecordingHooks& hooks = {});

// The clean-up list's entries as the purge reads them: key and value with
// blanks around "=" trimmed; lines without "=" are no entries.
std::vector<IniDocument::Entry> ListedRuns(const PageFolder& folder);

// Deletes one run's key from the clean-up list.
void RemoveStampEntry(const PageFolder& folder, std::string_view key);

}  // namespace kelvppvw
