#pragma once
// The options a stored search was made with, read from its history file
// without the master data: the organiser lists them beside each entry and
// must not load (or report on) every saved search to do so.

#include "userfiles/SavedFileIndex.h"

namespace zeku {

// Whether the history file listed at `position` of `index` holds
// "ExactJewel=1" in its [Option] section with jewels on in [Condition], read
// the way the history reader reads them: exact fitting only with jewels. Quiet: an entry whose file is missing, unreadable or
// outside the user folder counts as not exact; loading it reports the fault.
bool historyEntryUsesExactJewels(const SavedFileIndex& index, int position);

} // namespace zeku
