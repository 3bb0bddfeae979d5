#include "curves/clsFileHandler.h"

#include "core/Dateiart.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "curves/Windows1252.h"

#include <bit>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CallStackFrame Aufruf_Vermerken(const char* procedure)
{
    if (!gError) return {};
    return gError->AddFunctionToCallStack("clsFileHandler", procedure);
}

// The run time's error number for a failed file operation.
int32_t Fehlernummer_Von(int error)
{
    switch (error) {
    case ENOENT: return rt::errFileNotFound;
    case ENOTDIR: return rt::errPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return rt::errPermissionDenied;
    case ENOSPC:
    case EDQUOT: return rt::errDiskFull;
    default: return rt::errPathFileAccess;
    }
}

}

// The handler may outlive gError at the program's end, so closing here reports nothing.
clsFileHandler::~clsFileHandler() { Schliessen(); }

bool clsFileHandler::OpenFile(std::optional<std::string> strFilename, std::optional<int32_t> Modus, bool Still)
{
    const CallStackFrame aufruf = Aufruf_Vermerken("OpenFile");
    if (open_) CloseFile();
    if (strFilename) filename_ = *strFilename;
    if (filename_.empty()) return false;
    if (Modus) accessModus_ = *Modus;
    if (accessModus_ < kOutput || accessModus_ > kBinary) return false;

    const std::filesystem::path path(filename_);
    std::error_code ec;
    // Only a file that is written needs its folders; reading one that is not there makes nothing.
    if (accessModus_ != kInput && path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) {
        if (gError) gError->Report("clsFileHandler", "OpenFile", rt::RuntimeError(rt::errPathNotFound), Still);
        return false;
    }

    int error = 0;
    if (accessModus_ == kOutput) {
        error = OutputRefused(path);
        if (error == 0) error = output_.Open(path);
    } else if (Dateiart_Von(filename_) == Dateiart::Andere) {
        // Before the opening, which waits on a named pipe until something writes into it; a folder
        // or a device would only fail at the first read, or never end.
        if (gError)
            gError->Report("clsFileHandler", "OpenFile",
                           rt::RuntimeError(rt::errPathFileAccess,
                                            (gLanguage ? gLanguage->Caption(675)
                                                       : rt::ErrorDescription(rt::errPathFileAccess)) +
                                                "\r\n" + filename_),
                           Still);
        return false;
    } else {
        file_ = std::fopen(path.c_str(), accessModus_ == kInput ? "rb" : "r+b");
        if (!file_ && accessModus_ == kBinary && errno == ENOENT) file_ = std::fopen(path.c_str(), "w+b");
        if (!file_) error = errno;
    }
    if (error != 0) {
        if (gError) gError->Report("clsFileHandler", "OpenFile", rt::RuntimeError(Fehlernummer_Von(error)), Still);
        return false;
    }
    open_ = true;
    openMode_ = accessModus_;
    ++handle_;
    return true;
}

bool clsFileHandler::OpenBytes(std::span<const uint8_t> bytes)
{
    const CallStackFrame aufruf = Aufruf_Vermerken("OpenBytes");
    if (open_) CloseFile();
    // An anonymous file in memory: it reads like any file and needs no folder that can be written.
    const int fd = ::memfd_create("zelo-bytes", MFD_CLOEXEC);
    bool written = fd >= 0;
    for (size_t done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        written = n > 0;
        if (written) done += static_cast<size_t>(n);
    }
    if (written) file_ = ::lseek(fd, 0, SEEK_SET) == 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!written || !file_) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        file_ = nullptr;
        if (gError) gError->Report("clsFileHandler", "OpenBytes", rt::RuntimeError(Fehlernummer_Von(error)));
        return false;
    }
    open_ = true;
    openMode_ = kInput;
    ++handle_;
    return true;
}

bool clsFileHandler::CloseFile()
{
    const CallStackFrame aufruf = Aufruf_Vermerken("CloseFile");
    const int error = Schliessen();
    if (error != 0 && gError) gError->Report("clsFileHandler", "CloseFile", rt::RuntimeError(Fehlernummer_Von(error)));
    return error == 0;
}

int clsFileHandler::Schliessen()
{
    if (!open_) return 0;
    open_ = false;
    int error = 0;
    if (openMode_ == kOutput) {
        error = output_.Commit();
    } else {
        if (std::fclose(file_) != 0) error = errno;
        file_ = nullptr;
    }
    return error;
}

