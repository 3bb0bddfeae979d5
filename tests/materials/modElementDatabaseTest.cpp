#include "DatabaseFixture.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"

#include <random>

namespace {

int16_t RevisionOf(const std::vector<uint8_t>& file) { return static_cast<int16_t>(file[17] | (file[18] << 8)); }
int32_t LongAt(const std::vector<uint8_t>& file, size_t at)
{
    return static_cast<int32_t>(file[at] | (file[at + 1] << 8) | (file[at + 2] << 16) | (uint32_t(file[at + 3]) << 24));
}

// An element's stored values in one line, numbers as the run time shows them.
std::string Describe(const clsElement& e)
{
    std::string text = e.Symbol() + " " + e.name();
    for (float value : {e.Masse(), e.Valenz(), e.Dichte_Fluessig(), e.Dichte_Kristallin(), e.Dichte_Amorph(),
                        e.Atomradius(), e.Elektronegativitaet(), e.Siedetemperatur(), e.Schmelztemperatur(),
                        e.Struktur_a(), float(e.Struktur_System())})
        text += " " + rt::SingleText(value);
    return text;
}

class ElementDatabase : public DatabaseFixture {
protected:
    void OpenDefaultCopy()
    {
        WriteBytes(DatabasePath(), DefaultCopy());
        Zelo_Oeffnen();
    }
};

// The note itself and the file left alone once present are start-up's own tests.
TEST_F(ElementDatabase, MissingFileIsReplacedByTheDefaultCopy)
{
    std::filesystem::remove(DatabasePath());
    Zelo_Datei_Sicherstellen({});
    EXPECT_EQ(ReadBytes(DatabasePath()), DefaultCopy());
}

TEST_F(ElementDatabase, DefaultCopyHoldsTheAxesElementsAndFittedTablesOfTheDefaultDatabase)
{
    ASSERT_EQ(DefaultCopy().size(), 1939u);
    OpenDefaultCopy();
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(gInitKopf.Kennung + " " + std::to_string(gInitKopf.Revision) + " " + std::to_string(gInitKopf.Status),
              "ZELO3 0 1");
    const auto axis = colXAchsen.Item(3);
    EXPECT_EQ(rt::SingleText(axis->Faktor()) + " " + axis->name() + " " + axis->Key(), "0.1 Angström in nm T_3_39847");
    ASSERT_EQ(colElemente.Count() + gFMK->FMK_Anzahl(), 12);
    EXPECT_EQ(Describe(*colElemente.Item(3)), "Li Lithium 6.941 1 0.5 0.535 0.001 152 0.98 1590 453.69 -3E+38 1");
    EXPECT_EQ(Describe(*colElemente.Item(6)), "C Kohlenstoff 12.011 4 2.26 3.52 1.8 77.2 2.55 5100 3823 -3E+38 0");
    EXPECT_EQ(colElemente.Item("he")->Elektronen(0), 2) << "keys are found without regard to case";
    EXPECT_EQ(gFMK->Formfaktor_Information(6), "B - Elektronenbeugung, Fit");
    for (const auto& [table, K, f] : {std::tuple{2, 0.0f, 0.52867}, {3, 0.0f, 0.52867}, {4, 0.0f, 3.28491},
                                      {5, 0.0f, 3.05179}, {6, 0.0f, 2.79366}, {2, 10.0f, 0.478625},
                                      {2, 20.0f, 0.368466}, {2, 50.0f, 0.131104}})
        EXPECT_NEAR(gFMK->Tabelle(table).Y(K), f, 1e-6) << "table " << table << " at K = " << K;
}

TEST_F(ElementDatabase, ReadingAndWritingBackChangesOnlyTheRevisionWhichWrapsAtItsLimit)
{
    auto original = DefaultCopy();
    OpenDefaultCopy();
    Zelo_Speichern();
    original[17] = 1;
    EXPECT_EQ(ReadBytes(DatabasePath()), original);
    gInitKopf.Revision = 32767;
    colElemente.Remove("He");
    Zelo_Speichern();
    const auto written = ReadBytes(DatabasePath());
    EXPECT_EQ(RevisionOf(written), 0);
    EXPECT_EQ(LongAt(written, 11), 5);
    EXPECT_EQ(written.size(), 1939u - 154);
}

TEST_F(ElementDatabase, OlderLayoutIsConvertedAndSaved)
{
    clsXAchse axis;
    axis.setFaktor(2.5f);
    axis.setKey("K1");
    clsElement element;  // written without structure part
    element.setSymbol("Fe");
    const auto older = Written([&](int32_t datei) {
        gFileHandler->WriteLong(1);
        gFileHandler->WriteLong(1);
        axis.setDateinummer(datei);
        axis.Daten_Speichern();
        element.setDateinummer(datei);
        element.Element_Speichern();
    });
    WriteBytes(DatabasePath(), older);
    Zelo_Oeffnen();
    EXPECT_EQ(colElemente.Item("Fe")->Struktur_a(), Kein_Wert);
    const auto converted = ReadBytes(DatabasePath());
    ASSERT_EQ(converted.size(), 39 + (older.size() - 8) + 32);
    EXPECT_EQ(std::vector<uint8_t>(converted.begin(), converted.begin() + 7),
              (std::vector<uint8_t>{5, 0, 'Z', 'E', 'L', 'O', '3'}));
    EXPECT_EQ(RevisionOf(converted), 2);
    Zelo_Oeffnen();  // the next start reads the current layout and leaves it alone
    EXPECT_EQ(colXAchsen.Item("K1")->Faktor(), 2.5f);
    EXPECT_EQ(ReadBytes(DatabasePath()), converted);
}

TEST_F(ElementDatabase, FileTablesAreListedButNeverStoredWhileEverySecondFitIs)
{
    WriteTextFile("fmk_x/Fe_Doyle.fmk", "0\t26\r\n");
    OpenDefaultCopy();
    ASSERT_EQ(gFMK->FMK_Anzahl(), 7);
    EXPECT_EQ(gFMK->Formfaktor_Information(7), "Fe (Doyle) - Röntgenbeugung, Datei");
    gFMK->FMK_Intern_Neu("C", FT_Roentgen, {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1}, 0.5f);
    gFMK->FMK_Intern_Neu("C", FT_Neutronen, {}, {}, 0.66f);
    Zelo_Speichern();
    EXPECT_EQ(LongAt(ReadBytes(DatabasePath()), 19), 8) << "the count of the tables written";
    Zelo_Oeffnen();
    std::vector<int32_t> carbon;
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("C", carbon), 3);
    EXPECT_EQ(carbon, (std::vector<int32_t>{2, 7, 8}));
    EXPECT_NEAR(gFMK->Tabelle(7).Y(0), 15.5, 1e-5);
    EXPECT_EQ(gFMK->FMK_Anzahl(), 9);
}

