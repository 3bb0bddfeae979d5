#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

class FileHandlerTest : public testing::Test {
protected:
    void SetUp() override { gError = std::make_unique<clsError>(); }
    void TearDown() override { gError.reset(); }

    std::string PathOf(const std::string& name) const { return (env_.Root() / name).string(); }
    std::string Bytes(const std::string& name) const
    {
        std::ifstream in(env_.Root() / name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(env_.Root() / name, std::ios::binary) << bytes;
    }

    TempEnvironment env_;
    RecordingSeam seam_;
    clsFileHandler handler_;
};

TEST_F(FileHandlerTest, WritesLinesWithCrLfInWindows1252)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("out.txt"), 0));
    handler_.WriteLine("1.5\t2");
    handler_.WriteLine("Angström");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("out.txt"), "1.5\t2\r\nAngstr\xF6m\r\n");
    EXPECT_EQ(seam_.errorWindows, 0);
}

TEST_F(FileHandlerTest, ReadsLfAndCrLfLinesUntilTheEnd)
{
    Put("in.txt", "a\r\nb\nStr\xF6m\r\nlast");
    ASSERT_TRUE(handler_.OpenFile(PathOf("in.txt"), 1));
    std::vector<std::string> lines;
    while (!handler_.FileEnd()) lines.push_back(handler_.ReadLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "Ström", "last"}));
    EXPECT_EQ(handler_.ReadLine(), "");
}

TEST_F(FileHandlerTest, FileContentIsTheWholeText)
{
    Put("in.txt", "x 1\r\ny \xB0\r\n");
    ASSERT_TRUE(handler_.OpenFile(PathOf("in.txt"), 1));
    handler_.ReadLine();
    EXPECT_EQ(handler_.FileContent(), "x 1\r\ny °\r\n");
}

TEST_F(FileHandlerTest, AnOutputFileReplacesTheOldOneOnlyWhenClosed)
{
    Put("curve.ik", "old\r\n");
    ASSERT_TRUE(handler_.OpenFile(PathOf("curve.ik"), 0));
    handler_.WriteLine("new");
    EXPECT_EQ(Bytes("curve.ik"), "old\r\n");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("curve.ik"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(env_.Root()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(FileHandlerTest, CreatesMissingFoldersInEveryMode)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("a/b/c/out.txt"), 0));
    handler_.CloseFile();
    EXPECT_TRUE(fs::exists(PathOf("a/b/c/out.txt")));
    EXPECT_FALSE(handler_.OpenFile(PathOf("d/e/missing.txt"), 1));
    EXPECT_TRUE(fs::is_directory(PathOf("d/e")));
    EXPECT_EQ(gError->ErrorNumber(), rt::errFileNotFound);
    EXPECT_EQ(gError->ErrorFunction(), "OpenFile");
    EXPECT_EQ(gError->ErrorModul(), "clsFileHandler");
}

TEST_F(FileHandlerTest, OpeningASecondFileClosesTheFirst)
{
    Put("first.txt", "1\r\n");
    ASSERT_TRUE(handler_.OpenFile(PathOf("first.txt"), 1));
    const int32_t firstHandle = handler_.FileHandle();
    ASSERT_TRUE(handler_.OpenFile(PathOf("second.txt"), 0));
    EXPECT_NE(handler_.FileHandle(), firstHandle);
    EXPECT_EQ(handler_.ReadLine(), "");  // the output file cannot be read
    handler_.WriteLine("2");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("second.txt"), "2\r\n");
    EXPECT_FALSE(handler_.IsOpen());
}

TEST_F(FileHandlerTest, KeepsTheLastNameAndMode)
{
    Put("a.txt", "A\r\n");
    Put("b.txt", "B\r\n");
    ASSERT_TRUE(handler_.OpenFile(PathOf("a.txt"), 1));
    ASSERT_TRUE(handler_.OpenFile(PathOf("b.txt")));
    EXPECT_EQ(handler_.AccessModus(), 1);
    EXPECT_EQ(handler_.ReadLine(), "B");
    ASSERT_TRUE(handler_.OpenFile());
    EXPECT_EQ(handler_.Filename(), PathOf("b.txt"));
    EXPECT_EQ(handler_.ReadLine(), "B");
}

TEST_F(FileHandlerTest, RefusesAnEmptyNameAndAnUnknownModeWithoutAReport)
{
    EXPECT_FALSE(handler_.OpenFile());
    EXPECT_FALSE(handler_.OpenFile(PathOf("x.txt"), 3));
    EXPECT_FALSE(handler_.IsOpen());
    EXPECT_FALSE(fs::exists(PathOf("x.txt")));
    EXPECT_FALSE(gError->Error());
    EXPECT_TRUE(handler_.FileEnd());
    EXPECT_EQ(handler_.ReadLine(), "");
}