std::string clsFileHandler::FileContent()
{
    int32_t failure = 0;
    std::string bytes;
    if (!open_) {
        failure = rt::errBadFileNumber;
    } else if (openMode_ == kOutput) {
        failure = rt::errBadFileMode;
    } else {
        try {
            const int64_t length = FileLength();
            std::rewind(file_);
            bytes.resize(static_cast<size_t>(length));
            if (std::fread(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failure = rt::errInputPastEnd;
        } catch (const std::bad_alloc&) {
            failure = rt::errOutOfMemory;
        }
    }
    if (failure != 0) {
        if (gError) gError->Report("clsFileHandler", "FileContent", rt::RuntimeError(failure));
        return "";
    }
    return Windows1252ToUtf8(bytes);
}

std::string clsFileHandler::ReadLine()
{
    if (!open_ || openMode_ != kInput) return "";
    std::string line;
    int c;
    while ((c = std::getc(file_)) != EOF && c != '\n') line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Windows1252ToUtf8(line);
}

bool clsFileHandler::ReadLine(std::string& line, size_t maxBytes)
{
    line.clear();
    if (!open_ || openMode_ != kInput) return true;
    int c;
    while ((c = std::getc(file_)) != EOF && c != '\n') {
        // One byte beyond the limit may be the CR of the line end.
        if (line.size() > maxBytes) return false;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxBytes) return false;
    line = Windows1252ToUtf8(line);
    return true;
}

void clsFileHandler::WriteLine(const std::string& strValue)
{
    if (!open_ || openMode_ != kOutput) return;
    output_.Write(TextLine(strValue));
}

std::string clsFileHandler::TextContent(const std::vector<std::string>& lines)
{
    std::string content;
    for (const auto& line : lines) content += TextLine(line);
    return content;
}

int clsFileHandler::WriteTextFile(const std::string& path, std::string_view content)
{
    if (const int error = OutputRefused(path); error != 0) return error;
    return AtomicFile::WriteWhole(path, content);
}

int clsFileHandler::OutputRefused(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return EISDIR;
    if (std::filesystem::exists(path, ec) && ::access(path.c_str(), W_OK) != 0) return errno;
    return 0;
}

std::string clsFileHandler::TextLine(const std::string& line) { return Utf8ToWindows1252(line) + "\r\n"; }

bool clsFileHandler::FileEnd()
{
    if (!open_ || openMode_ == kOutput) return true;
    if (openMode_ == kBinary) return Offset() >= FileLength();
    const int c = std::getc(file_);
    if (c == EOF) return true;
    std::ungetc(c, file_);
    return false;
}

std::FILE* clsFileHandler::Datenstrom() const { return openMode_ == kOutput ? output_.Stream() : file_; }

void clsFileHandler::Voraussetzen(bool forWriting) const
{
    if (!open_) rt::Raise(rt::errBadFileNumber);
    if ((openMode_ == kInput && forWriting) || (openMode_ == kOutput && !forWriting)) rt::Raise(rt::errBadFileMode);
}

int64_t clsFileHandler::FileLength_Ungeschuetzt()
{
    if (!open_) rt::Raise(rt::errBadFileNumber);
    if (openMode_ != kInput) std::fflush(Datenstrom());
    struct stat info {};
    if (::fstat(fileno(Datenstrom()), &info) != 0) rt::Raise(rt::errPathFileAccess);
    return info.st_size;
}

int64_t clsFileHandler::Offset_Ungeschuetzt()
{
    if (!open_) rt::Raise(rt::errBadFileNumber);
    return std::ftell(Datenstrom());
}

void clsFileHandler::SetOffset_Ungeschuetzt(int64_t offset)
{
    if (!open_) rt::Raise(rt::errBadFileNumber);
    if (offset < 0 || std::fseek(Datenstrom(), offset, SEEK_SET) != 0) rt::Raise(rt::errInvalidCall);
}

void clsFileHandler::ReadBytes_Ungeschuetzt(std::span<uint8_t> bytes)
{
    Voraussetzen(false);
    // The position must be moved between writing and reading the same stream.
    std::fseek(file_, 0, SEEK_CUR);
    if (std::fread(bytes.data(), 1, bytes.size(), file_) != bytes.size()) rt::Raise(rt::errInputPastEnd);
}

uint8_t clsFileHandler::ReadByte_Ungeschuetzt()
{
    uint8_t value = 0;
    ReadBytes_Ungeschuetzt({&value, 1});
    return value;
}

int16_t clsFileHandler::ReadInteger_Ungeschuetzt()
{
    uint8_t b[2];
    ReadBytes_Ungeschuetzt(b);
    return static_cast<int16_t>(b[0] | (b[1] << 8));
}

int32_t clsFileHandler::ReadLong_Ungeschuetzt()
{
    uint8_t b[4];
    ReadBytes_Ungeschuetzt(b);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

float clsFileHandler::ReadSingle_Ungeschuetzt() { return std::bit_cast<float>(ReadLong_Ungeschuetzt()); }

std::string clsFileHandler::ReadString_Ungeschuetzt()
{
    const auto length = static_cast<uint16_t>(ReadInteger_Ungeschuetzt());
    if (length > FileLength_Ungeschuetzt() - Offset_Ungeschuetzt()) rt::Raise(rt::errInputPastEnd);
    std::string bytes(length, '\0');
    ReadBytes_Ungeschuetzt({reinterpret_cast<uint8_t*>(bytes.data()), bytes.size()});
    return Windows1252ToUtf8(bytes);
}

bool clsFileHandler::Roh_Schreiben(std::span<const uint8_t> bytes)
{
    Voraussetzen(true);
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // An output file keeps its first failure and reports it when it is closed.
    if (openMode_ == kOutput) return output_.Write(view);
    std::fseek(file_, 0, SEEK_CUR);
    if (std::fwrite(view.data(), 1, view.size(), file_) != view.size())
        rt::Raise(errno == ENOSPC ? rt::errDiskFull : rt::errPathFileAccess);
    return true;
}

void clsFileHandler::WriteByte_Ungeschuetzt(uint8_t value) { Roh_Schreiben({&value, 1}); }

void clsFileHandler::WriteInteger_Ungeschuetzt(int16_t value)
{
    const auto bits = static_cast<uint16_t>(value);
    const uint8_t b[2] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8)};
    Roh_Schreiben(b);
}

void clsFileHandler::WriteLong_Ungeschuetzt(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    Roh_Schreiben(b);
}

void clsFileHandler::WriteSingle_Ungeschuetzt(float value) { WriteLong_Ungeschuetzt(std::bit_cast<int32_t>(value)); }

void clsFileHandler::WriteString_Ungeschuetzt(const std::string& value)
{
    const std::string bytes = Utf8ToWindows1252(value);
    if (bytes.size() > std::numeric_limits<uint16_t>::max()) rt::Raise(rt::errOverflow);
    WriteInteger_Ungeschuetzt(static_cast<int16_t>(static_cast<uint16_t>(bytes.size())));
    Roh_Schreiben({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

bool clsFileHandler::WriteBytes(std::span<const uint8_t> bytes)
{
    try {
        return Roh_Schreiben(bytes);
    } catch (const rt::RuntimeError&) {
        return false;
    }
}

int64_t clsFileHandler::FileLength()
{
    return Guarded("clsFileHandler", "FileLength", [this] { return FileLength_Ungeschuetzt(); });
}

int64_t clsFileHandler::Offset()
{
    return Guarded("clsFileHandler", "Offset", [this] { return Offset_Ungeschuetzt(); });
}

void clsFileHandler::SetOffset(int64_t offset)
{
    Guarded("clsFileHandler", "SetOffset", [&] { SetOffset_Ungeschuetzt(offset); });
}

void clsFileHandler::ReadBytes(std::span<uint8_t> bytes)
{
    Guarded("clsFileHandler", "ReadBytes", [&] { ReadBytes_Ungeschuetzt(bytes); });
}

uint8_t clsFileHandler::ReadByte()
{
    return Guarded("clsFileHandler", "ReadByte", [this] { return ReadByte_Ungeschuetzt(); });
}

int16_t clsFileHandler::ReadInteger()
{
    return Guarded("clsFileHandler", "ReadInteger", [this] { return ReadInteger_Ungeschuetzt(); });
}

int32_t clsFileHandler::ReadLong()
{
    return Guarded("clsFileHandler", "ReadLong", [this] { return ReadLong_Ungeschuetzt(); });
}

float clsFileHandler::ReadSingle()
{
    return Guarded("clsFileHandler", "ReadSingle", [this] { return ReadSingle_Ungeschuetzt(); });
}

std::string clsFileHandler::ReadString()
{
    return Guarded("clsFileHandler", "ReadString", [this] { return ReadString_Ungeschuetzt(); });
}

void clsFileHandler::WriteByte(uint8_t value)
{
    Guarded("clsFileHandler", "WriteByte", [&] { WriteByte_Ungeschuetzt(value); });
}

void clsFileHandler::WriteInteger(int16_t value)
{
    Guarded("clsFileHandler", "WriteInteger", [&] { WriteInteger_Ungeschuetzt(value); });
}

void clsFileHandler::WriteLong(int32_t value)
{
    Guarded("clsFileHandler", "WriteLong", [&] { WriteLong_Ungeschuetzt(value); });
}

void clsFileHandler::WriteSingle(float value)
{
    Guarded("clsFileHandler", "WriteSingle", [&] { WriteSingle_Ungeschuetzt(value); });
}

void clsFileHandler::WriteString(const std::string& value)
{
    Guarded("clsFileHandler", "WriteString", [&] { WriteString_Ungeschuetzt(value); });
}
