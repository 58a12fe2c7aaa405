#pragma once
// The cause line of a file-error message in Japanese. The core reports causes
// as the C library's English texts (strerror, std::error_code) or its own
// English phrases; the message boxes are Japanese, so the common causes are
// translated here, in the one place every file-error text is built from.

#include <QString>

#include <string>

namespace zeku {

// `cause` in Japanese when it is a known cause, else `cause` unchanged.
QString fileErrorCauseText(const std::string& cause);

} // namespace zeku
