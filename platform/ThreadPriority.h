#pragma once
// Search threads run below normal priority so that a long search does not
// make the desktop sluggish.

namespace zeku {

// Lowers the calling thread's priority by a few steps (never above the lowest).
void lowerThisThreadsPriority();

} // namespace zeku
