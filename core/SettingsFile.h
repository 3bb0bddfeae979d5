#pragma once
// The settings store on disk: one human-readable text file in the user's configuration folder,
// with named, typed values grouped under key paths:
//
//   [Software\Murenko\Settings]
//   Max_R=text:2.5
//   nm=dword:1
//   Blob=binary:00ff10
//
// In names and texts a backslash is written "\\" and control characters (and "=" in names) as
// "\xHH". Lines that cannot be read are skipped, so a damaged file loses only those values; the
// store notes the damage, so that the file is kept as a copy before it is written anew. Reading
// takes time in proportion to the file's length.
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

// A stored value: nothing, a text, a 32-bit number or bytes.
using RegValue = std::variant<std::monostate, std::string, int32_t, std::vector<uint8_t>>;

class SettingsFile {
public:
    enum class State { Missing, Read, Unreadable };

    // $XDG_CONFIG_HOME/Murenko/Settings.ini, else ~/.config/Murenko/Settings.ini.
    static std::filesystem::path Location();

    // A settings file is a few kilobytes; of a file over this size only the lines within it are read.
    static constexpr size_t kMaxFileSize = 1 << 20;

    // Reads the file at Location(); a missing or unreadable file leaves the store empty (Error then
    // gives the errno of an unreadable one). Anything but a plain file there (a folder, a device, a
    // named pipe) is unreadable without being opened. Of a file over kMaxFileSize only the lines
    // within the bound are read.
    State Load();
    int Error() const { return error_; }
    // True when the text read held lines that could not be read, or the file was cut at the bound.
    bool Damaged() const { return damaged_; }
    // True when the file read was over kMaxFileSize, so that the lines behind the bound are missing.
    bool Cut() const { return cut_; }
    // True when Save leaves out values read from the file: the text would be over kMaxFileSize and
    // so not be read back whole, or the file was cut and its text would be over half the bound.
    bool Oversized() const;
    // Writes the store to Location() in one step (the folder is created); returns 0 or the errno.
    // A store file the user may not write (made read-only) is never replaced: EACCES. A store over
    // kMaxFileSize, or read from a file over it, leaves out values read from the file, the last
    // first, until it takes half the bound (the values set since keep their place), so that the
    // file written reads back whole and the next runs find it within the bound.
    int Save() const;
    // Why Save would refuse the file as it stands (EACCES for a read-only one), or 0.
    static int WriteRefused();
    // Removes the file; returns 0 or the errno.
    static int Remove();

    bool HasKey(const std::string& key) const;
    void AddKey(const std::string& key);
    // The names of the keys directly below key.
    std::vector<std::string> SubKeys(const std::string& key) const;
    void RemoveKey(const std::string& key);

    const RegValue* Find(const std::string& key, const std::string& name) const;
    void Set(const std::string& key, const std::string& name, const RegValue& value);
    bool Erase(const std::string& key, const std::string& name);
    std::vector<std::string> Names(const std::string& key) const;

    // The text of the whole store, as Save writes it; Parse reads such a text.
    std::string Text() const;
    void Parse(const std::string& text);

private:
    struct Entry {
        std::string name;
        RegValue value;
        // Set since the file was read (not just read from it).
        bool set = false;
    };
    struct Key {
        std::string path;
        std::vector<Entry> entries;
        // The position in entries of each name, by its letter-case-free form.
        std::unordered_map<std::string, size_t> index;
    };
    Key* Schluessel_Suchen(const std::string& key);
    const Key* Schluessel_Suchen(const std::string& key) const;
    void Eintragen(const std::string& key, const std::string& name, const RegValue& value, bool set);
    void Verzeichnis_Erneuern();
    // Whether a store whose text takes textSize bytes is oversized (see Oversized).
    bool Zu_Gross(size_t textSize) const;
    // The text Save writes: Text(), or for an oversized store the text without the last values read.
    std::string Text_Zum_Schreiben() const;

    std::vector<Key> keys_;
    // The position in keys_ of each key path, by its letter-case-free form.
    std::unordered_map<std::string, size_t> keyIndex_;
    bool damaged_ = false;
    bool cut_ = false;
    int error_ = 0;
};

// True when both texts are equal but for the letter case of A to Z (key paths and value names
// compare this way, as those of the system registry do).
bool SameName(const std::string& a, const std::string& b);
