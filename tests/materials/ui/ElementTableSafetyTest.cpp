// The element table window over a database that did not load completely, or that another running
// copy saved meanwhile: its save asks before it writes over the file, and the answer No leaves the
// file as it is and the edits in the window.
#include "ElementWindowFixture.h"

#include "mainwindow/modDatenbankInstallation.h"
#include "materials/ui/ElementDataPage.h"

#include <QLineEdit>
#include <QPointer>

using ElementTableSafety = ElementWindowFixture;

TEST_F(ElementTableSafety, SavingOverATruncatedDatabaseRunOnTheInstalledTableAsksAndKeepsTheFileAsACopy)
{
    auto bytes = DatabaseBytes();
    bytes.resize(900);
    const auto path = env.DataFolder() / kElementDatabaseFile;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Zelo_Oeffnen(Installierte_Datenbank());
    seam.messages.clear();
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->lstElemente->count(), 98) << "the installed table";
    Pick(window, "Cu - Kupfer");
    window->Daten->txtInfo[ElementDataPage::Name]->setText("Kupfer-Test");
    seam.answers = {zelo::MsgResult::No};
    Click(window->cmdOK);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages.back().buttons, zelo::MsgButtons::YesNo);
    EXPECT_NE(seam.messages.back().text.find(path.string()), std::string::npos) << seam.messages.back().text;
    EXPECT_EQ(DatabaseBytes(), bytes);
    EXPECT_EQ(colElemente.Item("Cu")->name(), "Kupfer-Test") << "the change stays in memory";

    seam.answers = {zelo::MsgResult::Yes};
    Click(window->cmdOK);
    EXPECT_EQ(seam.messages.size(), 2u);
    std::ifstream copy(path.string() + ".bak", std::ios::binary);
    EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(copy), {}), bytes);
    Zelo_Oeffnen();
    EXPECT_EQ(colElemente.Count(), 98);
    EXPECT_EQ(colElemente.Item("Cu")->name(), "Kupfer-Test");
}

TEST_F(ElementTableSafety, ADatabaseSavedByAnotherCopyMeanwhileIsLeftOrKeptAsACopyAsTheUserAnswers)
{
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    window->Daten->txtInfo[ElementDataPage::Name]->setText("Bor-Test");
    // Another copy of the program saves its own change.
    auto theirs = DatabaseBytes();
    theirs[17] ^= 0x55;
    const auto path = env.DataFolder() / kElementDatabaseFile;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(theirs.data()), static_cast<std::streamsize>(theirs.size()));

    seam.answers = {zelo::MsgResult::No};
    Click(window->cmdOK);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(path.string()), std::string::npos) << seam.messages[0].text;
    EXPECT_EQ(DatabaseBytes(), theirs);
    EXPECT_TRUE(window->isVisible()) << "the edit stays in the window";
    EXPECT_EQ(window->Daten->txtInfo[ElementDataPage::Name]->text(), "Bor-Test");

    seam.answers = {zelo::MsgResult::Yes};
    const QPointer<frmDaten> closed(window);
    Click(window->cmdOK);
    EXPECT_TRUE(!closed || !closed->isVisible());
    std::ifstream copy(path.string() + ".bak", std::ios::binary);
    EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(copy), {}), theirs);
    Zelo_Oeffnen();
    EXPECT_EQ(colElemente.Item("B")->name(), "Bor-Test");
}