TEST_F(FileHandlerTest, ReportsAPathThatCannotBeCreated)
{
    Put("plain", "not a folder");
    EXPECT_FALSE(handler_.OpenFile(PathOf("plain/out.txt"), 0));
    EXPECT_TRUE(gError->Error());
    EXPECT_EQ(gError->ErrorNumber(), rt::errPathNotFound);
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_FALSE(handler_.OpenFile(env_.Root().string(), 0));
    EXPECT_EQ(gError->ErrorNumber(), rt::errPathFileAccess);
}

TEST_F(FileHandlerTest, ReportsFileContentOfAnOutputFile)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("out.txt"), 0));
    EXPECT_EQ(handler_.FileContent(), "");
    EXPECT_EQ(gError->ErrorNumber(), rt::errBadFileMode);
    EXPECT_EQ(gError->ErrorFunction(), "FileContent");
}

TEST_F(FileHandlerTest, ReadsAndWritesBinaryRecordsInPlace)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("db.dat"), 2));
    handler_.WriteString("ZELO3");
    handler_.WriteLong(-2);
    handler_.WriteInteger(-1);
    handler_.WriteByte(7);
    handler_.WriteSingle(-3E+38f);
    handler_.WriteString("Angström");
    EXPECT_EQ(handler_.FileLength(), 7 + 4 + 2 + 1 + 4 + 10);
    handler_.SetOffset(0);
    EXPECT_EQ(handler_.ReadString(), "ZELO3");
    EXPECT_EQ(handler_.ReadLong(), -2);
    EXPECT_EQ(handler_.ReadInteger(), -1);
    EXPECT_EQ(handler_.ReadByte(), 7);
    EXPECT_EQ(handler_.ReadSingle(), -3E+38f);
    EXPECT_EQ(handler_.ReadString(), "Angström");
    EXPECT_TRUE(handler_.FileEnd());
    handler_.CloseFile();
    EXPECT_EQ(Bytes("db.dat").substr(0, 13), std::string("\x05\x00ZELO3\xFE\xFF\xFF\xFF\xFF\xFF", 13));
}

TEST_F(FileHandlerTest, BinaryReadsPastTheEndRaise)
{
    Put("short.dat", std::string("\x09\x00" "abc", 5));
    ASSERT_TRUE(handler_.OpenFile(PathOf("short.dat"), 2));
    try {
        handler_.ReadString();
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errInputPastEnd);
    }
    handler_.SetOffset(4);
    EXPECT_THROW(handler_.ReadLong(), rt::RuntimeError);
}

TEST_F(FileHandlerTest, BinaryAccessNeedsTheRightMode)
{
    Put("in.txt", "abcd");
    EXPECT_FALSE(handler_.WriteBytes(std::vector<uint8_t>{1}));
    ASSERT_TRUE(handler_.OpenFile(PathOf("in.txt"), 1));
    EXPECT_THROW(handler_.ReadLong(), rt::RuntimeError);
    EXPECT_FALSE(handler_.WriteBytes(std::vector<uint8_t>{1}));
    // Output mode takes binary writes and replaces the whole file.
    ASSERT_TRUE(handler_.OpenFile(PathOf("in.txt"), 0));
    handler_.WriteLong(1);
    EXPECT_TRUE(handler_.WriteBytes(std::vector<uint8_t>{9}));
    EXPECT_THROW(handler_.ReadByte(), rt::RuntimeError);
    handler_.CloseFile();
    EXPECT_EQ(Bytes("in.txt"), std::string("\x01\x00\x00\x00\x09", 5));
}

TEST_F(FileHandlerTest, BinaryModeCreatesAMissingFile)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("new/db.dat"), 2));
    EXPECT_TRUE(handler_.WriteBytes(std::vector<uint8_t>{1, 2, 3}));
    handler_.CloseFile();
    EXPECT_EQ(Bytes("new/db.dat"), "\x01\x02\x03");
}

TEST(FileHandlerWithoutErrorObject, ClosesAtTheEndWithoutOne)
{
    TempEnvironment env;
    gError = std::make_unique<clsError>();
    auto handler = std::make_unique<clsFileHandler>();
    ASSERT_TRUE(handler->OpenFile((env.Root() / "late.txt").string(), 0));
    handler->WriteLine("kept");
    gError.reset();
    handler->CloseFile();
    handler->OpenFile((env.Root() / "missing/x.txt").string(), 1);
    handler.reset();
    std::ifstream in(env.Root() / "late.txt");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "kept\r");
}

TEST_F(FileHandlerTest, AnOutputFileBehindALinkIsReplacedAndTheLinkKept)
{
    Put("real.txt", "old\r\n");
    fs::create_symlink(env_.Root() / "real.txt", env_.Root() / "link.txt");
    ASSERT_TRUE(handler_.OpenFile(PathOf("link.txt"), 0));
    handler_.WriteLine("new");
    handler_.CloseFile();
    EXPECT_TRUE(fs::is_symlink(env_.Root() / "link.txt"));
    EXPECT_EQ(Bytes("real.txt"), "new\r\n");
}
