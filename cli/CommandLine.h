#pragma once
// What both command-line tools share on their command line: --help and
// --version, the message for an unknown option, and the folders they use when
// --dat or --user is not given (the same rules as the desktop program).

#include <string>

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
// anything written could not be (a full disk, a closed pipe).
bool finishStandardOutput(const char* tool);

} // namespace zeku::cli
