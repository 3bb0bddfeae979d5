// The simulation panel's run: cycles on the worker until the stop, the run times, and the drawings
// of the latest finished state.
#include "simulation/ui/conIMC.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "graphics/Zeichenhilfen.h"
#include "graphics/conDisplay.h"
#include "simulation/ui/AtomBild.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

QString Zahl(float wert) { return QString::fromStdString(rt::SingleText(wert)); }

// The r axis of g(r) and of the potential ends here (nm).
constexpr float kR_Achse = 1.5f;

// The last bin worth drawing on the r axis, plus one: the lines beyond it fall outside the
// diagram, and a box of 32,000 atoms has as many bins.
size_t Bins_Bis_Achsenende(size_t groesse)
{
    return std::min(groesse, static_cast<size_t>(kR_Achse / clsMonteCarlo::kDr) + 2);
}

QString Text(int32_t nummer) { return gLanguage ? QString::fromStdString(gLanguage->Caption(nummer)) : QString(); }

QString Dauer(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QString("%1:%2:%3").arg(s / 3600, 2, 10, QChar('0')).arg(s / 60 % 60, 2, 10, QChar('0')).arg(s % 60, 2, 10, QChar('0'));
}

}

bool conIMC::Zahl_Lesen(QLineEdit* box, const char* name, float& wert)
{
    wert = StrToSingle(box->text().toStdString());
    if (wert != Kein_Wert) return true;
    zelo::Ui().MsgBox(std::string(name) + " \"" + box->text().toStdString() + "\" ist keine Zahl.", zelo::MsgButtons::OK,
                      zelo::MsgIcon::Exclamation, gLoader ? gLoader->ApplicationName() : std::string());
    box->setFocus();
    return false;
}

void conIMC::Simulation_Starten()
{
    if (Beschaeftigt() || !v_.Geladen()) return;
    Laufparameter p;
    p.lambda = StrToSingle(txtLambda->text().toStdString());
    if (p.lambda == Kein_Wert) p.lambda = 0.1f;
    float intervall = 0;
    if (!Zahl_Lesen(txtdr_ruecken, "delta r rücken", p.delta) || !Zahl_Lesen(txtEta, "eta", p.eta) ||
        !Zahl_Lesen(txtAlpha, "alpha", p.alpha) || !Zahl_Lesen(txtAktualisieren, "Zeichnen aller", intervall))
        return;
    intervall_ = std::max(rt::CLng(std::min(intervall, 1e9f)), 1);
    v_.Parameter_Setzen(p);
    start_ = Uhr();
    lblStart->setText("Simulation gestartet um " + start_.toString("hh:mm:ss"));
    Label1->setText("Wartezeit: " + QString::number(HScroll1->value()));
    v_.mc().Zufallsquelle().SeedFromClock();
    bildNummer_ = lauf_.Bild_Nummer();
    if (!lauf_.Starten(0, HScroll1->value(), intervall_)) return;
    arbeit_ = Arbeit::Lauf;
    abholen_.start();
    Knoepfe_Setzen();
}

void conIMC::Simulation_Stoppen()
{
    if (!Laeuft()) return;
    lauf_.Stoppen();
    abholen_.stop();
    arbeit_ = Arbeit::Keine;
    const QDateTime ende = Uhr();
    gesamtMs_ += start_.msecsTo(ende);
    lblStop->setText("Simulation beendet um " + ende.toString("hh:mm:ss") + ", Dauer (Gesamt)" + Dauer(gesamtMs_));
    // The run leaves its best state, not wherever it drifted to.
    v_.Bestes_Wiederherstellen();
    gezeichnet_ = -1;
    Bild_Zeigen(Simulationslauf::Aufnehmen(v_, true));
    if (v_.Bester_Zyklus() > 0) Bester_Zeigen(571);
    Knoepfe_Setzen();
}

void conIMC::Zyklus()
{
    if (arbeit_ == Arbeit::Laden || !v_.Geladen()) return;
    if (Laeuft()) {
        lauf_.Schritt_Anfordern();
        return;
    }
    if (Beschaeftigt()) return;
    bildNummer_ = lauf_.Bild_Nummer();
    if (!lauf_.Starten(1, 0, intervall_)) return;
    arbeit_ = Arbeit::Schritt;
    abholen_.start();
    Knoepfe_Setzen();
}

void conIMC::Abholen()
{
    // Idle first, then the picture: the worker's last picture is taken too.
    const bool fertig = !lauf_.Beschaeftigt();
    Simulationsbild b;
    if (arbeit_ != Arbeit::Laden && lauf_.Bild_Holen(bildNummer_, b)) {
        bildNummer_ = b.nummer;
        Bild_Zeigen(b);
    }
    if (!fertig || arbeit_ == Arbeit::Lauf) return;
    abholen_.stop();
    const Arbeit erledigt = std::exchange(arbeit_, Arbeit::Keine);
    if (erledigt == Arbeit::Laden) Experiment_Geladen();
    Knoepfe_Setzen();
}

void conIMC::Bild_Zeigen(const Simulationsbild& b)
{
    bild_ = b;
    // The cycles whose number is a multiple of the drawing interval are drawn; of several that
    // finished since the last look, the latest.
    const int32_t zaehler = b.zyklus / intervall_;
    if (zaehler != gezeichnet_) {
        gezeichnet_ = zaehler;
        Zeichne_gr();
        Zeichne_SK();
        Zeichne_Potential();
        Zeichne_Cluster();
    }
    Zyklus_Anzeigen(b);
}

