#pragma once
// How the core tells the user that a file could not be written or read.
//
// The core never shows a window: it hands the file name and the cause to the
// installed reporter. The GUI installs one that shows a message box on the UI
// thread; the command-line tools keep the default, which writes to stderr.

#include "platform/UserMessage.h"

#include <string>

namespace zeku {

// The cause reported when a saved-data index that a save must update cannot
// be read (the text of MessageId::UnreadableIndex).
inline constexpr const char* kUnreadableIndexCause = "the index cannot be read";

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // `fileName` is the path as the program knows it; `cause` a sentence in UTF-8.
    virtual void reportFileError(const std::string& fileName, const std::string& cause) = 0;
    // A modal error message (UTF-8), such as the list of items a load could not
    // find. The caller never waits for the user; what it tells its owner
    // afterwards reaches the owner after the message.
    virtual void reportErrorMessage(const std::string& message) = 0;
    // The same, for a message a window can word in its own language: a
    // reporter that shows only the core's text keeps these defaults. The core
    // reports through these two only.
    virtual void reportFileMessage(const std::string& fileName, const UserMessage& cause)
    {
        reportFileError(fileName, cause.text);
    }
    virtual void reportMessage(const UserMessage& message) { reportErrorMessage(message.text); }
};

// The reporter in force; never null.
ErrorReporter& errorReporter();

// Installs `reporter` (nullptr restores the stderr default). Not thread-safe:
// install before workers start.
void setErrorReporter(ErrorReporter* reporter);

} // namespace zeku
