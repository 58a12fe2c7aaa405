#include "platform/AppIdentity.h"

namespace zeku {

const char* const kVersionText = ZEKU_VERSION_TEXT;

} // namespace zeku
