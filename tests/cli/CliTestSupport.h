#pragma once
// Helpers shared by the end-to-end tests of the command-line tools.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
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

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

} // namespace zeku::clitest
