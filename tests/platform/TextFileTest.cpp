#include "platform/TextFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <unistd.h>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;
using zeku::test::folderEntries;
using zeku::test::TempDir;
using zeku::test::writeFileBytes;

namespace {

std::vector<std::string> readLines(const std::filesystem::path& file)
{
    TextLineReader reader(file);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(TextLineReader, AcceptsCrLfAndLfAndALastLineWithoutEnd)
{
    TempDir dir;
    writeFileBytes(dir / "mixed.txt", "one\r\ntwo\nthree\r\n\r\n\nlast");
    EXPECT_EQ(readLines(dir / "mixed.txt"), (std::vector<std::string>{"one", "two", "three", "", "", "last"}));
}

TEST(TextLineReader, KeepsCp932BytesAndInnerCarriageReturns)
{
    TempDir dir;
    const std::string name = sj("ソ表\\");
    writeFileBytes(dir / "sj.txt", name + "\r\na\rb\n");
    EXPECT_EQ(readLines(dir / "sj.txt"), (std::vector<std::string>{name, "a\rb"}));
}

TEST(TextLineReader, EmptyAndMissingFilesGiveNoLines)
{
    TempDir dir;
    writeFileBytes(dir / "empty.txt", "");
    TextLineReader empty(dir / "empty.txt");
    EXPECT_TRUE(empty.isOpen());
    std::string line = "stale";
    EXPECT_FALSE(empty.next(line));
    EXPECT_EQ(line, "");

    TextLineReader missing(dir / "missing.txt");
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.next(line));
}

TEST(SafeTextWriter, WritesLineFeedsAsCrLf)
{
    TempDir dir;
    SafeTextWriter writer(dir / "out.dat");
    ASSERT_TRUE(writer.isOpen());
    writer.write("Version=0.047\n");
    writer.write(sj("ソ表") + "\n\n");
    writer.writef("%s=%d\n", "Count", -12);
    writer.write("tail");
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(readFileBytes(dir / "out.dat"), "Version=0.047\r\n" + sj("ソ表") + "\r\n\r\nCount=-12\r\ntail");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"out.dat"}));
}

TEST(SafeTextWriter, WritefHandlesTextLongerThanItsStackBuffer)
{
    TempDir dir;
    const std::string longText(3000, 'x');
    SafeTextWriter writer(dir / "long.dat");
    writer.writef("[%s]\n", longText.c_str());
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(readFileBytes(dir / "long.dat"), "[" + longText + "]\r\n");
}

TEST(SafeTextWriter, TargetChangesOnlyAtCommit)
{
    TempDir dir;
    writeFileBytes(dir / "list.dat", "old\r\n");
    {
        SafeTextWriter writer(dir / "list.dat");
        writer.write("new\n");
        EXPECT_EQ(readFileBytes(dir / "list.dat"), "old\r\n");
        ASSERT_TRUE(writer.commit());
    }
    EXPECT_EQ(readFileBytes(dir / "list.dat"), "new\r\n");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"list.dat"}));
}

TEST(TextLineReader, RefusesALineLongerThanTheLimitAndStopsThere)
{
    TempDir dir;
    const std::string longest(kMaxTextLineBytes, 'x');
    // At the limit (with a CR LF end) a line is read; one byte more is refused,
    // and nothing after it is given.
    writeFileBytes(dir / "edge.txt", "a\r\n" + longest + "\r\n" + longest + "y\nafter\n");
    TextLineReader reader(dir / "edge.txt");
    std::string line;
    ASSERT_TRUE(reader.next(line));
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.size(), kMaxTextLineBytes);
    EXPECT_FALSE(reader.tooLong());
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.tooLong());
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_FALSE(reader.next(line));
}

TEST(SafeTextWriter, AbandonedWriterLeavesTargetAndNoTempFile)
{
    TempDir dir;
    writeFileBytes(dir / "list.dat", "old\r\n");
    {
        SafeTextWriter writer(dir / "list.dat");
        writer.write("half written\n");
    }
    EXPECT_EQ(readFileBytes(dir / "list.dat"), "old\r\n");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"list.dat"}));
}

TEST(SafeTextWriter, FailedCommitReportsOnceAndLeavesOldContentAlone)
{
    TempDir dir;
    // The target name is taken by a folder holding an old file: the rename must fail.
    const std::filesystem::path target = dir / "index.dat";
    std::filesystem::create_directory(target);
    writeFileBytes(target / "old.dat", "old\r\n");
    writeFileBytes(dir / "other.dat", "keep\r\n");

    RecordingErrorReporter reporter;
    SafeTextWriter writer(target);
    ASSERT_TRUE(writer.isOpen());
    writer.write("new\n");
    EXPECT_FALSE(writer.commit());

    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("index.dat"), std::string::npos);
    EXPECT_GT(reporter.fileErrors[0].size(), reporter.fileErrors[0].find(": ") + 2); // a cause follows
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(readFileBytes(target / "old.dat"), "old\r\n");
    EXPECT_EQ(readFileBytes(dir / "other.dat"), "keep\r\n");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"index.dat", "other.dat"}));
    EXPECT_EQ(folderEntries(target), (std::vector<std::string>{"old.dat"}));
}

TEST(SafeTextWriter, TemporaryNamesAreUnpredictableAndNeverFollowALink)
{
    TempDir dir;
    // Links planted at every name a process-and-counter scheme would use.
    writeFileBytes(dir / "outside.txt", "keep");
    const std::string prefix = "list.dat.tmp" + std::to_string(::getpid()) + "_";
    for (int i = 0; i < 100; ++i)
        std::filesystem::create_symlink(dir / "outside.txt", dir / (prefix + std::to_string(i)));
    std::vector<std::string> names;
    for (int i = 0; i < 2; ++i) {
        SafeTextWriter writer(dir / "list.dat");
        ASSERT_TRUE(writer.isOpen());
        writer.write("new\n");
        for (const std::string& name : folderEntries(dir.path()))
            if (name.rfind(prefix, 0) == 0 && !std::filesystem::is_symlink(dir / name))
                names.push_back(name);
        ASSERT_TRUE(writer.commit());
    }
    EXPECT_EQ(readFileBytes(dir / "outside.txt"), "keep");
    EXPECT_EQ(readFileBytes(dir / "list.dat"), "new\r\n");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_NE(names[0], names[1]);
    EXPECT_EQ(names[0].size(), prefix.size() + 16) << names[0];
}

TEST(SafeTextWriter, MissingFolderIsReportedOnceAndNothingIsWritten)
{
    TempDir dir;
    RecordingErrorReporter reporter;
    SafeTextWriter writer(dir / "absent" / "file.dat");
    EXPECT_FALSE(writer.isOpen());
    writer.write("lost\n");
    EXPECT_FALSE(writer.commit());
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("file.dat"), std::string::npos);
    EXPECT_TRUE(folderEntries(dir.path()).empty());
}

TEST(EnsureFolder, CreatesParentsAndReportsWhenAFileIsInTheWay)
{
    TempDir dir;
    EXPECT_TRUE(ensureFolder(dir / "user" / "Favorite"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "user" / "Favorite"));
    EXPECT_TRUE(ensureFolder(dir / "user")); // already there

    writeFileBytes(dir / "blocker", "x");
    RecordingErrorReporter reporter;
    EXPECT_FALSE(ensureFolder(dir / "blocker" / "sub"));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("blocker"), std::string::npos);
}
