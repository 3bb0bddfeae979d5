#pragma once
// Typed named values under key paths, kept in the program's own settings file (SettingsFile) in
// place of the system registry of the original platform. ReadValue and WriteValue address the one
// settings key; the other members work on the current key and value set through the fields.
#include "core/SettingsFile.h"

#include <cstdint>
#include <functional>
#include <string>

class cRegistry {
    // Settings choose themselves how a failed write is reported, so they take the forms that let
    // the error pass.
    friend class clsOptions;

public:
    // The per-user root; the store holds no other root.
    static constexpr int32_t HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u);
    // Value types, numbered as the system registry numbers them.
    static constexpr int32_t REG_SZ = 1;
    static constexpr int32_t REG_EXPAND_SZ = 2;
    static constexpr int32_t REG_BINARY = 3;
    static constexpr int32_t REG_DWORD = 4;
    static constexpr int32_t REG_DWORD_BIG_ENDIAN = 5;
    static constexpr int32_t REG_MULTI_SZ = 7;
    // Errors reported: a key operation failed, a value could not be written.
    static constexpr int32_t errKeyFailed = 26001;
    static constexpr int32_t errWriteFailed = static_cast<int32_t>(0x800469A9u);
    static constexpr const char* kSettingsKey = "Software\\Murenko\\Settings";

    // True when the current key exists.
    bool KeyExists() const;
    // The key operations report a failure through gError (module "cRegistry") and return false.
    // Creates the current key; errKeyFailed when it cannot be created.
    bool CreateKey();
    // Deletes the current key (it must hold no keys below it); errKeyFailed on failure.
    bool DeleteKey();
    // Deletes the current value; errKeyFailed when the key or the value is missing or the store
    // cannot be written.
    bool DeleteValue();

    // Reads the current value. Sets ValueType to the stored type (REG_SZ, REG_DWORD or REG_BINARY);
    // a missing value gives Default, an unreadable store Default and a silent entry in gError.
    RegValue Value();
    // Writes the current value with ValueType: REG_SZ and REG_EXPAND_SZ a text (a number is written
    // as its decimal text; texts are stored verbatim, never with expanded references),
    // REG_BINARY bytes, REG_DWORD and REG_DWORD_BIG_ENDIAN a number. Reports errKeyFailed when the
    // key cannot be created or REG_BINARY gets no bytes, errWriteFailed for any other failure
    // (a value of the wrong kind, an unknown type, a store that cannot be written).
    void setValue(const RegValue& value);

    // Calls NewEnumValue(count, name) for each value of the current key, count from 1.
    bool EnumerateValues();
    // Calls NewEnumKey(tag, name) for each key directly below the current key.
    bool EnumerateSections(int32_t tag);
    std::function<void(int32_t& count, std::string& name)> NewEnumValue;
    std::function<void(int32_t& tag, std::string& name)> NewEnumKey;

    int32_t ValueType() const { return valueType_; }
    void setValueType(int32_t value) { valueType_ = value; }
    int32_t HKEY() const { return hkey_; }
    void setHKEY(int32_t value) { hkey_ = value; }
    std::string SectionKey() const { return sectionKey_; }
    void setSectionKey(const std::string& value) { sectionKey_ = value; }
    std::string ValueKey() const { return valueKey_; }
    void setValueKey(const std::string& value) { valueKey_ = value; }
    RegValue Default() const { return default_; }
    void setDefault(const RegValue& value) { default_ = value; }

    // Window-system metrics have no counterpart here: 0, and nothing to refresh.
    int32_t GetMetrics(int32_t index) const;
    void RefreshWindowMetrics();

    // One setting of the settings key: the stored value, or defaultValue when there is none.
    RegValue ReadValue(const std::string& name, int32_t type, const RegValue& defaultValue);
    // Writes one setting of the settings key, creating the key first; reports as setValue.
    void WriteValue(const std::string& name, int32_t type, const RegValue& value);

private:
    // The forms of CreateKey, setValue and WriteValue that let a run-time error pass to the caller.
    void CreateKey_Ungeschuetzt();
    void setValue_Ungeschuetzt(const RegValue& value);
    void WriteValue_Ungeschuetzt(const std::string& name, int32_t type, const RegValue& value);

    // Loads the store; false when it exists but cannot be read.
    bool Speicher_Laden(SettingsFile& store) const;
    bool Schluessel_Brauchbar() const;
    // Saves the store, keeping a damaged or oversized file as a copy first, once a run (the note
    // for the user waits in hinweis_); 0 or the errno.
    int Speicher_Schreiben(const SettingsFile& store);
    // Runs one read-change-write of the store under the settings lock, then shows a waiting note
    // (the first write without the lock brings one).
    void Unter_Sperre(const std::function<void()>& change);
    // The error of a failed write; error, when not 0, adds the file and the system's reason.
    [[noreturn]] void Schreibfehler_Ausloesen(int32_t number, const RegValue& value, int error = 0);

    int32_t hkey_ = 0;
    std::string sectionKey_;
    std::string valueKey_;
    RegValue default_;
    int32_t valueType_ = 0;
    std::string hinweis_;
    bool sperreGemeldet_ = false;
    // The settings file was kept as a copy in this run.
    bool kopieAngelegt_ = false;
    // The system's reason (an errno) of the last store write that failed, 0 when it gave none.
    int systemfehler_ = 0;
};
