// A language switch re-captions every panel at once, the one shown included: each text a panel took
// from the text table reads, after the switch, the same number's text of the new language, and the
// panel shows what it shows when it is opened again in that language.
#include "MainWindowFixture.h"

#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/ui/frmRecord.h"
#include "core/ui/modUiGlobals.h"
#include "images/ui/conBeugung.h"
#include "mainwindow/modSpezielleKurven.h"
#include "mainwindow/ui/frmMain.h"
#include "panels/conAddCurves.h"
#include "panels/conExtras.h"
#include "panels/conFTR.h"
#include "panels/conFT_AI.h"
#include "panels/conFit.h"
#include "panels/conGauss.h"
#include "panels/conSmoothing.h"
#include "panels/conUG.h"
#include "simulation/ui/conIMC.h"
#include "support/TestBilder.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "widgets/fxbutton.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace {

constexpr int32_t kDeutsch = 0;
constexpr int32_t kEnglisch = 3;

// What a user reads on a control: its caption or text, and its tooltip.
std::vector<std::pair<QWidget*, QString>> Texte(QWidget* panel)
{
    std::vector<std::pair<QWidget*, QString>> texte;
    for (QWidget* teil : panel->findChildren<QWidget*>()) {
        if (!teil->isVisibleTo(panel)) continue;
        QString text;
        if (auto* knopf = qobject_cast<QAbstractButton*>(teil)) text = knopf->text();
        else if (auto* label = qobject_cast<QLabel*>(teil)) text = label->text();
        else if (auto* knopf = qobject_cast<fxbutton*>(teil)) text = knopf->Caption();
        else if (auto* gruppe = qobject_cast<QGroupBox*>(teil)) text = gruppe->title();
        if (!text.isEmpty()) texte.emplace_back(teil, text);
        if (!teil->toolTip().isEmpty()) texte.emplace_back(teil, "Tooltip: " + teil->toolTip());
    }
    return texte;
}

// The text table in both languages, as the program reads it.
struct Texttabelle {
    std::map<int32_t, QString> text[2];

    void Laden()
    {
        const int32_t gewaehlt = gLanguage->Offset();
        for (const int32_t sprache : {0, 1}) {
            gLanguage->OpenLanguageEx(sprache == 0 ? kDeutsch : kEnglisch);
            for (int32_t n = 1; n < 1000; ++n) {
                const std::string t = gLanguage->Caption(n);
                if (!t.starts_with("Language Error Index")) text[sprache][n] = QString::fromStdString(t);
            }
        }
        gLanguage->OpenLanguageEx(gewaehlt);
    }

