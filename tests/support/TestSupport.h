#pragma once
// Small helpers shared by the core tests.

#include "platform/Cp932.h"

#include <csignal>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <vector>

namespace zeku::test {

// A CP932 string from a UTF-8 literal: tests write Japanese text readably.
inline std::string sj(std::string_view utf8)
{
    return utf8ToCp932Lossy(utf8);
}

// A fresh, empty folder removed again when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Whole-file helpers (binary, no line-end translation).
std::string readFileBytes(const std::filesystem::path& file);
void writeFileBytes(const std::filesystem::path& file, std::string_view bytes);

// The source tree's root, for the committed sample data and golden files.
std::filesystem::path sourceDir();

// The names of the entries of `folder`, sorted, without the folder's lock file.
std::vector<std::string> folderEntries(const std::filesystem::path& folder);

// Makes writes to regular files fail beyond `bytes`, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace zeku::test

#include "platform/ErrorReport.h"

#include <vector>

namespace zeku::test {

// Records every report and installs itself for its lifetime.
class RecordingErrorReporter final : public ErrorReporter {
public:
    RecordingErrorReporter() { setErrorReporter(this); }
    ~RecordingErrorReporter() override { setErrorReporter(nullptr); }
    void reportFileError(const std::string& fileName, const std::string& cause) override
    {
        fileErrors.push_back(fileName + ": " + cause);
    }
    void reportErrorMessage(const std::string& message) override { messages.push_back(message); }

    std::vector<std::string> fileErrors; // "file: cause"
    std::vector<std::string> messages;
};

} // namespace zeku::test
