#include "DatabaseFixture.h"

#include "core/clsError.h"
#include "curves/modString.h"

#include <random>

namespace {

int16_t RevisionOf(const std::vector<uint8_t>& file) { return static_cast<int16_t>(file[17] | (file[18] << 8)); }
int32_t LongAt(const std::vector<uint8_t>& file, size_t at)
{
    return static_cast<int32_t>(file[at] | (file[at + 1] << 8) | (file[at + 2] << 16) | (uint32_t(file[at + 3]) << 24));
}

}

using ElementDatabase = DatabaseFixture;

TEST_F(ElementDatabase, DefaultCopyHoldsTheXAxesOfTheDefaultDatabase)
{
    ASSERT_EQ(DefaultCopy().size(), 1939u);
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(gInitKopf.Kennung, "ZELO3");
    EXPECT_EQ(gInitKopf.Revision, 0);
    EXPECT_EQ(gInitKopf.Status, 1);
    EXPECT_EQ(gInitKopf.Anzahl_XAchsen, 3);
    EXPECT_EQ(gInitKopf.Anzahl_Elemente, 6);
    EXPECT_EQ(gInitKopf.Anzahl_FMK, 6);

    ASSERT_EQ(colXAchsen.Count(), 3);
    const struct { float faktor; const char* name; const char* key; } axes[] = {
        {37.74f, "Alter Kryo", "T_1_39847"}, {74.72f, "UHV Kryo", "T_2_39847"}, {0.1f, "Angström in nm", "T_3_39847"}};
    for (int32_t i = 1; i <= 3; ++i) {
        const auto axis = colXAchsen.Item(i);
        EXPECT_EQ(axis->Faktor(), axes[i - 1].faktor);
        EXPECT_EQ(axis->name(), axes[i - 1].name);
        EXPECT_EQ(axis->Key(), axes[i - 1].key);
        EXPECT_EQ(colXAchsen.Item(axes[i - 1].key), axis);
    }
}

TEST_F(ElementDatabase, DefaultCopyHoldsTheSixLightElements)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    ASSERT_EQ(colElemente.Count(), 6);
    const struct {
        const char* symbol; const char* name; float masse, valenz, fluessig, kristallin, amorph;
        float radius, en, siede, schmelz;
    } rows[] = {
        {"H", "Wasserstoff", 1.0079f, 1, 0.0708f, 0.076f, Kein_Wert, 37.3f, 2.2f, 20.28f, 14.01f},
        {"He", "Helium", 4.0026f, 0, 0.1248f, 1.76f, Kein_Wert, 32, 5.5f, 4.216f, 0.95f},
        {"Li", "Lithium", 6.941f, 1, 0.5f, 0.535f, 0.001f, 152, 0.98f, 1590, 453.69f},
        {"Be", "Beryllium", 9.0122f, 2, 1.69f, 1.8477f, Kein_Wert, 113.3f, 1.57f, 3243, 1551},
        {"B", "Bor", 10.811f, 3, 2.08f, 2.34f, 2.37f, 83, 2.04f, 2823, 2573},
        {"C", "Kohlenstoff", 12.011f, 4, 2.26f, 3.52f, 1.8f, 77.2f, 2.55f, 5100, 3823},
    };
    for (int32_t i = 1; i <= 6; ++i) {
        const auto& row = rows[i - 1];
        const auto e = colElemente.Item(i);
        SCOPED_TRACE(row.symbol);
        EXPECT_EQ(e->Symbol(), row.symbol);
        EXPECT_EQ(e->name(), row.name);
        EXPECT_EQ(e->Masse(), row.masse);
        EXPECT_EQ(e->Valenz(), row.valenz);
        EXPECT_EQ(e->Dichte_Fluessig(), row.fluessig);
        EXPECT_EQ(e->Dichte_Kristallin(), row.kristallin);
        EXPECT_EQ(e->Dichte_Amorph(), row.amorph);
        EXPECT_EQ(e->Atomradius(), row.radius);
        EXPECT_EQ(e->Elektronegativitaet(), row.en);
        EXPECT_EQ(e->Siedetemperatur(), row.siede);
        EXPECT_EQ(e->Schmelztemperatur(), row.schmelz);
        EXPECT_EQ(e->OZ(), 0);
        EXPECT_EQ(e->q0(), 0.0f);
        EXPECT_EQ(e->Struktur_a(), Kein_Wert);
        EXPECT_EQ(e->Struktur_c(), Kein_Wert);
    }
    const auto li = colElemente.Item("Li");
    EXPECT_EQ(li->Struktur_Basis(), 3);
    EXPECT_EQ(li->Struktur_System(), 1);
    EXPECT_EQ(li->Elektronen(1), 1);
    EXPECT_EQ(li->Orbital_L_Elektronen(0), 1);
    EXPECT_EQ(colElemente.Item("C")->Orbital_L_Elektronen(1), 2);
    EXPECT_EQ(colElemente.Item("he")->Elektronen(0), 2);  // keys are found without regard to case
    EXPECT_EQ(colElemente.Item("B")->Struktur_System(), 0);
}

