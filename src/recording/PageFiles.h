#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "recording/PageFolder.h"
#include "recording/RecordingHooks.h"

namespace kelvppvw {

// Deletes every page file of the run: regular files directly in the page
// folder (followed when it is a link, as recording follows it) named exactly
// "Page_<stamp>_<page>.emf". A stamp that is not shaped like one deletes
// nothing; links, folders and files of other stamps are never touched. The
// busy pointer shows only while something is deleted; a failure is reported
// through the error box ("Error: <n>\r\n<text>\r\nRemoveAllPages") after the
// rest has been deleted. True when no page file of the run is left, so the
// caller knows whether its clean-up entry may go.
bool RemoveAllPages(const PageFolder& folder, std::string_view stamp, const RecordingHooks& hooks = {});

// The same for several runs with one scan of the folder; each run is handled
// (pointer, error box) as a call of its own would. One answer per stamp.
std::vector<bool> RemoveAllPages(const PageFolder& folder, const std::vector<std::string>& stamps,
                                 const RecordingHooks& hooks = {});

// The error box of a failed page-file removal: "Error: <n>\r\n<text>\r\nRemoveAllPages".
void ReportRemovalError(const RecordingHooks& hooks, int err);

}  // namespace kelvppvw
