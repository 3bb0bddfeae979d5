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

TEST_F(FileHandlerTest, TextLinesAreWrittenWithCrLfAndReadWithEitherLineEndInWindows1252)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("out.txt"), 0));
    handler_.WriteLine("1.5\t2");
    handler_.WriteLine("Angström");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("out.txt"), "1.5\t2\r\nAngstr\xF6m\r\n");

    Put("in.txt", "a\r\nb\nStr\xF6m\r\nlast");
    ASSERT_TRUE(handler_.OpenFile(PathOf("in.txt"), 1));
    std::vector<std::string> lines;
    while (!handler_.FileEnd()) lines.push_back(handler_.ReadLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "Ström", "last"}));
    EXPECT_EQ(handler_.ReadLine(), "");
    EXPECT_EQ(handler_.FileContent(), "a\r\nb\nStröm\r\nlast");
    EXPECT_EQ(seam_.errorWindows, 0);
}

TEST_F(FileHandlerTest, AnOutputFileReplacesTheOldOneOnlyWhenClosedAndKeepsALink)
{
    Put("real.txt", "old\r\n");
    fs::create_symlink(env_.Root() / "real.txt", env_.Root() / "link.txt");
    ASSERT_TRUE(handler_.OpenFile(PathOf("link.txt"), 0));
    handler_.WriteLine("new");
    EXPECT_EQ(Bytes("real.txt"), "old\r\n");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("real.txt"), "new\r\n");
    EXPECT_TRUE(fs::is_symlink(env_.Root() / "link.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(env_.Root()), fs::directory_iterator()), 2) << "no temporary left";
}

TEST_F(FileHandlerTest, OneFileAtATimeInItsModeWithMissingFoldersCreated)
{
    Put("first.txt", "1\r\n");
    ASSERT_TRUE(handler_.OpenFile(PathOf("first.txt"), 1));
    ASSERT_TRUE(handler_.OpenFile(PathOf("a/b/second.txt"), 0)) << "opening a second file closes the first";
    EXPECT_EQ(handler_.ReadLine(), "") << "an output file cannot be read";
    EXPECT_EQ(handler_.FileContent(), "");
    EXPECT_EQ(gError->ErrorNumber(), rt::errBadFileMode);
    handler_.WriteLine("2");
    ASSERT_TRUE(handler_.OpenFile(PathOf("first.txt"), 1));
    EXPECT_EQ(Bytes("a/b/second.txt"), "2\r\n");
    handler_.ReadLine();
    ASSERT_TRUE(handler_.OpenFile()) << "the last name and mode again";
    EXPECT_EQ(handler_.ReadLine(), "1");

    EXPECT_FALSE(handler_.OpenFile(PathOf("d/e/missing.txt"), 1));
    EXPECT_TRUE(fs::is_directory(PathOf("d/e")));
    EXPECT_EQ(gError->ErrorNumber(), rt::errFileNotFound);
    EXPECT_FALSE(handler_.OpenFile(PathOf("x.txt"), 3)) << "an unknown mode";
    EXPECT_FALSE(fs::exists(PathOf("x.txt")));
}

TEST_F(FileHandlerTest, APathThatCannotBeCreatedIsReported)
{
    Put("plain", "not a folder");
    EXPECT_FALSE(handler_.OpenFile(PathOf("plain/out.txt"), 0));
    EXPECT_EQ(gError->ErrorNumber(), rt::errPathNotFound);
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_FALSE(handler_.OpenFile(env_.Root().string(), 0));
    EXPECT_EQ(gError->ErrorNumber(), rt::errPathFileAccess);
}

TEST_F(FileHandlerTest, BinaryRecordsAreReadAndWrittenInPlaceAndReadsPastTheEndRaise)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("new/db.dat"), 2));
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
    EXPECT_THROW(handler_.ReadLong(), rt::RuntimeError);
    handler_.CloseFile();
    EXPECT_EQ(Bytes("new/db.dat").substr(0, 13), std::string("\x05\x00ZELO3\xFE\xFF\xFF\xFF\xFF\xFF", 13));

    Put("short.dat", std::string("\x09\x00" "abc", 5));
    ASSERT_TRUE(handler_.OpenFile(PathOf("short.dat"), 2));
    try {
        handler_.ReadString();
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errInputPastEnd);
    }
    ASSERT_TRUE(handler_.OpenFile(PathOf("short.dat"), 1));
    EXPECT_THROW(handler_.ReadLong(), rt::RuntimeError) << "binary access needs binary mode";
    EXPECT_FALSE(handler_.WriteBytes(std::vector<uint8_t>{1}));
}
