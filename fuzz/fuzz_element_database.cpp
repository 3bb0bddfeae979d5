// The element database "zelo_init.dat" with its axes, elements and stored form-factor tables.
#include "FuzzWelt.h"

#include "materials/modElementDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWelt& welt = FuzzWelt::Get();
    welt.Datei((welt.env.DataFolder() / kElementDatabaseFile).string(), data, size);
    Zelo_Oeffnen();
    return 0;
}
