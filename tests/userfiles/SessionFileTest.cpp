// What user/Session.dat gives back, by the whole reader and by the start-up
// reader of the language alike: its bounds (lines, bytes) at the limit and
// just past it, and the condition rules the search would refuse otherwise.

#include "userfiles/StoredDataFixture.h"
#include "userfiles/SessionFile.h"

#include <fstream>

namespace zeku::test {
namespace {

class SessionFileTest : public StoredDataFixture {};

// A session that reads with one wanted skill, its language English.
const std::string kHead = "Version=0.047\r\n[Window]\r\nWidth=900\r\nHeight=777\r\nLanguage=en\r\n";
const std::string kCondition = "[Condition]\r\nSex=2\r\nJob=1\r\nSkill=1,10\r\nFixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                               "Jewel=1\r\nSParts=0\r\n";

// `count` lines of a key [Window] does not know.
std::string paddingLines(std::size_t count)
{
    std::string lines;
    for (std::size_t i = 0; i < count; ++i)
        lines += "Pad=0\r\n";
    return lines;
}

// A whole session of exactly `bytes` bytes: one long unknown [Window] key.
std::string sessionOfSize(std::size_t bytes)
{
    const std::size_t around = kHead.size() + kCondition.size() + std::string("Pad=\r\n").size();
    return kHead + "Pad=" + std::string(bytes - around, 'x') + "\r\n" + kCondition;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

TEST_F(SessionFileTest, BoundsAndConditionRulesOfTheReaders)
{
    struct Row {
        const char* name;
        std::string bytes;
        bool reads;
        bool exact;
        std::size_t wanted;
        std::size_t dropped;
    };
    // "Version=", [Window] and its three keys, [Condition] and its six keys.
    const std::size_t fixedLines = 12;
    const std::vector<Row> rows = {
        {"whole", kHead + kCondition, true, false, 1, 0},
        {"exact fitting with jewels", kHead + kCondition + "[Option]\r\nExactJewel=1\r\n", true, true, 1, 0},
        {"exact fitting needs jewels",
         kHead + replaced(kCondition, "Jewel=1", "Jewel=0") + "[Option]\r\nExactJewel=1\r\n", true, false, 1, 0},
        {"a tree wanted twice: the first counts",
         kHead + replaced(kCondition, "Skill=1,10", "Skill=1,10\r\nSkill=2,10\r\nSkill=1,15"), true, false, 2, 1},
        {"exactly the line limit", kHead + paddingLines(4096 - fixedLines) + kCondition, true, false, 1, 0},
        {"one line more", kHead + paddingLines(4096 - fixedLines + 1) + kCondition, false, false, 0, 0},
        {"exactly the size limit", sessionOfSize(kMaxSessionFileBytes), true, false, 1, 0},
        {"one byte more", sessionOfSize(kMaxSessionFileBytes + 1), false, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(std::filesystem::create_directories(m_folder.root()) || std::filesystem::exists(m_folder.root()));
        {
            std::ofstream out(m_folder.sessionFile(), std::ios::binary | std::ios::trunc);
            out << row.bytes;
        }
        EXPECT_EQ(loadSessionLanguage(m_folder), row.reads ? "en" : "");
        const std::optional<RestoredSession> session = loadSession(m_folder, m_master);
        ASSERT_EQ(session.has_value(), row.reads);
        if (!session)
            continue;
        EXPECT_EQ(session->state.condition.exactJewels, row.exact);
        EXPECT_EQ(session->state.condition.wanted.size(), row.wanted);
        EXPECT_EQ(session->state.condition.wanted[0].points, 10);
        EXPECT_EQ(session->droppedItems, row.dropped);
    }
}

} // namespace
} // namespace zeku::test
