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

} // namespace zeku::cli
