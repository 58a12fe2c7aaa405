// zeku-data: the stored favourites and search history from the command line.
//
//   zeku-data [--dat DIR] [--user DIR] history                 position, title, comment
//   zeku-data [--dat DIR] [--user DIR] history show N [--json] condition and restored results
//   zeku-data [--dat DIR] [--user DIR] favorites               position, title, sex, job, comment
//   zeku-data [--dat DIR] [--user DIR] favorites show N [--json]
//
// Output is UTF-8 with "\n" line ends; messages go to standard error.

#include "cli/zeku_data.h"

#include "platform/ErrorReport.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace zeku::data_cli;

constexpr const char* kUsage =
    "usage: zeku-data [--dat DIR] [--user DIR] (history | favorites) [show N [--json]]";

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

bool parseArguments(int argc, char** argv, Options& options)
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
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else {
            words.push_back(arg);
        }
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
    if (!parseArguments(argc, argv, options)) {
        std::cerr << kUsage << '\n';
        return kExitUsage;
    }
    CliErrorReporter reporter;
    zeku::setErrorReporter(&reporter);
    int status;
    if (options.command == "history")
        status = options.show ? showHistory(options, std::cout, std::cerr) : listHistory(options, std::cout);
    else
        status = options.show ? showFavorite(options, std::cout, std::cerr) : listFavorites(options, std::cout);
    std::cout.flush();
    zeku::setErrorReporter(nullptr);
    return status;
}
