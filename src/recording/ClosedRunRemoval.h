#pragma once
// Removing the run of a viewer that closes: its page files, then its entry in
// the clean-up list once none of them is left.
#include <cstddef>
#include <string>

#include "recording/PageFolder.h"
#include "recording/RecordingHooks.h"

namespace kelvppvw {

// A run of up to InlineRemovals files is removed before this returns, as
// RemoveAllPages removes it (hourglass, error box), and then its entry. Of a
// longer run the first InlineRemovals files go here, so that a folder that
// refuses deletes is still told at once; the rest go on a worker thread, which
// deletes the entry when it is done: the kernel spends about 10 µs on each
// delete, which the closing window should not wait for. Until then the entry
// stays listed, so a process that dies first leaves the files to a later
// run's purge.
void RemoveClosedRun(const PageFolder& folder, const std::string& stamp, const std::string& key,
                     const RecordingHooks& hooks = {});

// Returns once no run is being removed on the worker; a failure there is
// reported now through hooks, as RemoveAllPages reports it. Called before a
// preview starts; a process that exits normally waits for the worker too.
void FinishClosedRunRemoval(const RecordingHooks& hooks = {});

inline constexpr std::size_t InlineRemovals = 128;

}  // namespace kelvppvw
