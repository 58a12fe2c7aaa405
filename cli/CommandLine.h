#pragma once
// What both command-line tools share on their command line: --help and
// --version, the message for an unknown option, and the folders they use when
// --dat or --user is not given (the same rules as the desktop program).

#include <atomic>
#include <string>
#include <string_view>

namespace zeku::cli {

// Help texts printed by --help.
extern const char* const kZekuSearchHelp;
extern const char* const kZekuDataHelp;

// "TOOL VERSION" on standard output.
void printVersion(const char* tool);

// "TOOL: unknown option OPTION (TOOL --help lists the options)".
std::string unknownOptionMessage(const char* tool, const std::string& option);

// Fills an empty `datDir` or `userDir` with the folder the program would use.
void resolveFolders(std::string& datDir, std::string& userDir);

// Lets writes to a closed standard output fail instead of ending the process
// (SIGPIPE is ignored), so that a save that follows the output still runs; a
// standard descriptor started closed is held by /dev/null (read-only for
// standard output, so writes to it still fail).
void keepRunningWhenOutputCloses();

// Flushes standard output (the C stream and std::cout). False, with
// "TOOL: standard output: CAUSE (the output was cut)" on standard error, when
// anything written could not be (a full disk, a closed pipe), through the C
// stream or writeStandardOutput. The message is given once; a later call
// gives false again without repeating it.
bool finishStandardOutput(const char* tool);

// The exit status of a mode of `tool` that ended with `status`: `cutStatus`
// instead of a success when standard output was cut (finishStandardOutput).
// Every mode of both tools ends through it.
int statusAfterOutput(const char* tool, int status, int cutStatus);

// Writes `text` to standard output (flushing the C stream first) in pieces
// that a pipe takes without blocking, waiting for room at most 0.1 s at a
// time, so that Ctrl-C stops a print into a slow or stalled reader.
// False, with nothing more written, once `interrupted` is non-zero or a write
// failed; a failure is reported by finishStandardOutput.
bool writeStandardOutput(std::string_view text, const std::atomic<int>& interrupted);

// A piece of user input as messages echo it: at most kEchoedCharacters UTF-8
// characters, a longer text cut there and marked with "…", so that a huge
// value gives a short message.
constexpr std::size_t kEchoedCharacters = 80;
std::string echoed(std::string_view utf8);

} // namespace zeku::cli
