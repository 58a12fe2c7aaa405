#pragma once
// Helpers shared by the fuzz targets: a scratch folder private to the process,
// the small catalogue the list readers match names against, and invariant checks.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "search/ItemSets.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace zeku::fuzz {

// A folder of this process under the system's temporary folder (TMPDIR is
// honoured), created on first use and removed when the process exits normally.
const std::filesystem::path& scratchFolder();

// Replaces `file` with exactly the `size` bytes at `data`. Aborts when it cannot:
// a run that never sees its input tests nothing.
void writeInput(const std::filesystem::path& file, const uint8_t* data, std::size_t size);

// Removes `file`, so that no input outlives its run.
void removeInput(const std::filesystem::path& file);

// A small catalogue with names that share prefixes, double-byte names whose
// second byte is 0x5C, pieces that differ only in sex, and a leg piece whose
// name begins with "[Jewel]".
const MasterData& listCatalogue();

// Every entry of `set` is a record of `master`, filed under its part and key.
void checkPiecesBelongTo(const SPartSet& set, const MasterData& master);

// The weapon, every piece (in its own part) and every jewel of `set` are
// records of `master`.
void checkSetBelongsTo(const EquipSet& set, const MasterData& master);

// Ends the run as a crash: a reader broke one of its own promises.
[[noreturn]] void invariantFailed(const char* what, const char* file, int line);

} // namespace zeku::fuzz

#define ZEKU_FUZZ_CHECK(cond) ((cond) ? void(0) : ::zeku::fuzz::invariantFailed(#cond, __FILE__, __LINE__))
