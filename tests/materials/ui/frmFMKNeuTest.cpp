#include "ElementWindowFixture.h"

#include "materials/clsFMK.h"
#include "materials/ui/FormFactorPage.h"
#include "materials/ui/frmFMKNeu.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class NewTableWindow : public ElementWindowFixture {
protected:
    // The new-table window opened from the element table window for the element shown there.
    frmFMKNeu* OpenFor(const QString& entry)
    {
        window = Open();
        Pick(window, entry);
        Click(window->optInfo[2]);
        Click(window->Formfaktor->cmdNeuIntern);
        return window->NeuerFMK();
    }
    static void Type(frmFMKNeu* dialog, const std::vector<std::pair<int, QString>>& boxes)
    {
        for (const auto& [index, text] : boxes) dialog->txtParam[index]->setText(text);
    }
    // Whether the new-table window has closed (and so been deleted).
    bool Closed() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window->NeuerFMK() == nullptr;
    }
    int32_t LastTable() const { return gFMK->FMK_Anzahl(); }

    frmDaten* window = nullptr;
};

}

TEST_F(NewTableWindow, EmptyBoxesMakeAZeroTableSavedAtOnceAndListed)
{
    frmFMKNeu* dialog = OpenFor("C - Kohlenstoff");
    ASSERT_NE(dialog, nullptr);
    const int revision = Revision();
    Click(dialog->Command3);
    EXPECT_TRUE(Closed());
    ASSERT_EQ(LastTable(), 7);
    const clsFMK_Intern& table = gFMK->Tabelle(7);
    EXPECT_EQ(std::tuple(table.Symbol(), table.FMK_Typ(), table.Y(0.0f), table.Y(50.0f)),
              std::tuple("C", FT_Elektronen, 0.0f, 0.0f));
    EXPECT_EQ(Revision(), revision + 1);
    EXPECT_EQ(window->Label1->text(), "6 Elemente\n7 Formfaktoren");
}

TEST_F(NewTableWindow, OneGaussWithoutWidthIsAConstantXRayTable)
{
    frmFMKNeu* dialog = OpenFor("H - Wasserstoff");
    Type(dialog, {{0, "1"}, {1, "0"}, {3, "0,5"}});
    dialog->optTyp[1]->click();
    Click(dialog->Command3);
    const clsFMK_Intern& table = gFMK->Tabelle(LastTable());
    EXPECT_EQ(table.FMK_Typ(), FT_Roentgen);
    EXPECT_FLOAT_EQ(table.B(2), 0.5f) << "a decimal comma";
    for (float K : {0.0f, 10.0f, 100.0f}) EXPECT_FLOAT_EQ(table.Y(K), 1.0f) << K;
}

TEST_F(NewTableWindow, TableIsForTheElementShownAtOpening)
{
    frmFMKNeu* dialog = OpenFor("C - Kohlenstoff");
    Pick(window, "Li - Lithium");
    EXPECT_EQ(dialog->lblSymbol->text(), "C - Kohlenstoff");
    Click(dialog->Command3);
    EXPECT_EQ(gFMK->Tabelle(LastTable()).Symbol(), "C");
}
