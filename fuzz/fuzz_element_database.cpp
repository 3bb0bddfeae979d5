// The element database "zelo_init.dat" with its axes, elements and stored form-factor tables.
#include "FuzzWelt.h"

#include "materials/modElementDatabase.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWelt& welt = FuzzWelt::Get();
    // An input taken for the older layout is converted with a backup copy beside it: drop the copies
    // of earlier inputs, or they pile up until the conversion is refused.
    for (const auto& eintrag : std::filesystem::directory_iterator(welt.env.DataFolder()))
        if (eintrag.path().filename().string().starts_with(std::string(kElementDatabaseFile) + ".bak"))
            std::filesystem::remove(eintrag.path());
    welt.Datei((welt.env.DataFolder() / kElementDatabaseFile).string(), data, size);
    Zelo_Oeffnen();
    return 0;
}
