// The settings store on any bytes: read as the program reads it at start-up, its recent files
// listed and one more entered. What it keeps of a damaged file reads back the same once written.
#include "FuzzWelt.h"

#include "core/SettingsFile.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWelt& welt = FuzzWelt::Get();
    static const bool ordner = std::filesystem::create_directories(SettingsFile::Location().parent_path());
    (void)ordner;
    welt.Datei(SettingsFile::Location().string(), data, size);

    SettingsFile store;
    store.Load();
    const std::string text = store.Text();
    SettingsFile wieder;
    wieder.Parse(text);
    if (wieder.Text() != text) std::abort();

    clsOptions& options = *gOptions;
    for (int32_t i = 0; i <= clsOptions::kRecentFiles + 1; ++i) options.MRU(i);
    options.MRU_Available();
    // A new recent file takes a slot; it reads back unless the store could not be written.
    const std::string datei = "/home/user/messung/probe " + std::to_string(size) + ".dat";
    const int32_t slot = options.MRU_Set(datei);
    if (slot > 0 && options.MRU(slot) != datei) std::abort();
    return 0;
}