void conIMC::Zyklus_Anzeigen(const Simulationsbild& b)
{
    Label12->setText("lambda = " + Zahl(b.lambda) + ", dr = " + Zahl(b.delta));
    Label13->setText("Convergenz: " + Zahl(b.chi2));
    lblZyklus->setText("Zyklus: " + QString::number(b.zyklus));
    lblAktzeptiert->setText("akzeptiert: " + QString::number(b.akzeptiert) + " Verschiebungen, zuletzt vor " +
                            QString::number(b.zyklus - b.zuletztAkzeptiert) + " Zyklen");
    Bester_Zeigen(b.besterZyklus > 0 ? 570 : 0);
}

void conIMC::Bester_Zeigen(int32_t text)
{
    besterText_ = text;
    lblBester->setText(text ? Text(text) + " " + QString::number(bild_.besterZyklus) : QString());
}

void conIMC::SpracheUmstellen() { Bester_Zeigen(besterText_); }

void conIMC::HScroll1_Change(int wert)
{
    Label1->setText("Wartezeit: " + QString::number(wert) + " ms");
    lauf_.setWartezeit(wert);
}

void conIMC::HScroll2_Change(int wert)
{
    Label4->setText("g(r) Smooth Level: " + QString::number(wert));
    // A run takes the width over before its next cycle.
    lauf_.setM(wert);
    if (Beschaeftigt()) return;
    v_.setM(wert);
    if (!v_.Geladen()) return;
    v_.gr_Glaetten();
    bild_.gSim.assign(v_.g_sim().begin(), v_.g_sim().end());
    Zeichne_gr();
}

void conIMC::Skalen_Setzen()
{
    const Experimentdaten& e = v_.Experiment();
    const auto count = static_cast<float>(e.iK.size());
    const struct {
        conDisplay* d;
        float xmax, ymax, ymin;
        int32_t kurve;
    } skalen[] = {{conDisplay_gr, kR_Achse, 3, -1, KT_g_r}, {conDisplay_pot, kR_Achse, 1000, -1000, KT_v_r},
                  {conDisplay_sk, count * e.dK, 5, -1.2f, KT_IK}};
    for (const auto& s : skalen) {
        s.d->Display_Loeschen();
        s.d->Skalieren(s.xmax, 0, s.ymax, s.ymin, s.kurve);
        s.d->Zeichne_Achsen();
        s.d->Display_Background();
        s.d->AllowScaling(false, false);
    }
}

void conIMC::Zeichne_Experiment()
{
    const std::span<const float> g = v_.g_exp();
    const double dr = clsMonteCarlo::kDr;
    const auto nbins = static_cast<int32_t>(g.size()) - 1;
    conDisplay_gr->Display_Loeschen();
    conDisplay_gr->Zeichne_Achsen();
    const auto bis = static_cast<int32_t>(Bins_Bis_Achsenende(g.size())) - 1;
    Linienzug(*conDisplay_gr, farbe::Blau, 1, bis, [&](int32_t k) { return k == 1 ? 0.0f : float(k * dr); },
              [&](int32_t k) { return g[size_t(k)]; });
    conDisplay_gr->Zeichne_Punkt(0, 1, farbe::Rot);
    conDisplay_gr->Zeichne_LinieZu(float(nbins * dr), 1, farbe::Rot);
    conDisplay_gr->Display_Background();

    const Experimentdaten& e = v_.Experiment();
    const auto count = static_cast<int32_t>(e.iK.size());
    conDisplay_sk->Display_Loeschen();
    conDisplay_sk->Zeichne_Achsen();
    Linienzug(*conDisplay_sk, farbe::Blau, 1, count, [&](int32_t k) { return k == 1 ? 0.0f : k * e.dK; },
              [&](int32_t k) { return e.iK[size_t(k - 1)]; });
    conDisplay_sk->Zeichne_Punkt(0, 0, farbe::Rot);
    conDisplay_sk->Zeichne_LinieZu(count * e.dK, 0, farbe::Rot);
    conDisplay_sk->Display_Background();
}

void conIMC::Zeichne_gr()
{
    const double dr = clsMonteCarlo::kDr;
    conDisplay_gr->Display_CLS();
    for (const auto& [werte, f] : {std::pair{&bild_.gHist, farbe::Magenta}, std::pair{&bild_.gSim, farbe::Schwarz}}) {
        conDisplay_gr->Zeichne_Punkt(0, 0, f);
        for (size_t k = 1; k < Bins_Bis_Achsenende(werte->size()); ++k)
            conDisplay_gr->Zeichne_LinieZu(float(k * dr), (*werte)[k], f);
    }
}

void conIMC::Zeichne_Potential()
{
    const std::vector<float>& V = bild_.V;
    conDisplay_pot->Display_CLS();
    conDisplay_pot->Zeichne_Punkt(0, 0, farbe::Schwarz);
    for (size_t k = 1; k < Bins_Bis_Achsenende(V.size()); ++k)
        conDisplay_pot->Zeichne_LinieZu(float(k * clsMonteCarlo::kDr), V[k], farbe::Schwarz);
}

void conIMC::Zeichne_SK()
{
    const std::vector<float>& s = bild_.SK;
    const float dK = v_.Experiment().dK;
    conDisplay_sk->Display_CLS();
    // Before the first smoothed g(r) there is no S(K): the experiment stands alone.
    if (s.empty()) return;
    conDisplay_sk->Zeichne_Punkt(0, 0, farbe::Schwarz);
    for (size_t k = 1; k <= s.size(); ++k) conDisplay_sk->Zeichne_LinieZu(float(k) * dK, s[k - 1], farbe::Schwarz);
}

void conIMC::Zeichne_Cluster()
{
    std::vector<Bildatom> atome(bild_.atome.size());
    for (size_t i = 0; i < atome.size(); ++i) {
        const AtomRecord& a = bild_.atome[i];
        atome[i] = {a.x, a.y, a.z, a.moved};
    }
    picCluster->Zeichnen(v_.mc().L(), atome);
}
