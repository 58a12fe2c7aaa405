#pragma once
// The program's name and version as it shows them: message-box captions, the
// window title, the clip text, --version, and the "Version=" line of every
// user file.

namespace zeku {

// Title shown as every message box's caption and at the start of the clip text.
inline constexpr const char* kAppTitle = "ZEKU";

// The version text, as the build names it (project(VERSION) in CMakeLists.txt).
extern const char* const kVersionText;

} // namespace zeku