TEST_F(ElementDatabase, DefaultCopyHoldsSixFittedElectronTables)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    ASSERT_EQ(gFMK->FMK_Anzahl(), 6);
    const char* order[] = {"He", "C", "H", "Li", "Be", "B"};
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(gFMK->FMK_Intern_Symbol(i), order[i - 1]);
        EXPECT_EQ(gFMK->Formfaktor_Typ(i), FT_Elektronen);
        EXPECT_EQ(gFMK->Formfaktor_Typ_Daten(i), DT_Fit);
        EXPECT_EQ(gFMK->FMK_Intern_Info(i), "");
    }
    EXPECT_EQ(gFMK->Formfaktor_Information(2), "C - Elektronenbeugung, Fit");

    // K = 0 gives A1 + ... + A5 + c of each table.
    EXPECT_NEAR(gFMK->Tabelle(1).Y(0), 0.0317 + 0.0838 + 0.1526 + 0.1334 + 0.0164, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(2).Y(0), 0.52867, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(3).Y(0), 0.52867, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(4).Y(0), 3.28491, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(5).Y(0), 3.05179, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(6).Y(0), 2.79366, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(2).Y(10), 0.478625, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(2).Y(20), 0.368466, 1e-6);
    EXPECT_NEAR(gFMK->Tabelle(2).Y(50), 0.131104, 1e-6);
    EXPECT_FLOAT_EQ(gFMK->Tabelle(1).B(5), 31.1653f);
}

TEST_F(ElementDatabase, ReadingAndWritingBackChangesOnlyTheRevision)
{
    auto original = DefaultCopy();
    WriteDatabase(original);
    Zelo_Oeffnen();
    Zelo_Speichern();
    EXPECT_EQ(seam.errorWindows, 0);
    const auto written = ReadDatabase();
    EXPECT_EQ(RevisionOf(written), 1);
    original[17] = 1;
    EXPECT_EQ(written, original);
}

TEST_F(ElementDatabase, OlderLayoutIsConvertedAndSaved)
{
    clsXAchse axis;
    axis.setFaktor(2.5f);
    axis.setKey("K1");
    clsElement element;  // written without structure part
    element.setSymbol("Fe");
    element.setMasse(55.845f);
    const auto older = Written([&](int32_t datei) {
        gFileHandler->WriteLong(1);
        gFileHandler->WriteLong(1);
        axis.setDateinummer(datei);
        axis.Daten_Speichern();
        element.setDateinummer(datei);
        element.Element_Speichern();
    });
    WriteDatabase(older);

    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(colElemente.Count(), 1);
    EXPECT_EQ(colElemente.Item("Fe")->Struktur_a(), Kein_Wert);
    const auto converted = ReadDatabase();
    ASSERT_EQ(converted.size(), 39 + (older.size() - 8) + 32);
    EXPECT_EQ(std::vector<uint8_t>(converted.begin(), converted.begin() + 7),
              (std::vector<uint8_t>{5, 0, 'Z', 'E', 'L', 'O', '3'}));
    EXPECT_EQ(RevisionOf(converted), 2);
    EXPECT_EQ(LongAt(converted, 19), 0);  // Anzahl_FMK

    // The next start reads it as a file of the current layout and leaves it alone.
    Zelo_Oeffnen();
    EXPECT_EQ(gInitKopf.Revision, 2);
    EXPECT_EQ(colXAchsen.Item("K1")->Faktor(), 2.5f);
    EXPECT_EQ(ReadDatabase(), converted);
}

TEST_F(ElementDatabase, FileTablesAreListedButNeverStored)
{
    WriteTextFile("fmk_x/Fe_Doyle.fmk", "0\t26\r\n");
    WriteTextFile("fmk/al.FMK", "0\t13\r\n");
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    ASSERT_EQ(gFMK->FMK_Anzahl(), 8);
    EXPECT_EQ(gFMK->FMK_Intern_Symbol(7), "al");
    EXPECT_EQ(gFMK->Formfaktor_Typ(7), FT_Elektronen);
    EXPECT_EQ(gFMK->FMK_Intern_Symbol(8), "Fe");
    EXPECT_EQ(gFMK->Formfaktor_Typ(8), FT_Roentgen);
    EXPECT_EQ(gFMK->Formfaktor_Typ_Daten(8), DT_Datei);

    Zelo_Speichern();
    const auto written = ReadDatabase();
    EXPECT_EQ(written.size(), 1939u);
    EXPECT_EQ(LongAt(written, 19), 6);
}

