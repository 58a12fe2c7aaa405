#include "platform/UserMessage.h"

#include <cstring>

namespace zeku {

UserMessage systemErrorMessage(int errorNumber)
{
    return UserMessage{MessageId::SystemError, {std::to_string(errorNumber)}, std::strerror(errorNumber)};
}

UserMessage systemErrorMessage(const std::error_code& ec)
{
    return UserMessage{MessageId::SystemError, {std::to_string(ec.value())}, ec.message()};
}

} // namespace zeku
