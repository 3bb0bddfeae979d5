#pragma once
// The one wrapper through which files are opened, read, written and closed; one open file at a time.
// Text files are single-byte Windows-1252 on disk and UTF-8 in memory; lines are written with CR LF
// and read with LF or CR LF.
#include "core/AtomicFile.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class clsFileHandler {
public:
    // The open modes of OpenFile and AccessModus.
    static constexpr int32_t kOutput = 0;  // text, created or emptied
    static constexpr int32_t kInput = 1;   // text
    static constexpr int32_t kBinary = 2;  // read and write, created when missing

    clsFileHandler() = default;
    ~clsFileHandler();
    clsFileHandler(const clsFileHandler&) = delete;
    clsFileHandler& operator=(const clsFileHandler&) = delete;

    // Closes the open file, then opens strFilename (else the stored Filename) in Modus (else the
    // stored AccessModus): 0 text output, 1 text input, 2 binary read and write (created when
    // missing). Missing folders of the path are created for output and binary access; opening for
    // input creates nothing. An output file replaces the old file only when it is closed, so a
    // failed write leaves the old file whole.
    // A folder, a device or a named pipe is refused for reading before it is opened (a pipe would
    // wait for a writer).
    // False with a report when the file cannot be opened (Still: stored without the error window,
    // for a caller that tells the user itself); False without one for an empty name or an unknown
    // mode.
    bool OpenFile(std::optional<std::string> strFilename = std::nullopt, std::optional<int32_t> Modus = std::nullopt,
                  bool Still = false);
    // Closes the open file, then opens a read-only copy of bytes that no file holds, read as a file
    // opened for input; false with a report when memory for it cannot be had.
    bool OpenBytes(std::span<const uint8_t> bytes);
    // Closes the open file, if any; a failure to write it is reported and returns false (an output
    // file then keeps its old content).
    bool CloseFile();
    // The number of the current opening (a new one for every OpenFile).
    int32_t FileHandle() const { return handle_; }
    bool IsOpen() const { return open_; }

    std::string Filename() const { return filename_; }
    void setFilename(const std::string& value) { filename_ = value; }
    int32_t AccessModus() const { return accessModus_; }
    void setAccessModus(int32_t value) { accessModus_ = value; }

    // The whole content of a file open for input or binary access; "" with a report on failure.
    std::string FileContent();
    // The next line of a file open for input, without its line end; "" when there is none.
    std::string ReadLine();
    // The next line as ReadLine gives it; false when it holds more than maxBytes bytes (then line
    // holds its beginning and the rest stays unread), so that a reader never takes a huge line whole.
    bool ReadLine(std::string& line, size_t maxBytes);
    // Writes one line and CR LF to a file open for output; a write failure is reported on closing.
    void WriteLine(const std::string& strValue);
    // The bytes of a text file of lines, as an output file written line by line holds them.
    static std::string TextContent(const std::vector<std::string>& lines);
    // Replaces the file at path (whose folder must exist) by content (see TextContent), whole or
    // not at all; returns 0 or the errno, reporting nothing, so that the caller can say which file
    // failed and why.
    static int WriteTextFile(const std::string& path, std::string_view content);
    // True at the end of a file open for input or binary access, and whenever nothing can be read.
    bool FileEnd();

    // Binary access at the current position for the element database records: reads need input or
    // binary mode, writes binary or output mode (output gives an all-or-nothing replacement of the file).
    // A failure is reported with the run time's error (no file open 52, wrong mode 54, short file
    // 62, failed write 61/75, text longer than 65535 bytes 6); a read then gives 0 or "".
    int64_t FileLength();
    int64_t Offset();
    void SetOffset(int64_t offset);
    void ReadBytes(std::span<uint8_t> bytes);
    uint8_t ReadByte();
    int16_t ReadInteger();
    int32_t ReadLong();
    float ReadSingle();
    // A 16-bit length and as many Windows-1252 bytes.
    std::string ReadString();
    void WriteByte(uint8_t value);
    void WriteInteger(int16_t value);
    void WriteLong(int32_t value);
    void WriteSingle(float value);
    void WriteString(const std::string& value);
    // Writes raw bytes; false instead of an error when nothing can be written.
    bool WriteBytes(std::span<const uint8_t> bytes);

private:
    // 0, or the errno that keeps an output file from replacing path: a folder there, or a file that
    // may not be written (the rename of the replacement would pass over its protection).
    static int OutputRefused(const std::filesystem::path& path);
    // A line as a text file holds it: Windows-1252, ended by CR LF.
    static std::string TextLine(const std::string& line);

    // The database reader and writer let the first failed field fail the whole file.
    friend class ElementDatenbankZugriff;

    // The binary access above, raising its run-time error.
    int64_t FileLength_Ungeschuetzt();
    int64_t Offset_Ungeschuetzt();
    void SetOffset_Ungeschuetzt(int64_t offset);
    void ReadBytes_Ungeschuetzt(std::span<uint8_t> bytes);
    uint8_t ReadByte_Ungeschuetzt();
    int16_t ReadInteger_Ungeschuetzt();
    int32_t ReadLong_Ungeschuetzt();
    float ReadSingle_Ungeschuetzt();
    std::string ReadString_Ungeschuetzt();
    void WriteByte_Ungeschuetzt(uint8_t value);
    void WriteInteger_Ungeschuetzt(int16_t value);
    void WriteLong_Ungeschuetzt(int32_t value);
    void WriteSingle_Ungeschuetzt(float value);
    void WriteString_Ungeschuetzt(const std::string& value);

    // Closes the open file without registering or reporting; the errno of a failure, else 0.
    int Schliessen();
    std::FILE* Datenstrom() const;
    void Voraussetzen(bool forWriting) const;
    bool Roh_Schreiben(std::span<const uint8_t> bytes);

    std::string filename_;
    int32_t accessModus_ = 0;
    bool open_ = false;
    int32_t openMode_ = 0;
    int32_t handle_ = 0;
    std::FILE* file_ = nullptr;  // input and binary files
    AtomicFile output_;          // output files
};
