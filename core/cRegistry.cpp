#include "core/cRegistry.h"

#include "core/AtomicFile.h"
#include "core/Fehlergrund.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/Sicherungskopie.h"
#include "core/SettingsLock.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <algorithm>
#include <exception>

namespace {

constexpr const char* kModul = "cRegistry";

std::string Hextext(const std::vector<uint8_t>& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : bytes) out += {digits[b >> 4], digits[b & 15]};
    return out;
}

std::string Text_Von(const RegValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int32_t>(&value)) return std::to_string(*number);
    if (const auto* bytes = std::get_if<std::vector<uint8_t>>(&value)) return Hextext(*bytes);
    return "";
}

// " (file: the system's reason)" for a failed write of the store.
std::string Grund(int error)
{
    if (error == 0) return "";
    return " (" + SettingsFile::Location().string() + ": " + Fehlergrund(error) + ")";
}

}

bool cRegistry::Schluessel_Brauchbar() const
{
    if (hkey_ != HKEY_CURRENT_USER || sectionKey_.empty()) return false;
    // Every part of the path must have a name, and the path must fit on one line of the store.
    if (sectionKey_.front() == '\\' || sectionKey_.back() == '\\' || sectionKey_.find("\\\\") != std::string::npos)
        return false;
    return std::none_of(sectionKey_.begin(), sectionKey_.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool cRegistry::Speicher_Laden(SettingsFile& store) const { return store.Load() != SettingsFile::State::Unreadable; }

int cRegistry::Speicher_Schreiben(const SettingsFile& store)
{
    // Lines that could not be read, values behind the size bound, and values read that this write
    // leaves out to stay within it vanish with this write: the file is kept as a copy first (without
    // the copy nothing is written), and the user is told which of these happened. Once a run is
    // enough: a file that is damaged again within the run (another copy of the program still
    // writing an oversized one) adds no copies.
    if (const int error = SettingsFile::WriteRefused(); error != 0) return error;
    // Read whole, but over the bound with this write.
    const bool grown = !store.Cut() && store.Oversized();
    if ((store.Damaged() || grown) && !kopieAngelegt_) {
        const auto file = AtomicFile::Target(SettingsFile::Location());
        const auto copy = Sicherungsname(file);
        if (const int error = Sicherungskopie_Anlegen(file, copy); error != 0) return error;
        kopieAngelegt_ = true;
        const int32_t text = store.Cut() ? 653 : grown ? 657 : 457;
        hinweis_ = SettingsFile::Location().string() + "\r\n" + (gLanguage ? gLanguage->Caption(text) : "") + " " +
                   copy.string();
    }
    return store.Save();
}

void cRegistry::Unter_Sperre(const std::function<void()>& change)
{
    // Another running copy of the program writes only between our reading and writing of the file.
    std::exception_ptr failure;
    {
        const SettingsLock lock;
        try {
            change();
        } catch (...) {
            failure = std::current_exception();
        }
        // Told once, and only when something was written without the lock: a write that failed
        // says so itself.
        if (!lock.Taken() && !failure && !sperreGemeldet_) {
            sperreGemeldet_ = true;
            const int32_t text = lock.OpenedButNotLocked() ? 462 : 461;
            const std::string note = (gLanguage ? gLanguage->Caption(text) : "") + "\r\n" + lock.Failure();
            hinweis_ = hinweis_.empty() ? note : hinweis_ + "\r\n\r\n" + note;
        }
    }
    // The note waits until the lock is free: the other copy must not wait for the user.
    if (!hinweis_.empty()) {
        const std::string text = std::move(hinweis_);
        hinweis_.clear();
        zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
    }
    if (failure) std::rethrow_exception(failure);
}

bool cRegistry::KeyExists() const
{
    SettingsFile store;
    return Schluessel_Brauchbar() && Speicher_Laden(store) && store.HasKey(sectionKey_);
}

bool cRegistry::CreateKey()
{
    return Guarded(kModul, "CreateKey", [this] {
        Unter_Sperre([this] { CreateKey_Ungeschuetzt(); });
        return true;
    });
}

void cRegistry::CreateKey_Ungeschuetzt()
{
    SettingsFile store;
    const bool loaded = Schluessel_Brauchbar() && Speicher_Laden(store);
    if (loaded && store.HasKey(sectionKey_)) return;
    if (loaded) store.AddKey(sectionKey_);
    const int error = loaded ? Speicher_Schreiben(store) : store.Error();
    if (!loaded || error != 0) {
        systemfehler_ = error;
        throw rt::RuntimeError(errKeyFailed, "Failed to create registry Key: '" + sectionKey_ + Grund(error));
    }
}

bool cRegistry::DeleteKey()
{
    return Guarded(kModul, "DeleteKey", [this] {
        Unter_Sperre([this] {
            SettingsFile store;
            const bool found = Schluessel_Brauchbar() && Speicher_Laden(store) && store.HasKey(sectionKey_);
            bool done = found && store.SubKeys(sectionKey_).empty();
            if (done) {
                store.RemoveKey(sectionKey_);
                done = Speicher_Schreiben(store) == 0;
            }
            if (!done)
                throw rt::RuntimeError(errKeyFailed, "Failed to delete registry Key: '" + std::to_string(hkey_) +
                                                         "',Section: '" + sectionKey_);
        });
        return true;
    });
}

bool cRegistry::DeleteValue()
{
    return Guarded(kModul, "DeleteValue", [this] {
        Unter_Sperre([this] {
            SettingsFile store;
            if (!Schluessel_Brauchbar() || !Speicher_Laden(store) || !store.HasKey(sectionKey_))
                throw rt::RuntimeError(errKeyFailed, "Failed to open key '" + std::to_string(hkey_) +
                                                         "',Section: '" + sectionKey_ + "' for delete access");
            if (!store.Erase(sectionKey_, valueKey_) || Speicher_Schreiben(store) != 0)
                throw rt::RuntimeError(errKeyFailed, "Failed to delete registry Key: '" + std::to_string(hkey_) +
                                                         "',Section: '" + sectionKey_ + "',Key: '" + valueKey_);
        });
        return true;
    });
}

RegValue cRegistry::Value()
{
    SettingsFile store;
    if (!Schluessel_Brauchbar()) return default_;
    if (!Speicher_Laden(store)) {
        if (gError)
            gError->ErrorMsg("cRegistry", "Value", true, rt::errPathFileAccess,
                             rt::ErrorDescription(rt::errPathFileAccess));
        return default_;
    }
    const RegValue* stored = store.Find(sectionKey_, valueKey_);
    if (!stored) return default_;
    if (std::holds_alternative<std::string>(*stored))
        valueType_ = REG_SZ;
    else if (std::holds_alternative<int32_t>(*stored))
        valueType_ = REG_DWORD;
    else
        valueType_ = REG_BINARY;
    return *stored;
}

void cRegistry::Schreibfehler_Ausloesen(int32_t number, const RegValue& value, int error)
{
    systemfehler_ = error;
    throw rt::RuntimeError(number, "Failed to set registry value Key: '" + std::to_string(hkey_) + "',Section: '" +
                                       sectionKey_ + "',Key: '" + valueKey_ + "' to value: '" + Text_Von(value) +
                                       "'" + Grund(error));
}

void cRegistry::setValue(const RegValue& value)
{
    Guarded(kModul, "setValue", [&] { Unter_Sperre([&] { setValue_Ungeschuetzt(value); }); });
}

void cRegistry::setValue_Ungeschuetzt(const RegValue& value)
{
    SettingsFile store;
    if (!Schluessel_Brauchbar()) Schreibfehler_Ausloesen(errKeyFailed, value);
    if (!Speicher_Laden(store)) Schreibfehler_Ausloesen(errKeyFailed, value, store.Error());
    RegValue stored;
    switch (valueType_) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        if (std::holds_alternative<std::vector<uint8_t>>(value)) Schreibfehler_Ausloesen(errWriteFailed, value);
        stored = Text_Von(value);
        break;
    case REG_BINARY:
        if (!std::holds_alternative<std::vector<uint8_t>>(value)) throw rt::RuntimeError(errKeyFailed, "");
        stored = value;
        break;
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        if (!std::holds_alternative<int32_t>(value)) Schreibfehler_Ausloesen(errWriteFailed, value);
        stored = value;
        break;
    default: Schreibfehler_Ausloesen(errWriteFailed, value);
    }
    // The same value again leaves the file alone: settings are written often, mostly unchanged.
    if (const RegValue* alt = store.Find(sectionKey_, valueKey_); alt && *alt == stored) return;
    store.Set(sectionKey_, valueKey_, stored);
    if (const int error = Speicher_Schreiben(store); error != 0) Schreibfehler_Ausloesen(errWriteFailed, value, error);
}

bool cRegistry::EnumerateValues()
{
    SettingsFile store;
    if (!Schluessel_Brauchbar() || !Speicher_Laden(store)) return true;
    int32_t count = 0;
    for (std::string name : store.Names(sectionKey_)) {
        ++count;
        if (NewEnumValue) NewEnumValue(count, name);
    }
    return true;
}

bool cRegistry::EnumerateSections(int32_t tag)
{
    SettingsFile store;
    if (!Schluessel_Brauchbar() || !Speicher_Laden(store)) return true;
    for (std::string name : store.SubKeys(sectionKey_))
        if (NewEnumKey) NewEnumKey(tag, name);
    return true;
}

int32_t cRegistry::GetMetrics(int32_t) const { return 0; }

void cRegistry::RefreshWindowMetrics() {}

RegValue cRegistry::ReadValue(const std::string& name, int32_t type, const RegValue& defaultValue)
{
    hkey_ = HKEY_CURRENT_USER;
    sectionKey_ = kSettingsKey;
    default_ = defaultValue;
    valueType_ = type;
    valueKey_ = name;
    return Value();
}

void cRegistry::WriteValue(const std::string& name, int32_t type, const RegValue& value)
{
    Guarded(kModul, "WriteValue", [&] { WriteValue_Ungeschuetzt(name, type, value); });
}

void cRegistry::WriteValue_Ungeschuetzt(const std::string& name, int32_t type, const RegValue& value)
{
    hkey_ = HKEY_CURRENT_USER;
    sectionKey_ = kSettingsKey;
    Unter_Sperre([&] {
        if (!KeyExists()) CreateKey_Ungeschuetzt();
        valueKey_ = name;
        valueType_ = type;
        setValue_Ungeschuetzt(value);
    });
}
