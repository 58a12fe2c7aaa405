#pragma once
// The one way a whole user file of the user folder is saved: one writer at a
// time in the folder, and the file replaced only by a complete new one.

#include <filesystem>
#include <functional>

namespace zeku {

class SafeTextWriter;
class UserFolder;

// Creates the user folder and takes its lock (a refusal is reported); with the
// lock held, asks `mayReplace` (when given: false ends the save, nothing
// written), clears the temporary files killed saves left, writes
// `writeContent` to a temporary file, renames it over `file` and then runs
// `afterReplace` (when given). True when `file` now holds what was written;
// every failure is reported through the error reporter.
bool saveUserFileLocked(const UserFolder& folder, const std::filesystem::path& file,
                        const std::function<void(SafeTextWriter&)>& writeContent,
                        const std::function<bool()>& mayReplace = {}, const std::function<void()>& afterReplace = {});

} // namespace zeku
