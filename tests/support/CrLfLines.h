#pragma once
// Splitting the CR LF texts the reports produce, for the gtest suites.

#include <string>
#include <vector>

namespace zeku::test {

// Lines of `text` without their CR LF; fails the test when a line end is bare.
std::vector<std::string> linesOf(const std::string& text);

} // namespace zeku::test
