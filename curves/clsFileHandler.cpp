#include "curves/clsFileHandler.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <filesystem>

clsFileHandler::~clsFileHandler() { CloseFile(); }

bool clsFileHandler::OpenFile(const std::string& strFilename, int32_t Modus)
{
    gError->AddFunctionToCallStack("clsFileHandler", "OpenFile");
    CloseFile();
    if (strFilename.empty() || Modus < 0 || Modus > 2) return false;
    std::error_code ec;
    const auto folder = std::filesystem::path(strFilename).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    static const char* const modes[] = {"wb", "rb", "r+b"};
    file_ = std::fopen(strFilename.c_str(), modes[Modus]);
    if (!file_ && Modus == 2) file_ = std::fopen(strFilename.c_str(), "w+b");
    if (!file_) {
        gError->ErrorMsg("clsFileHandler", "OpenFile", false, Modus == 1 ? rt::errFileNotFound : rt::errPathFileAccess,
                         rt::ErrorDescription(Modus == 1 ? rt::errFileNotFound : rt::errPathFileAccess));
        return false;
    }
    ++handle_;
    return true;
}

void clsFileHandler::CloseFile()
{
    gError->AddFunctionToCallStack("clsFileHandler", "CloseFile");
    if (!file_) return;
    if (std::fclose(file_) != 0)
        gError->ErrorMsg("clsFileHandler", "CloseFile", false, rt::errDiskFull, rt::ErrorDescription(rt::errDiskFull));
    file_ = nullptr;
}

bool clsFileHandler::WriteBytes(std::span<const uint8_t> bytes)
{
    if (!file_) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

void clsFileHandler::WriteLine(const std::string& strValue)
{
    if (!file_) return;
    std::fputs(strValue.c_str(), file_);
    std::fputs("\r\n", file_);
}
