#pragma once
// Helpers shared by the end-to-end tests of the command-line tools.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
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
    const std::string command = "cd '" + dir.string() + "' && '" + tool + "' " + args + " <'" + in.string() +
                                "' >'" + out.string() + "' 2>'" + err.string() + "'";
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readAll(out);
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
