#include "DatabaseFixture.h"

#include "core/clsLanguage.h"

using DatabaseAtStartup = DatabaseFixture;

TEST_F(DatabaseAtStartup, MissingFileIsReplacedByTheDefaultCopyAfterOneMessage)
{
    SelectStoredLanguage();
    Zelo_Datei_Sicherstellen();
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "zelo_init.dat wurde nicht gefunden.\r\nDEMO-Daten werden generiert und verwendet!");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(ReadDatabase(), DefaultCopy());

    Zelo_Oeffnen();
    EXPECT_EQ(colElemente.Count(), 6);
    EXPECT_EQ(gFMK->FMK_Anzahl(), 6);

    Zelo_Datei_Sicherstellen();  // present now: no message, the file stays as it is
    EXPECT_EQ(seam.messages.size(), 1u);
}
