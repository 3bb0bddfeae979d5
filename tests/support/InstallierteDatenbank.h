#pragma once
// A test's world on the installed element database: the demonstration copy that the world wrote
// into the program folder gives way to the installed database, and the world starts again on it, as
// a first start of the installed program does.
#include "core/modCommon.h"
#include "mainwindow/modDatenbankInstallation.h"
#include "support/TestWorld.h"

#include <filesystem>

inline bool Installierte_Datenbank_Laden(TestWorld& welt)
{
    std::filesystem::remove(welt.env.DataFolder() / kElementDatabaseFile);
    const bool installiert = Zelo_Datei_Installieren(Installierte_Datenbank());
    welt.Restart();
    welt.seam.messages.clear();
    return installiert;
}
