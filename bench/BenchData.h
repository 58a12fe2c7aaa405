#pragma once
// Master data for the benchmarks: the sample generator's output at a scale.

#include "data/MasterData.h"

namespace zeku {

// Generated once per scale into a scratch folder and loaded; scale 1 is the bundled sample.
const MasterData& dataAtScale(int scale);

} // namespace zeku
