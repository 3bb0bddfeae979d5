// The element table window over a database that did not load completely: its save asks before it
// writes over the file, and the answer No leaves the file as it is.
#include "ElementWindowFixture.h"

#include "materials/ui/ElementDataPage.h"

#include <QLineEdit>

using ElementTableSafety = ElementWindowFixture;

TEST_F(ElementTableSafety, SavingOverATruncatedDatabaseAsksAndNoLeavesTheFile)
{
    auto bytes = DatabaseBytes();
    bytes.resize(900);
    const auto path = env.DataFolder() / kElementDatabaseFile;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Zelo_Oeffnen();
    frmDaten* window = Open();
    ASSERT_NE(window, nullptr);
    Click(window->cmdNeu);
    for (int box = ElementDataPage::Masse; box <= ElementDataPage::Q0; ++box) window->Daten->txtInfo[box]->setText("1");
    window->Daten->txtInfo[ElementDataPage::Symbol]->setText("Fe");
    window->Daten->txtInfo[ElementDataPage::Name]->setText("Eisen");
    seam.answers = {zelo::MsgResult::No};
    Click(window->cmdOK);
    ASSERT_FALSE(seam.messages.empty());
    EXPECT_EQ(seam.messages.back().buttons, zelo::MsgButtons::YesNo);
    EXPECT_NE(seam.messages.back().text.find(path.string()), std::string::npos) << seam.messages.back().text;
    EXPECT_EQ(DatabaseBytes(), bytes);
    EXPECT_NE(colElemente.Item("Fe"), nullptr) << "the new element stays in memory";
}
