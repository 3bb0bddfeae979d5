// The preview windows: their kinds, captions and axes, the collection, and that showing a curve
// never changes the evaluation.
#include "AuswertungFixture.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "graphics/Vorschau.h"
#include "graphics/frmSmall.h"

#include <QCheckBox>
#include <QComboBox>

#include <filesystem>
#include <map>

namespace {

class Vorschau : public AuswertungFixture {
protected:
    void SetUp() override
    {
        AuswertungFixture::SetUp();
        Auswertung();
    }
    void TearDown() override
    {
        for (auto& [schluessel, fenster] : colSmall) delete fenster.data();
        colSmall.clear();
        AuswertungFixture::TearDown();
    }

    // The window opened last.
    static frmSmall& Neu(int32_t kind)
    {
        const std::map<std::string, QPointer<QWidget>> vorher = colSmall;
        NewPreviewWindow(kind);
        for (const auto& [schluessel, fenster] : colSmall)
            if (!vorher.count(schluessel)) return *qobject_cast<frmSmall*>(fenster.data());
        throw std::logic_error("no new preview window");
    }
};

// Everything a preview could change by mistake.
struct Zustand {
    std::vector<float> ik, ik2, rtr, gewichtet, gr;
    std::vector<int32_t> indizes;
    std::vector<float> werte;
    std::map<std::string, std::uintmax_t> dateien;
    bool operator==(const Zustand&) const = default;
};

Zustand Jetzt(const std::filesystem::path& ordner)
{
    Zustand z;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
        z.ik.push_back(gIK->Y(i));
        z.ik2.push_back(gIK->Y_2(i));
        z.rtr.push_back(gIK->Y_RTR(i));
        z.gewichtet.push_back(gIK->Y_Wichtung(i));
    }
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) z.gr.push_back(gGR->Y(i));
    z.indizes = {gIK->Parabel_Index(), gIK->FTR_Index(), gIK->FTR_Start_Index(), gGR->Anzahl_FFT(), gFFT->Anzahl_FFT(),
                 gGR->Dichte_Exp_Index()};
    z.werte = {gIK->Wichtung(), gMFE->Dichte_Experimentell()};
    for (const auto& datei : std::filesystem::recursive_directory_iterator(ordner))
        z.dateien[datei.path().string()] = datei.is_regular_file() ? datei.file_size() : 0;
    return z;
}

}

TEST_F(Vorschau, NewWindowsStartOnGrTakeTheKindAskedAndAreTrackedUntilClosed)
{
    frmSmall& gr = Neu(KT_IK);
    EXPECT_EQ(gr.cmbkRaum->currentIndex(), 0) << "I(K) of kind 6 has no preview";
    EXPECT_EQ(gr.windowTitle().toStdString(), Kurven_Titel(KT_GR) + " Vorschau, n=" + rt::SingleText(gMFE->Dichte_Experimentell()));
    EXPECT_FALSE(gr.conDisplay1->Y_Achse_Log());

    frmSmall& ik = Neu(KT_IK_Wichtung);
    EXPECT_EQ(ik.cmbkRaum->currentData().toInt(), KT_IK_Wichtung);
    EXPECT_EQ(ik.windowTitle().toStdString(), Kurven_Titel(KT_IK_Wichtung) + " Vorschau") << "no density beside I(K)";
    EXPECT_EQ(gr.cmbkRaum->count(), 4);

    frmSmall& ug = Neu(KT_UG);
    EXPECT_TRUE(ug.conDisplay1->Y_Achse_Log()) << "U(K) on a log axis";
    EXPECT_FALSE(ug.conDisplay1->Check1->isVisibleTo(&ug));
    frmSmall& rdf = Neu(KT_RDF);
    for (const auto& [fenster, name] : std::initializer_list<std::pair<frmSmall*, const char*>>{
             {&gr, "gr"}, {&rdf, "rdf"}, {&ik, "ik"}, {&ug, "ug"}})
        Speichern(*fenster, QString("vorschau_%1.png").arg(name));
    // All windows are tracked, each one window width further left; closing removes one.
    EXPECT_EQ(colSmall.size(), 4u);
    EXPECT_EQ(PreviewWindow(ik.Tag()), &ik);
    EXPECT_LT(ik.x(), gr.x());
    EXPECT_GE(rdf.x(), 0);
    rdf.close();
    EXPECT_EQ(colSmall.size(), 3u);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(Vorschau, ShowingAnyCurveLeavesTheEvaluationAsItIs)
{
    gCommon->setEnable_Record(true);
    const Zustand vorher = Jetzt(env.Root());
    const auto zeilen = seam.logLines;
    for (const int32_t hauptKurve : {KT_IK, KT_GR, KT_UG_Stuetzstellen, KT_UG}) {
        gGrafik->setLetzteKurve(hauptKurve);
        for (const int32_t kind : {KT_GR, KT_RDF, KT_IK_Wichtung, KT_UG}) Neu(kind);
        ShowWindowPreview();
    }
    EXPECT_TRUE(Jetzt(env.Root()) == vorher);
    EXPECT_EQ(seam.logLines, zeilen);
    EXPECT_EQ(seam.errorWindows, 0);
}
