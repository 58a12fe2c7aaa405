#pragma once
// The words of a message the core made, in the windows' language: built from
// the message's id and arguments. In Japanese it is the core's own text.

#include "platform/UserMessage.h"

#include <QString>

namespace zeku {

QString coreMessageText(const UserMessage& message);

} // namespace zeku
