#pragma once
// Helpers shared by the end-to-end tests of the command-line tools.

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zeku::clitest {

// What one run of a tool left behind.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs `tool args` in `dir` with `input` on standard input; its output and
// errors are caught in files there.
inline ToolRun runTool(const std::filesystem::path& dir, const std::string& tool, const std::string& args,
                       const std::string& input = "")
{
    const std::filesystem::path in = dir / "stdin.txt", out = dir / "stdout.txt", err = dir / "stderr.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "cd '" + dir.string() + "' && '" + tool + "' " + args + " <'" + in.string() + "' >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readAll(out);
    result.err = readAll(err);
    return result;
}

// How a run's standard output cannot be written.
enum class BrokenOutput { Full, Closed, ReaderGone };

// Runs `tool` with `args` in `dir` with standard output broken as `how` says
// (/dev/full, a closed descriptor, a pipe whose reader has gone) and standard
// input empty; standard error is caught.
inline ToolRun runWithBrokenOutput(const std::filesystem::path& dir, const std::string& tool,
                                   const std::vector<std::string>& args, BrokenOutput how)
{
    const std::filesystem::path err = dir / "stderr.txt";
    int pipeEnds[2] = {-1, -1};
    if (how == BrokenOutput::ReaderGone && ::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(dir.c_str()) != 0)
            _exit(126);
        const int null = ::open("/dev/null", O_RDONLY);
        const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(null, 0);
        ::dup2(errFile, 2);
        if (how == BrokenOutput::Full)
            ::dup2(::open("/dev/full", O_WRONLY), 1);
        else if (how == BrokenOutput::Closed)
            ::close(1);
        else {
            ::close(pipeEnds[0]);
            ::dup2(pipeEnds[1], 1);
        }
        // The tool starts with SIGPIPE at its default, as under a shell.
        ::signal(SIGPIPE, SIG_DFL);
        std::vector<char*> argv{const_cast<char*>(tool.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(tool.c_str(), argv.data());
        _exit(127);
    }
    if (how == BrokenOutput::ReaderGone) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
    }
    ToolRun result;
    int raw = 0;
    ::waitpid(child, &raw, 0);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.err = readAll(err);
    return result;
}

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

} // namespace zeku::clitest
