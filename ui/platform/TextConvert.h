#pragma once
// The display edge of the CP932 text model: CP932 bytes become QString for the
// widgets, and text the user typed becomes CP932 only when nothing is lost.

#include <QString>

#include <string>

namespace zeku {

// CP932 bytes as a QString for display; invalid bytes show as U+FFFD.
QString toQString(const std::string& cp932);

// The user's text as CP932. Returns false, leaving `out` untouched, when the
// text holds a character CP932 cannot represent; that character is then
// stored in `offendingChar` so the caller can name it in its message.
bool fromQStringStrict(const QString& text, std::string& out, QString& offendingChar);

// The message a dialog shows when fromQStringStrict refused `offendingChar`.
QString unrepresentableCharMessage(const QString& offendingChar);

} // namespace zeku