TEST_F(ElementDatabase, FailedSaveIsReportedAndAMissingFileIsNot)
{
    std::filesystem::remove(DatabasePath());
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows + colXAchsen.Count() + colElemente.Count(), 0);
    EXPECT_FALSE(std::filesystem::exists(DatabasePath()));
    OpenDefaultCopy();
    std::filesystem::remove(DatabasePath());
    std::filesystem::create_directories(DatabasePath() / "blocker");  // the final rename fails
    Zelo_Speichern();
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "clsFileHandler");
}

TEST_F(ElementDatabase, DamagedCountsAndRecordsAreReportedBeforeAnythingIsKept)
{
    for (const auto& [at, byte, number] : {std::tuple{14, 0x7F, 62}, {14, 0xFF, 62}, {124, 'C', 457}}) {
        auto bytes = DefaultCopy();  // a huge or negative element count, or "H" turned into a second "C"
        bytes[size_t(at)] = uint8_t(byte);
        WriteBytes(DatabasePath(), bytes);
        const int before = seam.errorWindows;
        Zelo_Oeffnen();
        EXPECT_EQ(seam.errorWindows, before + 1) << at;
        EXPECT_EQ(gError->ErrorNumber(), number);
        EXPECT_EQ(colXAchsen.Count() + colElemente.Count() + gFMK->FMK_Anzahl(), 0);
        EXPECT_EQ(ReadBytes(DatabasePath()), bytes) << "a damaged file is never rewritten by reading it";
    }
}

TEST_F(ElementDatabase, EveryTruncatedCopyIsReportedOnce)
{
    const auto full = DefaultCopy();
    WriteTextFile("fmk_x/Fe.fmk", "0\t26\r\n");
    for (size_t length = 0; length < full.size(); ++length) {
        WriteBytes(DatabasePath(), std::vector<uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
        const int before = seam.errorWindows;
        Zelo_Oeffnen();
        ASSERT_EQ(seam.errorWindows, before + 1) << "length " << length;
        ASSERT_EQ(colXAchsen.Count() + colElemente.Count() + gFMK->FMK_Anzahl(), 1) << length << ": the file table only";
    }
}

TEST_F(ElementDatabase, RandomlyDamagedCopiesNeverCrashOrHang)
{
    const auto full = DefaultCopy();
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        auto bytes = full;
        for (int k = 1 + static_cast<int>(random() % 6); k > 0; --k)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        WriteBytes(DatabasePath(), bytes);
        const int before = seam.errorWindows;
        Zelo_Oeffnen();
        ASSERT_LE(seam.errorWindows - before, 1) << "round " << round;
        if (seam.errorWindows > before) {
            ASSERT_EQ(colElemente.Count() + colXAchsen.Count(), 0) << "round " << round;
        }
    }
}

}
