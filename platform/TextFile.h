#pragma once
// Text files on disk as the user files keep them: CP932 bytes, CR LF line ends.
//
// Reading accepts CR LF and LF. Writing goes to a temporary file in the same
// folder, which replaces the real file only after everything was written and
// flushed, so a failed write (unwritable folder, full disk) never leaves a
// damaged file behind: the previous one stays as it was.

#include "platform/UserMessage.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace zeku {

// The longest line a user file may hold, in bytes. The longest lines written
// are index lines with a long title and comment and history lines of item
// names, a few kilobytes at most; anything near this is no file of ours.
inline constexpr std::size_t kMaxTextLineBytes = 1024 * 1024;

// Reads a text file line by line; line ends (LF, CR LF) are removed.
class TextLineReader {
public:
    explicit TextLineReader(const std::filesystem::path& path);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // Next line into `line`; false at the end of the file, and at a line longer
    // than kMaxTextLineBytes, which is refused as soon as it grows past the
    // limit (tooLong() then tells the two apart).
    bool next(std::string& line);
    bool tooLong() const { return m_tooLong; }
    // Lines given so far, the refused one included.
    int lineNumber() const { return m_lineNumber; }

private:
    std::FILE* m_file = nullptr;
    bool m_tooLong = false;
    int m_lineNumber = 0;
};

// Writes a text file through a temporary file. Every "\n" written becomes CR LF.
// Failures are reported once through the error reporter, with the target's name.
class SafeTextWriter {
public:
    explicit SafeTextWriter(std::filesystem::path target);
    ~SafeTextWriter(); // discards the temporary file unless commit() succeeded
    SafeTextWriter(const SafeTextWriter&) = delete;
    SafeTextWriter& operator=(const SafeTextWriter&) = delete;

    // False when the temporary file could not be created (already reported).
    bool isOpen() const { return m_file != nullptr; }

    void write(std::string_view text);
    // printf-style convenience; the result goes through write().
    void writef(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Flushes, closes and renames over the target. True when the target now holds
    // exactly what was written; false (reported, target untouched) otherwise.
    bool commit();

private:
    void fail(const UserMessage& cause);

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

// Removes the temporary files of SafeTextWriter in `folder` whose process no
// longer runs: what a save killed midway left behind. Files of running
// processes, and every other file, stay.
void removeStaleTemporaries(const std::filesystem::path& folder);

// What a user file's path names, the link itself and never what it points at:
// a user file is read only when it is a plain file, and a symbolic link is
// no plain file, dangling or not.
enum class UserFileKind { Absent, Plain, NotPlain };
UserFileKind userFileKind(const std::filesystem::path& path);

// Creates `folder` with all missing parents. False (reported) on failure.
bool ensureFolder(const std::filesystem::path& folder);

} // namespace zeku
