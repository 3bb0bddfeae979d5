#include "CurvesTest.h"
#include "curves/clsFileHandler.h"
#include "core/clsLanguage.h"
#include "support/Pipenwache.h"

namespace fs = std::filesystem;

class FileHandlerTest : public CurvesTest {
protected:
    std::string Bytes(const std::string& name) const { return ReadFile(PathOf(name)); }

    clsFileHandler handler_;
};

TEST_F(FileHandlerTest, LinesAreWrittenWithCrLfReadWithEitherLineEndAndReplaceTheOldFileOnlyWhenClosed)
{
    ASSERT_TRUE(handler_.OpenFile(PathOf("out.txt"), clsFileHandler::kOutput));
    handler_.WriteLine("1.5\t2");
    handler_.WriteLine("Angström");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("out.txt"), "1.5\t2\r\nAngstr\xF6m\r\n");

    ASSERT_TRUE(handler_.OpenFile(WriteFile("in.txt", "a\r\nb\nStr\xF6m\r\nlast"), clsFileHandler::kInput));
    std::vector<std::string> lines;
    while (!handler_.FileEnd()) lines.push_back(handler_.ReadLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "Ström", "last"}));
    EXPECT_EQ(handler_.ReadLine(), "");
    EXPECT_EQ(handler_.FileContent(), "a\r\nb\nStröm\r\nlast");
    EXPECT_EQ(seam.errorWindows, 0);

    ASSERT_TRUE(handler_.OpenFile(WriteFile("real.txt", "old\r\n"), clsFileHandler::kOutput));
    handler_.WriteLine("new");
    EXPECT_EQ(Bytes("real.txt"), "old\r\n");
    handler_.CloseFile();
    EXPECT_EQ(Bytes("real.txt"), "new\r\n");
    const auto isFile = [](const fs::directory_entry& entry) { return entry.is_regular_file(); };
    EXPECT_EQ(std::count_if(fs::directory_iterator(env.Root()), {}, isFile), 3) << "no temporary left";

    EXPECT_FALSE(handler_.OpenFile(PathOf("real.txt/out.txt"), clsFileHandler::kOutput));
    EXPECT_EQ(gError->ErrorNumber(), rt::errPathNotFound);
    EXPECT_EQ(seam.errorWindows, 1);
    ASSERT_TRUE(handler_.OpenFile(PathOf("target.txt"), clsFileHandler::kOutput));
    fs::create_directories(PathOf("target.txt/inside"));  // something else takes the name before the close
    EXPECT_FALSE(handler_.CloseFile());
    EXPECT_EQ(seam.errorWindows, 2);
}

TEST_F(FileHandlerTest, OneFileAtATimeInItsModeWithMissingFoldersCreatedOnlyForWriting)
{
    ASSERT_TRUE(handler_.OpenFile(WriteFile("first.txt", "1\r\n"), clsFileHandler::kInput));
    ASSERT_TRUE(handler_.OpenFile(PathOf("a/b/second.txt"), clsFileHandler::kOutput))
        << "opening a second file closes the first";
    EXPECT_EQ(handler_.ReadLine(), "") << "an output file cannot be read";
    EXPECT_EQ(handler_.FileContent(), "");
    EXPECT_EQ(gError->ErrorNumber(), rt::errBadFileMode);
    handler_.WriteLine("2");
    ASSERT_TRUE(handler_.OpenFile(PathOf("first.txt"), clsFileHandler::kInput));
    EXPECT_EQ(Bytes("a/b/second.txt"), "2\r\n");
    handler_.ReadLine();
    ASSERT_TRUE(handler_.OpenFile()) << "the last name and mode again";
    EXPECT_EQ(handler_.ReadLine(), "1");

    EXPECT_FALSE(handler_.OpenFile(PathOf("d/e/missing.txt"), clsFileHandler::kInput));
    EXPECT_FALSE(fs::exists(PathOf("d"))) << "reading a file that is not there makes nothing";
    EXPECT_EQ(gError->ErrorNumber(), rt::errFileNotFound);
    ASSERT_TRUE(handler_.OpenFile(PathOf("f/g/binary.dat"), clsFileHandler::kBinary)) << "read and write: made";
    EXPECT_TRUE(fs::is_regular_file(PathOf("f/g/binary.dat")));
    EXPECT_FALSE(handler_.OpenFile(PathOf("x.txt"), 3)) << "an unknown mode";
    EXPECT_FALSE(fs::exists(PathOf("x.txt")));
}

TEST_F(FileHandlerTest, AFolderADeviceOrANamedPipeIsRefusedForReadingBeforeItIsOpened)
{
    const Pipenwache pipe(PathOf("pipe.dat"));
    fs::create_directories(PathOf("ordner.dat"));
    for (const std::string& pfad : {pipe.Pfad(), PathOf("ordner.dat"), std::string("/dev/zero")})
        for (const int32_t modus : {clsFileHandler::kInput, clsFileHandler::kBinary}) {
            EXPECT_FALSE(handler_.OpenFile(pfad, modus, true)) << pfad;
            EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(675) + "\r\n" + pfad);
        }
    EXPECT_FALSE(pipe.Freigegeben()) << "the pipe was opened and waited for a writer";
    EXPECT_EQ(seam.errorWindows, 0);
}

// At the program's end the handler may outlive the error reporter: its end must not reach it.
TEST_F(FileHandlerTest, EndingWithAnOpenFileClosesItWithoutTheErrorReporter)
{
    const CallStackFrame test = gError->AddFunctionToCallStack("Test", "Ende");
    {
        clsFileHandler kept;
        clsFileHandler failing;
        ASSERT_TRUE(kept.OpenFile(PathOf("kept.txt"), 0));
        kept.WriteLine("kept");
        ASSERT_TRUE(failing.OpenFile(PathOf("failing.txt"), 0));
        fs::create_directories(PathOf("failing.txt/inside"));  // its close fails
    }
    EXPECT_EQ(Bytes("kept.txt"), "kept\r\n");
    EXPECT_EQ(gError->Entry(gError->RingIndex()).Funktion, "Ende");
    EXPECT_FALSE(gError->Error());
    EXPECT_EQ(seam.errorWindows, 0);
}
