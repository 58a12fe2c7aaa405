// zeku-data: the stored favourites and search history from the command line.
//
//   zeku-data [--dat DIR] [--user DIR] history                 position, title, comment
//   zeku-data [--dat DIR] [--user DIR] history show N [--json] condition and restored results
//   zeku-data [--dat DIR] [--user DIR] favorites               position, title, sex, job, comment
//   zeku-data [--dat DIR] [--user DIR] favorites show N [--json]
//   zeku-data [--dat DIR] [--user DIR] paths                   the folders in use
//
// Output is UTF-8 with "\n" line ends; messages go to standard error.

#include "cli/zeku_data.h"

#include "cli/CommandLine.h"
#include "platform/ErrorReport.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace zeku::data_cli;

constexpr const char* kUsage =
    "usage: zeku-data [--dat DIR] [--user DIR] ((history | favorites) [show N [--json]] | paths)";

// Messages of the core on standard error, in UTF-8 with "\n" line ends.
class CliErrorReporter final : public zeku::ErrorReporter {
public:
    void reportFileError(const std::string& fileName, const std::string& cause) override
    {
        std::cerr << fileName << ": " << cause << '\n';
    }
    void reportErrorMessage(const std::string& message) override
    {
        std::string text;
        for (std::size_t i = 0; i < message.size(); ++i)
            if (!(message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n'))
                text.push_back(message[i]);
        std::cerr << text;
        if (text.empty() || text.back() != '\n')
            std::cerr << '\n';
    }
};

// A position: decimal digits only, within int range.
bool parsePosition(const std::string& text, int& position)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    position = std::stoi(text);
    return true;
}

// What the command line asks for beyond a command.
enum class Request { Command, Help, Version };

bool parseArguments(int argc, char** argv, Options& options, Request& request, std::string& unknownOption)
{
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dat" || arg == "--user") {
            if (i + 1 >= argc)
                return false;
            (arg == "--dat" ? options.datDir : options.userDir) = argv[++i];
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--help" || arg == "--version") {
            request = arg == "--help" ? Request::Help : Request::Version;
            return true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            // "-1" is a position out of range rather than an option.
            if (arg[1] < '0' || arg[1] > '9')
                unknownOption = arg;
            return false;
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() == 1 && words[0] == "paths") {
        options.command = words[0];
        return !options.json;
    }
    if (words.empty() || (words[0] != "history" && words[0] != "favorites"))
        return false;
    options.command = words[0];
    if (words.size() == 1)
        return !options.json;
    if (words.size() != 3 || words[1] != "show")
        return false;
    options.show = true;
    return parsePosition(words[2], options.position);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    Request request = Request::Command;
    std::string unknownOption;
    if (!parseArguments(argc, argv, options, request, unknownOption)) {
        if (!unknownOption.empty())
            std::cerr << zeku::cli::unknownOptionMessage("zeku-data", unknownOption) << '\n';
        else
            std::cerr << kUsage << '\n';
        return kExitUsage;
    }
    zeku::cli::keepRunningWhenOutputCloses();
    if (request != Request::Command) {
        if (request == Request::Help)
            std::cout << zeku::cli::kZekuDataHelp;
        else
            zeku::cli::printVersion("zeku-data");
        return zeku::cli::statusAfterOutput("zeku-data", kExitOk, kExitLoadFailed);
    }
    zeku::cli::resolveFolders(options.datDir, options.userDir);
    CliErrorReporter reporter;
    zeku::setErrorReporter(&reporter);
    int status;
    if (options.command == "paths")
        status = printPaths(options, std::cout);
    else if (options.command == "history")
        status = options.show ? showHistory(options, std::cout, std::cerr) : listHistory(options, std::cout);
    else
        status = options.show ? showFavorite(options, std::cout, std::cerr) : listFavorites(options, std::cout);
    status = zeku::cli::statusAfterOutput("zeku-data", status, kExitLoadFailed);
    zeku::setErrorReporter(nullptr);
    return status;
}
