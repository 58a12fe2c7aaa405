#include "platform/ErrorReport.h"

#include <cstdio>

namespace zeku {
namespace {

class StderrReporter final : public ErrorReporter {
public:
    void reportFileError(const std::string& fileName, const std::string& cause) override
    {
        std::fprintf(stderr, "%s: %s\n", fileName.c_str(), cause.c_str());
    }
    void reportErrorMessage(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
};

StderrReporter g_stderrReporter;
ErrorReporter* g_reporter = &g_stderrReporter;

} // namespace

ErrorReporter& errorReporter()
{
    return *g_reporter;
}

void setErrorReporter(ErrorReporter* reporter)
{
    g_reporter = reporter ? reporter : &g_stderrReporter;
}

} // namespace zeku
