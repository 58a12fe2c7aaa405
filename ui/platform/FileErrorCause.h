#pragma once
// The cause line of a file-error message in the windows' language. The core
// reports a failed call of the system with its errno (MessageId::SystemError);
// the causes a user can act on are worded here, the rest keep the system's
// own text, in the one place every file-error cause is built from.

#include <QString>

namespace zeku {

// The cause for `errorNumber` when it is a known one, else `systemText`.
QString fileErrorCauseText(int errorNumber, const QString& systemText);

// The cause when a saved-data index that a save must update cannot be read.
QString unreadableIndexText();

} // namespace zeku
