#include "cli/CommandLine.h"

#include "platform/AppIdentity.h"
#include "platform/DataFolders.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <unistd.h>

namespace zeku::cli {

// Where the tools look without --dat and --user; both help texts carry it.
#define ZEKU_FOLDER_RULES                                                          \
    "Without --dat and --user: dat/ and user/ in the working directory when it\n"  \
    "holds dat/; otherwise $XDG_DATA_HOME/zeku/dat/ when it exists, else the\n"    \
    "installed sample, and $XDG_DATA_HOME/zeku/user/ (XDG_DATA_HOME defaults to\n" \
    "~/.local/share). `zeku-data paths` prints the folders in use.\n"

const char* const kZekuSearchHelp =
    "usage: zeku-search [OPTIONS]                    catalogue counts\n"
    "       zeku-search [OPTIONS] CONDITION.json|-   search; one JSON line per result\n"
    "       zeku-search [OPTIONS] --addable CONDITION.json|-\n"
    "                                                the additional skills that can still be activated\n"
    "                                                on top of the condition, one JSON line each\n"
    "       zeku-search [OPTIONS] --fits FILE|-    FILE holds {\"condition\": {...}, \"set\": {...}}, the set\n"
    "                                                as one result line; the skills that set can still\n"
    "                                                activate with its jewels placed again, one JSON\n"
    "                                                line each with the jewels that reach it\n"
    "       zeku-search [OPTIONS] --explain CONDITION.json|-\n"
    "                                                why the condition finds no sets: the reach of each\n"
    "                                                wanted skill and the single changes that find sets\n"
    "       zeku-search [--dat DIR] --bench [FILTER] timing and result signature of built-in conditions\n"
    "       zeku-search [--dat DIR] --bench-exact [FILTER]\n"
    "                                                the built-in conditions with jewels, default and\n"
    "                                                exact fitting (\"exact_jewels\") side by side\n"
    "\n"
    "options:\n"
    "  --dat DIR        master data folder\n"
    "  --user DIR       user folder (search history, favourites, lists)\n"
    "  --progress       show the progress on standard error while searching\n"
    "  --save TITLE     store the finished search as a new history entry\n"
    "  --comment TEXT   the comment of that entry (with --save)\n"
    "  --help           this text\n"
    "  --version        the version\n"
    "\n" ZEKU_FOLDER_RULES "\n"
    "Exit status: 0 done, 1 out of memory or save failed, 2 bad input or missing master data.\n";

const char* const kZekuDataHelp =
    "usage: zeku-data [OPTIONS] history                 position, title, comment (tab-separated)\n"
    "       zeku-data [OPTIONS] history show N [--json]  condition text and each result's clip text\n"
    "       zeku-data [OPTIONS] favorites               position, title, sex, job, comment\n"
    "       zeku-data [OPTIONS] favorites show N [--json]\n"
    "       zeku-data [OPTIONS] paths                   the master data and user folders in use\n"
    "\n"
    "Positions N start at 0, as the listings number them.\n"
    "\n"
    "options:\n"
    "  --dat DIR        master data folder\n"
    "  --user DIR       user folder\n"
    "  --json           show as JSON lines\n"
    "  --help           this text\n"
    "  --version        the version\n"
    "\n" ZEKU_FOLDER_RULES "\n"
    "Exit status: 0 done, 1 the entry could not be read, 2 bad arguments or missing master data.\n";

#undef ZEKU_FOLDER_RULES

void printVersion(const char* tool)
{
    std::printf("%s %s\n", tool, kVersionText);
}

std::string unknownOptionMessage(const char* tool, const std::string& option)
{
    return std::string(tool) + ": unknown option " + echoed(option) + " (" + tool + " --help lists the options)";
}

void resolveFolders(std::string& datDir, std::string& userDir)
{
    if (!datDir.empty() && !userDir.empty())
        return;
    const DataFolders folders = currentDataFolders();
    if (datDir.empty())
        datDir = folders.dat.string();
    if (userDir.empty())
        userDir = folders.user.string();
}

void keepRunningWhenOutputCloses()
{
    std::signal(SIGPIPE, SIG_IGN);
    // A standard descriptor started closed is taken by a read-only /dev/null:
    // otherwise the next file opened (a temporary file of a save) would get
    // its number and receive what is meant for standard output.
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", fd == 2 ? O_WRONLY : O_RDONLY);
}

namespace {
// The errno of the first failed writeStandardOutput, 0 while none failed.
int g_directWriteError = 0;
// Whether the cut output was reported already.
bool g_cutReported = false;
} // namespace

bool finishStandardOutput(const char* tool)
{
    errno = 0;
    std::cout.flush();
    const bool failed = !std::cout.good() || std::fflush(stdout) != 0 || std::ferror(stdout) || g_directWriteError != 0;
    if (!failed)
        return true;
    if (g_cutReported)
        return false;
    g_cutReported = true;
    const int cause = g_directWriteError != 0 ? g_directWriteError : errno;
    std::fprintf(stderr, "%s: standard output: %s (the output was cut)\n", tool,
                 cause != 0 ? std::strerror(cause) : "write error");
    return false;
}

int statusAfterOutput(const char* tool, int status, int cutStatus)
{
    const bool written = finishStandardOutput(tool);
    return written || status != 0 ? status : cutStatus;
}

bool writeStandardOutput(std::string_view text, const std::atomic<int>& interrupted)
{
    if (g_directWriteError != 0)
        return false;
    std::cout.flush();
    std::fflush(stdout);
    // A pipe with room for one page takes a page without blocking; waiting in
    // poll() instead of write() lets Ctrl-C end the wait.
    constexpr std::size_t kPiece = 4096;
    while (!text.empty()) {
        if (interrupted.load())
            return false;
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        const int ready = ::poll(&out, 1, 100);
        if (ready == 0 || (ready < 0 && errno == EINTR))
            continue; // no room yet, or Ctrl-C: look again
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), std::min(text.size(), kPiece));
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            g_directWriteError = errno;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string echoed(std::string_view utf8)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // A byte 10xxxxxx continues a character; any other starts one.
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            continue;
        if (++characters > kEchoedCharacters)
            return std::string(utf8.substr(0, i)) + "…";
    }
    return std::string(utf8);
}

} // namespace zeku::cli
