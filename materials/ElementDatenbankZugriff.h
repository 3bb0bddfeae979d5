#pragma once
// "Zugriff" is German for access.
// The throwing way into the element database file: the file handler's binary access and the
// records' read and write raise their run-time error here, so that the first failed field fails
// the whole file and the reader or writer reports it once. Only the reader, the writer and the
// records can make one; everyone else uses the reporting public members.
#include "core/Runtime.h"
#include "curves/clsFileHandler.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

class clsElement;
enum class Zelo_Speicherung;
class clsFMK;
class clsFMK_Intern;
class clsXAchse;

class ElementDatenbankZugriff {
public:
    int64_t FileLength() { return datei_.FileLength_Ungeschuetzt(); }
    int64_t Offset() { return datei_.Offset_Ungeschuetzt(); }
    void SetOffset(int64_t offset) { datei_.SetOffset_Ungeschuetzt(offset); }
    void ReadBytes(std::span<uint8_t> bytes) { datei_.ReadBytes_Ungeschuetzt(bytes); }
    uint8_t ReadByte() { return datei_.ReadByte_Ungeschuetzt(); }
    int16_t ReadInteger() { return datei_.ReadInteger_Ungeschuetzt(); }
    int32_t ReadLong() { return datei_.ReadLong_Ungeschuetzt(); }
    float ReadSingle() { return datei_.ReadSingle_Ungeschuetzt(); }
    std::string ReadString() { return datei_.ReadString_Ungeschuetzt(); }
    void WriteByte(uint8_t value) { datei_.WriteByte_Ungeschuetzt(value); }
    void WriteInteger(int16_t value) { datei_.WriteInteger_Ungeschuetzt(value); }
    void WriteLong(int32_t value) { datei_.WriteLong_Ungeschuetzt(value); }
    void WriteSingle(float value) { datei_.WriteSingle_Ungeschuetzt(value); }
    void WriteString(const std::string& value) { datei_.WriteString_Ungeschuetzt(value); }
    // A fixed block of bytes: the electron configuration, or reserved bytes carried from file to file.
    void WriteBlock(std::span<const uint8_t> bytes)
    {
        if (!datei_.WriteBytes(bytes)) rt::Raise(rt::errDiskFull);
    }

    // The records at the current position, each of them reading or writing the file its
    // Dateinummer names.
    void Lesen(clsXAchse& xAchse);
    void Lesen(clsElement& element);
    void Lesen(clsFMK_Intern& tabelle);
    // The Anzahl stored tables, then the file tables of the form-factor folders.
    void Lesen(clsFMK& fmk, int32_t Anzahl);
    void Speichern(const clsXAchse& xAchse);
    void Speichern(const clsElement& element);
    void Speichern(const clsFMK_Intern& tabelle);
    void Speichern(const clsFMK& fmk);

private:
    friend void Zelo_Oeffnen(std::span<const uint8_t> ersatz);
    friend Zelo_Speicherung Zelo_Speichern();
    friend class clsElement;
    friend class clsXAchse;
    friend class clsFMK_Intern;
    friend class clsFMK;

    explicit ElementDatenbankZugriff(clsFileHandler& datei) : datei_(datei) {}
    // The file handler when Dateinummer names its open file; else "Bad file name or number".
    static ElementDatenbankZugriff Fuer(int32_t Dateinummer);

    clsFileHandler& datei_;
};