    // The table texts of language sprache (0 German, 1 English) that the caption holds as whole
    // words, of those that differ between the languages; longer texts first, none overlapping. Each
    // entry holds the numbers of one text.
    std::vector<std::set<int32_t>> Fundstellen(const QString& caption, int32_t sprache) const
    {
        std::map<QString, std::set<int32_t>> kandidaten;
        for (const auto& [n, t] : text[sprache]) {
            const QString wort = t.trimmed();
            if (wort.size() < 3 || wort.compare(text[1 - sprache].at(n).trimmed(), Qt::CaseInsensitive) == 0) continue;
            kandidaten[wort].insert(n);
        }
        std::vector<std::pair<QString, std::set<int32_t>>> reihe(kandidaten.begin(), kandidaten.end());
        std::stable_sort(reihe.begin(), reihe.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        std::vector<bool> belegt(static_cast<size_t>(caption.size()), false);
        std::vector<std::set<int32_t>> funde;
        for (const auto& [wort, nummern] : reihe) {
            for (qsizetype i = caption.indexOf(wort); i >= 0; i = caption.indexOf(wort, i + 1)) {
                const qsizetype ende = i + wort.size();
                if ((i > 0 && caption[i - 1].isLetter()) || (ende < caption.size() && caption[ende].isLetter())) continue;
                if (std::any_of(belegt.begin() + i, belegt.begin() + ende, [](bool b) { return b; })) continue;
                std::fill(belegt.begin() + i, belegt.begin() + ende, true);
                funde.push_back(nummern);
            }
        }
        return funde;
    }
};

class SprachwechselTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        tabelle.Laden();
    }
    // Shows the panel alone in its place as eintritt enters it, switches the language from von to
    // nach and compares every text with the table and with the panel opened again (wieder), where
    // opening it again shows the same state. Controls that carry fixed German captions of their own
    // rather than the table's (eigene) are left out of the comparison with the table.
    void Pruefen(QWidget* panel, const QString& name, const std::function<void()>& eintritt,
                 const std::function<void()>& wieder, const std::set<QWidget*>& eigene = {})
    {
        for (const auto& [von, nach] : {std::pair{kDeutsch, kEnglisch}, std::pair{kEnglisch, kDeutsch}}) {
            SCOPED_TRACE(name.toStdString() + (nach == kEnglisch ? " to English" : " to German"));
            gfrmMain->mnuLang_Click(von);
            std::vector<QWidget*> andere;
            for (QWidget* w : panel->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w == panel || w->isHidden()) continue;
                andere.push_back(w);
                w->hide();
            }
            if (eintritt) eintritt();
            panel->show();
            QCoreApplication::processEvents();
            const auto vorher = Texte(panel);

            gfrmMain->mnuLang_Click(nach);
            QCoreApplication::processEvents();
            const auto nachher = Texte(panel);
            const int32_t alt = von == kDeutsch ? 0 : 1;
            std::map<QWidget*, QStringList> jetzt;
            for (const auto& [teil, text] : nachher) jetzt[teil].append(text);
            for (const auto& [teil, text] : vorher) {
                if (eigene.count(teil)) continue;
                for (const std::set<int32_t>& nummern : tabelle.Fundstellen(text, alt)) {
                    const auto folgt = [&](const QString& neu) {
                        return std::any_of(nummern.begin(), nummern.end(), [&](int32_t n) {
                            return neu.contains(tabelle.text[1 - alt].at(n).trimmed());
                        });
                    };
                    EXPECT_TRUE(std::any_of(jetzt[teil].begin(), jetzt[teil].end(), folgt))
                        << "\"" << text.toStdString() << "\" (text " << *nummern.begin() << ") reads \""
                        << jetzt[teil].join(" | ").toStdString() << "\"";
                }
            }
            Bild(*panel, "sprache_" + name + (nach == kEnglisch ? "_en" : "_de") + ".png");
            if (wieder) {
                wieder();
                QCoreApplication::processEvents();
                const auto neu = Texte(panel);
                ASSERT_EQ(neu.size(), nachher.size());
                for (size_t i = 0; i < neu.size(); ++i)
                    EXPECT_EQ(nachher[i].second.toStdString(), neu[i].second.toStdString())
                        << "the switch shows what opening the panel again shows";
            }
            panel->hide();
            for (QWidget* w : andere) w->show();
        }
    }

    Texttabelle tabelle;
};

}

TEST_F(SprachwechselTest, EveryStepPanelFollowsASwitchWhileItIsShown)
{
    gfrmMain->resize(1200, 800);
    gfrmMain->show();
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    gfrmMain->Form_KeyUp(Qt::Key_G);
    frmMain& f = *gfrmMain;
    // Each panel as its step enters it; entering the Gauss panel again searches its peaks anew.
    const std::vector<std::tuple<QWidget*, QString, std::function<void()>, bool>> panels = {
        {f.conFit1, "conFit", {}, true},
        {f.conUG1, "conUG", [&f] { f.conUG1->Init(); }, true},
        {f.conSmoothing1, "conSmoothing", [&f] { f.conSmoothing1->Start(KT_GR); }, true},
        {f.conFTR1, "conFTR_IK", [&f] { f.conFTR1->Zeigen(KT_IK); }, true},
        {f.conFTR1, "conFTR_GR", [&f] { f.conFTR1->Zeigen(KT_GR); }, true},
        {f.conExtras1, "conExtras", [&f] { f.conExtras1->Init(); }, true},
        {f.conGauss1, "conGauss", [&f] { f.conGauss1->Init(); }, false},
        {f.conFT_AI1, "conFT_AI", [&f] { f.conFT_AI1->Init(); }, true},
        {f.conAddCurves1, "conAddCurves", [&f] { f.conAddCurves1->Init(); }, true},
    };
    // The automatic transform's stop conditions are fixed German captions.
    const std::set<QWidget*> eigene = {f.conFT_AI1->Label1_1, f.conFT_AI1->Label2_1, f.conFT_AI1->Label3_1};
    for (const auto& [panel, name, eintritt, wieder] : panels)
        Pruefen(panel, name, eintritt, wieder ? eintritt : std::function<void()>(), eigene);
}

