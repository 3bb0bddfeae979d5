// The binary access of the file handler and the records of the element database report a failed
// read or write through gError and give 0 or "".
#include "DatabaseFixture.h"
#include "support/Gemeldet.h"

using DateiFehlerTest = DatabaseFixture;

TEST_F(DateiFehlerTest, TheFileHandlersBinaryAccessReports)
{
    gFileHandler->CloseFile();
    EXPECT_EQ(Gemeldet([] { EXPECT_EQ(gFileHandler->ReadLong(), 0); }), "clsFileHandler.ReadLong 52");
    Written([](int32_t) {
        gFileHandler->WriteInteger(3);
        EXPECT_EQ(Gemeldet([] { gFileHandler->WriteString(std::string(70000, 'x')); }),
                  "clsFileHandler.WriteString 6");
        gFileHandler->SetOffset(0);
        EXPECT_EQ(Gemeldet([] { EXPECT_EQ(gFileHandler->ReadString(), ""); }), "clsFileHandler.ReadString 62");
    });
}

TEST_F(DateiFehlerTest, RecordsAndTablesReportAFileNumberThatNamesNoOpenFile)
{
    gFileHandler->CloseFile();
    clsElement element;
    clsXAchse xAchse;
    clsFMK_Intern tabelle;
    EXPECT_EQ(Gemeldet([&] { element.Element_Lesen(); }), "clsElement.Element_Lesen 52");
    EXPECT_EQ(Gemeldet([&] { xAchse.Daten_Speichern(); }), "clsXAchse.Daten_Speichern 52");
    EXPECT_EQ(Gemeldet([&] { tabelle.Daten_Lesen(); }), "clsFMK_Intern.Daten_Lesen 52");
    gFMK->FMK_Intern_Neu("C", FT_Elektronen, {}, {}, 0.0f);
    EXPECT_EQ(Gemeldet([] { gFMK->FMK_In_ZELO_Speichern(7); }), "clsFMK.FMK_In_ZELO_Speichern 52");
    EXPECT_EQ(Gemeldet([] { EXPECT_FALSE(gFMK->FMK_Von_ZELO_Lesen(7, 1)); }), "clsFMK.FMK_Von_ZELO_Lesen 52");
}
