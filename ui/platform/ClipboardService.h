#pragma once
// The clipboard goes through one service: the program hands it CP932 text,
// the real service puts the Unicode form on the platform clipboard, and tests
// record what would have been copied.

#include <string>
#include <vector>

namespace zeku {

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // Replaces the clipboard's contents with `cp932` as plain text.
    virtual void setText(const std::string& cp932) = 0;
};

// The platform clipboard (QGuiApplication::clipboard()). Line ends are kept as given.
class QtClipboardService final : public ClipboardService {
public:
    void setText(const std::string& cp932) override;
};

// For tests: keeps every text in order and installs itself for its lifetime.
class RecordingClipboardService final : public ClipboardService {
public:
    RecordingClipboardService();
    ~RecordingClipboardService() override;
    RecordingClipboardService(const RecordingClipboardService&) = delete;
    RecordingClipboardService& operator=(const RecordingClipboardService&) = delete;

    void setText(const std::string& cp932) override { m_texts.push_back(cp932); }
    // The CP932 texts copied so far.
    const std::vector<std::string>& texts() const { return m_texts; }

private:
    ClipboardService* m_previous;
    std::vector<std::string> m_texts;
};

// The service in force; never null (the platform clipboard by default).
ClipboardService& clipboardService();
// Installs `service` (nullptr restores the platform one). UI thread only.
void setClipboardService(ClipboardService* service);

} // namespace zeku