TEST_F(SprachwechselTest, TheImagePanelFollowsASwitchWhileItShowsAPicture)
{
    Bild_Schreiben(env.Root() / "bild.png", 300, 200, [](int32_t x, int32_t y) { return Grau((x + y) % 256); });
    // The values of an I(K) shown before the picture must not come back with the switch.
    gfrmMain->Spezielle_Kurve_Starten(PT_IK, PTS_Demo_IK);
    gfrmMain->conDisplay[0]->RaiseInfoChange(KT_IK);
    ASSERT_FALSE(gfrmMain->lblSS->text().isEmpty());
    for (const bool beugung : {true, false}) {
        seam.dialogAnswers = {(env.Root() / "bild.png").string()};
        seam.answers = {beugung ? zelo::MsgResult::Yes : zelo::MsgResult::No};
        gfrmMain->resize(1200, 800);
        gfrmMain->mnuNeuesProjekt->trigger();
        ASSERT_TRUE(bedienung::Bild_Abwarten());
        conBeugung* panel = gfrmMain->conBeugung1;
        panel->pic_MouseMove(40, 30);
        for (const int32_t seite : {0, beugung ? 1 : 2})
            Pruefen(panel, QString("conBeugung_%1_%2").arg(beugung ? "ring" : "digital").arg(seite),
                    [panel, seite] { panel->optBild_Click(seite); }, {});
        EXPECT_EQ(gfrmMain->lblSS->text().toStdString(), "");
    }
}

TEST_F(SprachwechselTest, TheSimulationPanelsBestStateFollowsASwitch)
{
    gfrmMain->resize(1200, 800);
    gfrmMain->show();
    gfrmMain->mnuIMC->trigger();
    conIMC* panel = gfrmMain->conIMC1;
    panel->txtAtome->setText("3");
    panel->cmdIKladen_Click(0);
    QElapsedTimer uhr;
    uhr.start();
    const auto warten = [&] {
        while (panel->Beschaeftigt() && uhr.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };
    warten();
    panel->HScroll1->setValue(1000);
    panel->Simulation_Starten();
    panel->Zyklus();
    while (panel->Bild().zyklus < 1 && uhr.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    panel->Simulation_Stoppen();
    ASSERT_FALSE(panel->lblBester->text().isEmpty());
    // The panel's own texts are fixed German ones; the best state's line is the table's.
    std::set<QWidget*> eigene;
    for (QWidget* teil : panel->findChildren<QWidget*>())
        if (teil != panel->lblBester) eigene.insert(teil);
    Pruefen(panel, "conIMC", {}, {}, eigene);
}

TEST_F(SprachwechselTest, TheProcessingLogsTitleFollowsASwitch)
{
    gfrmMain->mnuRecord_Click();
    ASSERT_TRUE(gfrmRecord->isVisible());
    for (const int32_t sprache : {kEnglisch, kDeutsch, kEnglisch}) {
        gfrmMain->mnuLang_Click(sprache);
        EXPECT_EQ(gfrmRecord->windowTitle().toStdString(), gLanguage->Caption(156)) << sprache;
    }
    EXPECT_EQ(gfrmRecord->windowTitle().toStdString(), "what happened so far ...");
    Bild(*gfrmRecord, "sprache_frmRecord_en.png");
    gfrmMain->mnuLang_Click(kDeutsch);
}
