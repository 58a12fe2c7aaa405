#pragma once
// Telling the user which saved file is damaged, and where.
//
// A file that does not read as this program writes it is never shown as if it
// were fine: the load fails and the message names the file and, where there is
// one, the line.

#include <filesystem>
#include <optional>

namespace zeku {

class SavedFileIndex;

// Reports `file` as damaged at `line` (1-based; 0 when no single line is at fault).
void reportDamagedFile(const std::filesystem::path& file, int line);

// The native path of the file listed at `position` of `index`, when it may be
// opened: inside the user folder and not a folder, device or link. Otherwise the entry
// is reported as damaged and nullopt returned. A file that does not exist is
// left to the opening, which reports it.
std::optional<std::filesystem::path> openableEntryFile(const SavedFileIndex& index, int position);

} // namespace zeku
