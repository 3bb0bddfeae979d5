#include "core/SettingsFile.h"

#include "core/AtomicFile.h"
#include "core/Dateiart.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace {

constexpr const char* kHeader = "# Settings: one value per line, name=type:value (type text, dword or binary)";

char Kleinbuchstabe(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The form of a name under which every letter case of it is found.
std::string Gefaltet(std::string name)
{
    for (char& c : name) c = Kleinbuchstabe(c);
    return name;
}

std::string Hexbyte(uint8_t byte)
{
    static const char digits[] = "0123456789abcdef";
    return {digits[byte >> 4], digits[byte & 15]};
}

int Hexziffer(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = Kleinbuchstabe(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Escapes a name (inName) or a text so that it fits on one line and reads back unchanged.
std::string Maskieren(const std::string& text, bool inName)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<uint8_t>(text[i]);
        const bool lineStart = inName && i == 0 && (c == '[' || c == '#' || c == ';');
        if (c == '\\')
            out += "\\\\";
        else if (c < 0x20 || c == 0x7F || (inName && c == '=') || lineStart)
            out += "\\x" + Hexbyte(c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

bool Demaskieren(const std::string& text, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && Hexziffer(text[i + 2]) >= 0 &&
                   Hexziffer(text[i + 3]) >= 0) {
            out += static_cast<char>(Hexziffer(text[i + 2]) * 16 + Hexziffer(text[i + 3]));
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

std::string Werttext(const RegValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) return "text:" + Maskieren(*text, false);
    if (const auto* number = std::get_if<int32_t>(&value)) return "dword:" + std::to_string(*number);
    std::string out = "binary:";
    if (const auto* bytes = std::get_if<std::vector<uint8_t>>(&value))
        for (uint8_t b : *bytes) out += Hexbyte(b);
    return out;
}

// One value's line of the file.
std::string Zeile(const std::string& name, const RegValue& value)
{
    return Maskieren(name, true) + "=" + Werttext(value) + "\n";
}

bool Wert_Lesen(const std::string& text, RegValue& value)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos) return false;
    const std::string type = text.substr(0, colon);
    const std::string data = text.substr(colon + 1);
    if (type == "text") {
        std::string plain;
        if (!Demaskieren(data, plain)) return false;
        value = plain;
        return true;
    }
    if (type == "dword") {
        int32_t number = 0;
        const auto [end, error] = std::from_chars(data.data(), data.data() + data.size(), number);
        if (error != std::errc() || end != data.data() + data.size()) return false;
        value = number;
        return true;
    }
    if (type == "binary") {
        if (data.size() % 2 != 0) return false;
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < data.size(); i += 2) {
            const int high = Hexziffer(data[i]);
            const int low = Hexziffer(data[i + 1]);
            if (high < 0 || low < 0) return false;
            bytes.push_back(static_cast<uint8_t>(high * 16 + low));
        }
        value = bytes;
        return true;
    }
    return false;
}

std::filesystem::path Heimordner()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) return user->pw_dir;
    return ".";
}

}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Kleinbuchstabe(x) == Kleinbuchstabe(y);
           });
}

std::filesystem::path SettingsFile::Location()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The base-directory rules ignore a relative XDG_CONFIG_HOME.
    const std::filesystem::path base =
        config && *config == '/' ? std::filesystem::path(config) : Heimordner() / ".config";
    return base / "Murenko" / "Settings.ini";
}

SettingsFile::State SettingsFile::Load()
{
    keys_.clear();
    keyIndex_.clear();
    damaged_ = false;
    cut_ = false;
    error_ = 0;
    const auto path = Location();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        error_ = ec.value();
        return ec ? State::Unreadable : State::Missing;
    }
    // A named pipe would keep the opening waiting for a writer, a device never end: only a plain
    // file is read.
    if (Dateiart_Von(path.string()) != Dateiart::Gewoehnlich) {
        error_ = std::filesystem::is_directory(path, ec) ? EISDIR : EINVAL;
        return State::Unreadable;
    }
    const auto size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) {
        error_ = ec ? ec.value() : (errno != 0 ? errno : EIO);
        return State::Unreadable;
    }
    // A settings file is a few kilobytes: of a far larger one only the lines within the bound are
    // read, and it counts as damaged.
    std::string content(static_cast<size_t>(std::min<std::uintmax_t>(size, kMaxFileSize)), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.gcount() != static_cast<std::streamsize>(content.size())) {
        error_ = EIO;
        return State::Unreadable;
    }
    if (size > kMaxFileSize) content.erase(content.rfind('\n') == std::string::npos ? 0 : content.rfind('\n') + 1);
    Parse(content);
    cut_ = size > kMaxFileSize;
    damaged_ = damaged_ || cut_;
    return State::Read;
}

int SettingsFile::WriteRefused()
{
    // The rename of a whole-file write would replace a read-only file as if it were not.
    const auto target = AtomicFile::Target(Location());
    std::error_code ec;
    if (!target.empty() && std::filesystem::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) return errno;
    return 0;
}

int SettingsFile::Save() const
{
    const auto path = Location();
    if (const int error = WriteRefused(); error != 0) return error;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return ec.value();
    return AtomicFile::WriteWhole(path, Text_Zum_Schreiben());
}

bool SettingsFile::Oversized() const { return Zu_Gross(Text().size()); }

bool SettingsFile::Zu_Gross(size_t textSize) const
{
    const bool readValues = std::any_of(keys_.begin(), keys_.end(), [](const Key& key) {
        return std::any_of(key.entries.begin(), key.entries.end(), [](const Entry& entry) { return !entry.set; });
    });
    // A file cut at the bound is written at half of it at once, so that the next run finds the
    // file whole and, setting a value more, not over the bound again.
    return readValues && textSize > (cut_ ? kMaxFileSize / 2 : kMaxFileSize);
}

