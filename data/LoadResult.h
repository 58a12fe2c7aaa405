#pragma once
// Outcome of loading one file: success, or the file that failed and why.

#include <string>

namespace zeku {

struct LoadResult {
    bool ok = true;
    std::string file; // the file that failed (empty on success)
    std::string cause; // why, in UTF-8 (empty on success)

    static LoadResult success() { return {}; }
    static LoadResult failure(std::string file, std::string cause)
    {
        return LoadResult{false, std::move(file), std::move(cause)};
    }
    explicit operator bool() const { return ok; }
};

} // namespace zeku