TEST_F(ElementDatabase, SecondFitOfAnElementIsStoredAndReadAgain)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    gFMK->FMK_Intern_Neu("C", FT_Roentgen, {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1}, 0.5f);
    gFMK->FMK_Intern_Neu("C", FT_Neutronen, {}, {}, 0.66f);
    EXPECT_EQ(gInitKopf.Anzahl_FMK, 8);
    Zelo_Speichern();
    EXPECT_EQ(LongAt(ReadDatabase(), 19), 8);

    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(gFMK->FMK_Anzahl(), 8);
    std::vector<int32_t> carbon;
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("C", carbon), 3);
    EXPECT_EQ(carbon, (std::vector<int32_t>{2, 7, 8}));
    EXPECT_NEAR(gFMK->Tabelle(7).Y(0), 15.5, 1e-5);
    EXPECT_EQ(gFMK->Formfaktor_Typ(8), FT_Neutronen);
}

TEST_F(ElementDatabase, RevisionAtItsLimitStartsAgainAndTheSaveHappens)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    gInitKopf.Revision = 32767;
    colElemente.Remove("He");
    Zelo_Speichern();
    EXPECT_EQ(seam.errorWindows, 0);
    const auto written = ReadDatabase();
    EXPECT_EQ(RevisionOf(written), 0);
    EXPECT_EQ(LongAt(written, 11), 5);
    EXPECT_EQ(written.size(), 1939u - 154);
}

TEST_F(ElementDatabase, FailedSaveIsReported)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    // A folder in place of the file makes the final rename fail.
    std::filesystem::remove(DatabasePath());
    std::filesystem::create_directories(DatabasePath() / "blocker");
    Zelo_Speichern();
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "clsFileHandler");
}

TEST_F(ElementDatabase, MissingFileLeavesEmptyListsAndIsNotReported)
{
    WriteTextFile("fmk_n/Cu.fmk", "0\t1\r\n");
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(colXAchsen.Count(), 0);
    EXPECT_EQ(colElemente.Count(), 0);
    ASSERT_EQ(gFMK->FMK_Anzahl(), 1);
    EXPECT_EQ(gFMK->FMK_Intern_Symbol(1), "Cu");
    EXPECT_FALSE(std::filesystem::exists(DatabasePath()));
}

TEST_F(ElementDatabase, CountsBeyondTheFileAreReportedBeforeAnythingIsRead)
{
    auto bytes = DefaultCopy();
    bytes[11] = 0xFF;  // Anzahl_Elemente about two thousand million
    bytes[14] = 0x7F;
    WriteDatabase(bytes);
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorNumber(), 62);
    EXPECT_EQ(colXAchsen.Count(), 0);
    EXPECT_EQ(colElemente.Count(), 0);
    EXPECT_EQ(gFMK->FMK_Anzahl(), 0);
    EXPECT_EQ(ReadDatabase(), bytes);  // a damaged file is never rewritten by reading it

    bytes[14] = 0xFF;  // a negative count
    WriteDatabase(bytes);
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 2);
}

TEST_F(ElementDatabase, DuplicateSymbolIsReportedAsADamagedFile)
{
    auto bytes = DefaultCopy();
    bytes[124] = 'C';  // the element "H" becomes a second "C"
    WriteDatabase(bytes);
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorNumber(), 457);
    EXPECT_EQ(colElemente.Count(), 0);
}

TEST_F(ElementDatabase, EveryTruncatedCopyIsReportedOnce)
{
    const auto full = DefaultCopy();
    WriteTextFile("fmk_x/Fe.fmk", "0\t26\r\n");
    for (size_t length = 0; length < full.size(); ++length) {
        WriteDatabase(std::vector<uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
        const int before = seam.errorWindows;
        Zelo_Oeffnen();
        ASSERT_EQ(seam.errorWindows, before + 1) << "length " << length;
        ASSERT_EQ(colXAchsen.Count(), 0) << "length " << length;
        ASSERT_EQ(colElemente.Count(), 0) << "length " << length;
        ASSERT_EQ(gFMK->FMK_Anzahl(), 1) << "length " << length;  // the file table only
    }
}

TEST_F(ElementDatabase, RandomlyDamagedCopiesNeverCrashOrHang)
{
    const auto full = DefaultCopy();
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        auto bytes = full;
        const int flips = 1 + static_cast<int>(random() % 6);
        for (int k = 0; k < flips; ++k) bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        WriteDatabase(bytes);
        const int before = seam.errorWindows;
        Zelo_Oeffnen();
        const int reports = seam.errorWindows - before;
        ASSERT_LE(reports, 1) << "round " << round;
        if (reports == 1) {
            ASSERT_EQ(colElemente.Count() + colXAchsen.Count(), 0) << "round " << round;
        }
    }
}
