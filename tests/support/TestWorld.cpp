#include "TestWorld.h"

#include "analysis/clsMath.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "mainwindow/modObjekte.h"
#include "curves/clsSSC.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"

TestWorld::TestWorld() : TestWorld({}, {}) {}

TestWorld::TestWorld(std::function<void()> createGrafik, std::function<void()> releaseGrafik)
    : createGrafik_(std::move(createGrafik)), releaseGrafik_(std::move(releaseGrafik))
{
    Create();
    // The note that the default database was written belongs to the world, not to the test.
    seam.messages.clear();
}

void TestWorld::Create()
{
    released_ = false;
    CreateCoreObjects();
    gLoader->Connect();
    SelectStoredLanguage();
    Zelo_Datei_Sicherstellen({});
    CreateServiceObjects(createGrafik_);
    PrepareComputation();
    Zelo_Oeffnen();
}

TestWorld::~TestWorld() { Release(); }

void TestWorld::Release()
{
    if (released_) return;
    released_ = true;
    Objekte_Freigeben(releaseGrafik_);
    Restliche_Objekte_Freigeben();
    // The element lists and the step outlive the objects in the program; the next test starts as a
    // fresh program would.
    colXAchsen.Clear();
    colElemente.Clear();
    gXAchse.reset();
    gElement.reset();
    gInitKopf = InitKopf{};
    gSchritt = 0;
    gGespeichert = false;
}

void TestWorld::Restart()
{
    Release();
    Create();
}

void TestWorld::StartStageStore()
{
    gSSC = std::make_unique<clsSSC>();
    gSSC->ESC_HEADER();
}

void TestWorld::MakeCurveMath() { gMath = std::make_unique<clsMath>(); }

int32_t TestWorld::ElectronTable(const std::string& symbol)
{
    for (int32_t k = 1; k <= gFMK->FMK_Anzahl(); ++k)
        if (gFMK->FMK_Intern_Symbol(k) == symbol && gFMK->Formfaktor_Typ(k) == FT_Elektronen) return k;
    return 0;
}
