#include "userfiles/StoredPath.h"

#include "platform/Cp932.h"
#include "platform/ErrorReport.h"
#include "platform/TextFile.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/StorableText.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace zeku {
namespace {

bool isUserComponent(const std::string& component)
{
    if (component.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(component[i])) != "user"[i])
            return false;
    return true;
}

// The components of a stored path. The text is decoded from CP932 first: in
// UTF-8 a 0x5C byte is always a backslash, so splitting is safe there.
std::vector<std::string> storedComponents(std::string_view stored)
{
    const std::string text = cp932ToUtf8(stored);
    std::vector<std::string> components;
    std::string current;
    for (char c : text) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                components.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        components.push_back(std::move(current));
    return components;
}

// How many names createNewUserFile tries before it gives up.
constexpr int kMaxNameAttempts = 10000;

// The longest title part of a file name, in bytes of its native (UTF-8) form:
// with the time stamp, a counter and a temporary suffix the name stays within
// the 255 bytes file systems allow. Longer titles keep their whole text in the index.
constexpr std::size_t kMaxFileTitleBytes = 180;

} // namespace

std::filesystem::path nativePath(const UserFolder& folder, std::string_view stored)
{
    const std::vector<std::string> components = storedComponents(stored);
    std::filesystem::path result;
    std::size_t first = 0;
    if (!components.empty() && isUserComponent(components[0])) {
        result = folder.root();
        first = 1;
    }
    for (std::size_t i = first; i < components.size(); ++i)
        result /= components[i];
    return result;
}

std::optional<std::filesystem::path> confinedStoredPath(const std::filesystem::path& userRoot, std::string_view stored)
{
    const std::vector<std::string> components = storedComponents(stored);
    if (components.size() < 2 || !isUserComponent(components[0]))
        return std::nullopt;
    std::filesystem::path result = userRoot;
    for (std::size_t i = 1; i < components.size(); ++i) {
        const std::string& c = components[i];
        // ".." climbs out, "." and a drive ("C:") or stream name are no file names of ours.
        if (c == "." || c == ".." || c.find(':') != std::string::npos)
            return std::nullopt;
        result /= c;
    }
    return result;
}

std::string safeFileTitle(std::string_view title)
{
    std::string result;
    result.reserve(title.size());
    std::size_t pos = 0;
    while (pos < title.size()) {
        std::size_t length = cp932CharLength(title, pos);
        if (length == 1) {
            unsigned char c = static_cast<unsigned char>(title[pos]);
            bool forbidden = c < 0x20 || c == 0x7F || std::strchr("\\/:*?\"<>|", c) != nullptr;
            result.push_back(forbidden ? '_' : static_cast<char>(c));
        } else {
            result.append(title.substr(pos, length));
        }
        pos += length;
    }
    // Shorten by whole characters; only titles that no file name could hold are cut.
    std::size_t nativeBytes = 0;
    for (std::size_t at = 0; at < result.size(); at += cp932CharLength(result, at)) {
        nativeBytes += cp932ToUtf8(std::string_view(result).substr(at, cp932CharLength(result, at))).size();
        if (nativeBytes > kMaxFileTitleBytes) {
            result.resize(at);
            break;
        }
    }
    return result;
}

std::optional<NewUserFile> createNewUserFile(const UserFolder& folder, std::string_view storedFolder,
                                             std::string_view baseName)
{
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        NewUserFile file;
        file.stored = std::string(storedFolder) + std::string(baseName);
        if (attempt > 1)
            file.stored += "_" + std::to_string(attempt);
        file.stored += ".dat";
        file.native = nativePath(folder, file.stored);
        int fd = ::open(file.native.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
            return file;
        }
        if (errno != EEXIST) {
            errorReporter().reportFileMessage(file.native.string(), systemErrorMessage(errno));
            return std::nullopt;
        }
    }
    errorReporter().reportFileMessage(
        nativePath(folder, std::string(storedFolder) + std::string(baseName) + ".dat").string(),
        UserMessage{MessageId::NoFreeFileName, {}, "no free file name"});
    return std::nullopt;
}

std::optional<NewUserFile> writeNewUserFile(const UserFolder& folder, std::string_view storedFolder,
                                            std::string_view baseName,
                                            const std::function<void(SafeTextWriter&)>& writeContent)
{
    auto file = createNewUserFile(folder, storedFolder, baseName);
    if (!file)
        return std::nullopt;
    bool written = false;
    try {
        SafeTextWriter writer(file->native);
        if (writer.isOpen()) {
            writeContent(writer);
            written = writer.commit();
        }
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(file->native, ec);
        throw;
    }
    if (!written) {
        std::error_code ec;
        std::filesystem::remove(file->native, ec);
        return std::nullopt;
    }
    return file;
}

bool savedOrUnlisted(const SavedFileIndex& index, const NewUserFile& file)
{
    if (index.save())
        return true;
    std::error_code ec;
    std::filesystem::remove(file.native, ec);
    return false;
}

void reportOutOfMemory()
{
    errorReporter().reportMessage(UserMessage{MessageId::OutOfMemory, {}, "メモリが不足しています。"});
}

void reportTooManyItemKinds()
{
    // More distinct items than 16-bit item numbers can name.
    errorReporter().reportMessage(UserMessage{MessageId::TooManyItemKinds, {}, "保存する装備の種類が多すぎます。"});
}

bool removeStoredFile(const UserFolder& folder, std::string_view stored)
{
    const auto file = confinedStoredPath(folder.root(), stored);
    std::error_code ec;
    return file && std::filesystem::remove(*file, ec);
}

bool saveReportingFailures(const std::function<bool()>& save)
{
    try {
        return save();
    } catch (const std::bad_alloc&) {
        reportOutOfMemory();
    } catch (const std::length_error&) {
        reportTooManyItemKinds();
    } catch (const UnstorableItemName& e) {
        errorReporter().reportMessage(unstorableItemMessage(e.name()));
    }
    return false;
}

} // namespace zeku
