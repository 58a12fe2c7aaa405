#include "platform/TextFile.h"

#include "platform/ErrorReport.h"

#include <fcntl.h>
#include <random>
#include <cerrno>
#include <cstdarg>
#include <csignal>
#include <cstring>
#include <sys/random.h>
#include <unistd.h>

namespace zeku {

TextLineReader::TextLineReader(const std::filesystem::path& path) : m_file(std::fopen(path.c_str(), "rb"))
{
}

TextLineReader::~TextLineReader()
{
    if (m_file)
        std::fclose(m_file);
}

bool TextLineReader::next(std::string& line)
{
    line.clear();
    if (!m_file || m_tooLong)
        return false;
    bool any = false;
    int c;
    while ((c = std::getc(m_file)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        // One byte more than the limit may be the CR of a CR LF end; any
        // further byte refuses the line without reading the rest of it.
        if (line.size() > kMaxTextLineBytes)
            break;
        line.push_back(static_cast<char>(c));
    }
    if (!any)
        return false;
    ++m_lineNumber;
    const bool cut = c != EOF && c != '\n';
    if (!cut && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (cut || line.size() > kMaxTextLineBytes) {
        m_tooLong = true;
        line.clear();
        return false;
    }
    return true;
}

namespace {

// Temporary names are "<target>.tmp<pid>_<16 random hex digits>": the process
// id tells stale ones apart, the random part keeps the name unpredictable.
// (Older versions put a decimal counter there; those names still count.)
constexpr std::string_view kTempMarker = ".tmp";
constexpr std::size_t kTempRandomDigits = 16;

std::string randomHex()
{
    uint64_t value = 0;
    if (::getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) {
        std::random_device device;
        value = (static_cast<uint64_t>(device()) << 32) ^ device();
    }
    char text[kTempRandomDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The process id in a temporary file's name; 0 when the name is no such name.
pid_t temporaryOwner(const std::string& name)
{
    const std::size_t marker = name.rfind(kTempMarker);
    if (marker == std::string::npos || marker == 0)
        return 0;
    const std::string rest = name.substr(marker + kTempMarker.size());
    const std::size_t underscore = rest.find('_');
    if (underscore == 0 || underscore == std::string::npos || underscore > 9 ||
        rest.find_first_not_of("0123456789") < underscore || rest.size() == underscore + 1 ||
        rest.find_first_not_of("0123456789abcdef", underscore + 1) != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(rest.substr(0, underscore)));
}

} // namespace

SafeTextWriter::SafeTextWriter(std::filesystem::path target) : m_target(std::move(target))
{
    // Created exclusively, never through a symbolic link planted at the name; a
    // name that is taken (by chance or on purpose) gives way to another.
    for (int attempt = 0; attempt < 16 && !m_file; ++attempt) {
        m_temp = m_target;
        m_temp += std::string(kTempMarker) + std::to_string(::getpid()) + "_" + randomHex();
        const int fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        m_file = ::fdopen(fd, "wb");
        if (!m_file)
            ::close(fd);
    }
    if (!m_file)
        fail(systemErrorMessage(errno));
}

SafeTextWriter::~SafeTextWriter()
{
    if (m_file) {
        std::fclose(m_file);
        std::error_code ec;
        std::filesystem::remove(m_temp, ec);
    }
}

void SafeTextWriter::fail(const UserMessage& cause)
{
    if (!m_failed)
        errorReporter().reportFileMessage(m_target.string(), cause);
    m_failed = true;
}

void SafeTextWriter::write(std::string_view text)
{
    if (!m_file || m_failed)
        return;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t nl = text.find('\n', start);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        if (end > start && std::fwrite(text.data() + start, 1, end - start, m_file) != end - start)
            return fail(systemErrorMessage(errno));
        if (nl == std::string_view::npos)
            break;
        if (std::fwrite("\r\n", 1, 2, m_file) != 2)
            return fail(systemErrorMessage(errno));
        start = nl + 1;
    }
}

void SafeTextWriter::writef(const char* format, ...)
{
    char stackBuffer[1024];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(stackBuffer, sizeof stackBuffer, format, args);
    va_end(args);
    if (length < 0) {
        va_end(copy);
        return fail(UserMessage{MessageId::TextFormattingFailed, {}, "text formatting failed"});
    }
    if (static_cast<std::size_t>(length) < sizeof stackBuffer) {
        va_end(copy);
        return write(std::string_view(stackBuffer, static_cast<std::size_t>(length)));
    }
    std::string big(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(big.data(), big.size(), format, copy);
    va_end(copy);
    big.pop_back();
    write(big);
}

bool SafeTextWriter::commit()
{
    if (!m_file)
        return false;
    bool ok = !m_failed;
    if (ok && std::fflush(m_file) != 0) {
        fail(systemErrorMessage(errno));
        ok = false;
    }
    if (ok && ::fsync(::fileno(m_file)) != 0) {
        fail(systemErrorMessage(errno));
        ok = false;
    }
    if (std::fclose(m_file) != 0 && ok) {
        fail(systemErrorMessage(errno));
        ok = false;
    }
    m_file = nullptr;
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(m_temp, m_target, ec);
        if (ec) {
            fail(systemErrorMessage(ec));
            ok = false;
        }
    }
    if (!ok)
        std::filesystem::remove(m_temp, ec);
    return ok;
}

void removeStaleTemporaries(const std::filesystem::path& folder)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t owner = temporaryOwner(it->path().filename().string());
        std::error_code fileEc;
        if (owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH && it->is_regular_file(fileEc))
            std::filesystem::remove(it->path(), fileEc);
    }
}

UserFileKind userFileKind(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
    if (!std::filesystem::exists(status))
        return UserFileKind::Absent;
    return std::filesystem::is_regular_file(status) ? UserFileKind::Plain : UserFileKind::NotPlain;
}

bool ensureFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec))
        return true;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        errorReporter().reportFileMessage(folder.string(), systemErrorMessage(ec));
        return false;
    }
    return true;
}

} // namespace zeku
