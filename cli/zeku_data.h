#pragma once
// zeku-data: the stored favourites and search history from the command line.
// The commands share these pieces; zeku_data.cpp parses the arguments.

#include <iosfwd>
#include <string>
#include <string_view>

namespace zeku::data_cli {

// Exit codes: success, a load that failed, bad arguments or missing master data.
constexpr int kExitOk = 0;
constexpr int kExitLoadFailed = 1;
constexpr int kExitUsage = 2;

struct Options {
    std::string datDir; // empty: resolved as the desktop program does
    std::string userDir;
    std::string command; // "history", "favorites" or "paths"
    bool show = false; // "show N"
    int position = -1; // N
    bool json = false;
};

// CP932 text as UTF-8 with every CR LF turned into "\n".
std::string toOutputText(std::string_view cp932);

int listHistory(const Options& options, std::ostream& out);
int showHistory(const Options& options, std::ostream& out, std::ostream& err);
int listFavorites(const Options& options, std::ostream& out);
int showFavorite(const Options& options, std::ostream& out, std::ostream& err);
int printPaths(const Options& options, std::ostream& out);

// False, with "no history entry N (there are K)" (or the same for favourites)
// on `err`, when the position is past the end of the command's index.
bool positionExists(const Options& options, std::ostream& err);

} // namespace zeku::data_cli