std::string SettingsFile::Text_Zum_Schreiben() const
{
    std::string text = Text();
    if (!Zu_Gross(text.size())) return text;
    // Everything the file held is in the copy kept before this write; the values set since stay.
    SettingsFile kept = *this;
    size_t size = text.size();
    for (auto key = kept.keys_.rbegin(); key != kept.keys_.rend() && size > kMaxFileSize / 2; ++key) {
        std::vector<bool> dropped(key->entries.size(), false);
        for (size_t i = key->entries.size(); i-- > 0 && size > kMaxFileSize / 2;) {
            const Entry& entry = key->entries[i];
            if (entry.set) continue;
            size -= Zeile(entry.name, entry.value).size();
            dropped[i] = true;
        }
        std::vector<Entry> remaining;
        for (size_t i = 0; i < key->entries.size(); ++i)
            if (!dropped[i]) remaining.push_back(std::move(key->entries[i]));
        key->entries = std::move(remaining);
    }
    return kept.Text();
}

int SettingsFile::Remove()
{
    std::error_code ec;
    std::filesystem::remove(Location(), ec);
    return ec ? ec.value() : 0;
}

std::string SettingsFile::Text() const
{
    std::string text = std::string(kHeader) + "\n";
    for (const Key& key : keys_) {
        text += "[" + key.path + "]\n";
        for (const Entry& entry : key.entries) text += Zeile(entry.name, entry.value);
    }
    return text;
}

void SettingsFile::Parse(const std::string& text)
{
    keys_.clear();
    keyIndex_.clear();
    damaged_ = false;
    Key* current = nullptr;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[' && line.back() == ']' && line.size() > 2) {
            AddKey(line.substr(1, line.size() - 2));
            current = Schluessel_Suchen(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        std::string name;
        RegValue value;
        if (!current || equals == std::string::npos || !Demaskieren(line.substr(0, equals), name) ||
            !Wert_Lesen(line.substr(equals + 1), value)) {
            damaged_ = true;
            continue;
        }
        Eintragen(current->path, name, value, false);
    }
}

SettingsFile::Key* SettingsFile::Schluessel_Suchen(const std::string& key)
{
    const auto it = keyIndex_.find(Gefaltet(key));
    return it == keyIndex_.end() ? nullptr : &keys_[it->second];
}

const SettingsFile::Key* SettingsFile::Schluessel_Suchen(const std::string& key) const
{
    return const_cast<SettingsFile*>(this)->Schluessel_Suchen(key);
}

bool SettingsFile::HasKey(const std::string& key) const
{
    if (Schluessel_Suchen(key)) return true;
    // A key also exists when it only holds other keys.
    const std::string prefix = key + "\\";
    return std::any_of(keys_.begin(), keys_.end(), [&](const Key& k) {
        return k.path.size() > prefix.size() && SameName(k.path.substr(0, prefix.size()), prefix);
    });
}

void SettingsFile::AddKey(const std::string& key)
{
    if (keyIndex_.emplace(Gefaltet(key), keys_.size()).second) keys_.push_back({key, {}, {}});
}

std::vector<std::string> SettingsFile::SubKeys(const std::string& key) const
{
    std::vector<std::string> names;
    const std::string prefix = key + "\\";
    for (const Key& k : keys_) {
        if (k.path.size() <= prefix.size() || !SameName(k.path.substr(0, prefix.size()), prefix)) continue;
        const std::string child = k.path.substr(prefix.size(), k.path.find('\\', prefix.size()) - prefix.size());
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, child); }))
            names.push_back(child);
    }
    return names;
}

void SettingsFile::RemoveKey(const std::string& key)
{
    if (std::erase_if(keys_, [&](const Key& k) { return SameName(k.path, key); }) > 0) Verzeichnis_Erneuern();
}

const RegValue* SettingsFile::Find(const std::string& key, const std::string& name) const
{
    const Key* k = Schluessel_Suchen(key);
    if (!k) return nullptr;
    const auto it = k->index.find(Gefaltet(name));
    return it == k->index.end() ? nullptr : &k->entries[it->second].value;
}

void SettingsFile::Set(const std::string& key, const std::string& name, const RegValue& value)
{
    Eintragen(key, name, value, true);
}

void SettingsFile::Eintragen(const std::string& key, const std::string& name, const RegValue& value, bool set)
{
    AddKey(key);
    Key* k = Schluessel_Suchen(key);
    const auto [it, added] = k->index.emplace(Gefaltet(name), k->entries.size());
    if (added) {
        k->entries.push_back({name, value, set});
        return;
    }
    Entry& entry = k->entries[it->second];
    entry.value = value;
    entry.set = entry.set || set;
}

bool SettingsFile::Erase(const std::string& key, const std::string& name)
{
    Key* k = Schluessel_Suchen(key);
    if (!k || std::erase_if(k->entries, [&](const Entry& e) { return SameName(e.name, name); }) == 0) return false;
    Verzeichnis_Erneuern();
    return true;
}

void SettingsFile::Verzeichnis_Erneuern()
{
    keyIndex_.clear();
    for (size_t i = 0; i < keys_.size(); ++i) {
        keyIndex_.emplace(Gefaltet(keys_[i].path), i);
        keys_[i].index.clear();
        for (size_t j = 0; j < keys_[i].entries.size(); ++j)
            keys_[i].index.emplace(Gefaltet(keys_[i].entries[j].name), j);
    }
}

std::vector<std::string> SettingsFile::Names(const std::string& key) const
{
    std::vector<std::string> names;
    if (const Key* k = Schluessel_Suchen(key))
        for (const Entry& entry : k->entries) names.push_back(entry.name);
    return names;
}
