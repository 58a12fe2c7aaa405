#pragma once
// The application's name as it appears in message-box captions and in the
// header of the clip text.

namespace zeku {

// Title shown as every message box's caption and at the start of the clip text.
inline constexpr const char* kAppTitle = "ZEKU";

} // namespace zeku
