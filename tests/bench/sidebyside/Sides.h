#pragma once
#include "Measure.h"

namespace sidebyside {

// Each runs in a child process of its own, so that its peak memory is its own.
Figures runQtSide(int pages);
Figures runOurSide(int pages);

} // namespace sidebyside
