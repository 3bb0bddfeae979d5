#pragma once
// The one wrapper through which files are opened, read, written and closed; one open file at a time.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

class clsFileHandler {
public:
    ~clsFileHandler();
    // Mode 0 text output, 1 text input, 2 binary read and write.
    bool OpenFile(const std::string& strFilename, int32_t Modus);
    void CloseFile();
    int32_t FileHandle() const { return handle_; }
    // Writes one line of text followed by CR LF to a file opened for output; errors are ignored.
    void WriteLine(const std::string& strValue);
    // Writes raw bytes at the current position of a file opened in binary mode.
    bool WriteBytes(std::span<const uint8_t> bytes);

private:
    std::FILE* file_ = nullptr;
    int32_t handle_ = 0;
};
