#include "Programmbilder.h"

#include "mainwindow/Kohlenstoffprobe.h"
#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "curves/ui/frmMittel.h"
#include "graphics/Abbildung.h"
#include "graphics/clsGrafik.h"
#include "graphics/conDisplay.h"
#include "graphics/DiagrammFlaeche.h"
#include "images/ui/conBeugung.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "mainwindow/ui/frmMain.h"
#include "mainwindow/ui/frmOptions.h"
#include "materials/clsMFE.h"
#include "materials/ui/frmDaten.h"
#include "materials/ui/frmSettings.h"
#include "panels/conAddCurves.h"
#include "panels/conFTR.h"
#include "panels/conFit.h"
#include "panels/conUG.h"
#include "simulation/ui/frmMD.h"
#include "support/RecordingSeam.h"
#include "support/TestWorld.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <tuple>

using namespace bedienung;

Programmbilder::Programmbilder(QString ordner, QString daten, int sprache, RecordingSeam& seam)
    : ordner_(std::move(ordner)), daten_(std::move(daten)), sprache_(sprache), seam_(seam)
{
}

bool Programmbilder::Pruefen(bool bedingung, const char* was)
{
    if (!bedingung) {
        std::fprintf(stderr, "hilfe_pdf: %s\n", was);
        gut_ = false;
    }
    return bedingung;
}

void Programmbilder::Bild(const QString& name, QWidget* fenster)
{
    if (!fenster) fenster = gfrmMain;
    QCoreApplication::processEvents();
    Pruefen(fenster->grab().save(ordner_ + "/" + name + ".png"), "a picture cannot be written");
}

bool Programmbilder::Projekt_Starten(bool zweiteMessung)
{
    const Kohlenstoffprobe probe = Kohlenstoffprobe::AusDatenbank();
    const std::filesystem::path ordner = std::filesystem::path(daten_.toStdString());
    std::filesystem::create_directories(ordner);
    std::mt19937_64 zufall{20261207};
    gCommon->Set_Dateiname(probe.Rohspektrum(ordner / "probe.dat", zufall));
    if (zweiteMessung) seam_.dialogAnswers.push_back(probe.Rohspektrum(ordner / "probe_b.dat", zufall));
    Projekteinstellungen_Uebernehmen(Kohlenstoffprobe::Einstellungen((ordner / "probe1").string() + "/"));
    return Pruefen(gSchritt == ST_Rohdaten, "the raw spectrum did not start");
}

void Programmbilder::Ergebnisdateien_Auflisten()
{
    std::set<std::string> endungen;
    std::error_code fehler;
    for (const auto& datei : std::filesystem::directory_iterator(gCommon->Ordner(), fehler))
        endungen.insert(datei.path().extension().string());
    std::ofstream liste((ordner_ + "/ergebnisdateien.txt").toStdString());
    for (const auto& endung : endungen) liste << endung << "\n";
    Pruefen(!endungen.empty() && liste.good(), "the results folder holds no file");
}

bool Programmbilder::Auswertung()
{
    gfrmMain->resize(1100, 760);
    gfrmMain->show();
    gfrmMain->mnuLang_Click(sprache_);
    QCoreApplication::processEvents();
    if (!Pruefen(!gfrmMain->mnuDatei->title().contains("Language Error"), "the language did not switch")) return false;
    Bild("start");

    // Every save option on: the results folder then holds every kind of file the program writes.
    for (int32_t kurve = KT_JK_Bearbeitet; kurve <= KT_KIK; ++kurve) gOptions->setKurveSpeichern(kurve, true);
    if (!Projekt_Starten(true)) return false;
    Bild("1_rohdaten");

    // A second measurement of the sample averaged in, as a user adds one and slides it over the
    // working spectrum, whose first point lies on the other side of the primary beam.
    conAddCurves& mitteln = *gfrmMain->conAddCurves1;
    gfrmMain->mnuMitteln->trigger();
    QTest::mouseClick(mitteln.cmdPlusMinus[0], Qt::LeftButton);
    Pruefen(mitteln.Spektren().Anzahl() == 1, "the second spectrum was not added");
    mitteln.List1->setCurrentRow(0);
    mitteln.scrXStart->setValue(static_cast<int>(std::lround(10.0 * gCalc->x(1))));
    QTest::mouseClick(mitteln.cmdMitteln, Qt::LeftButton);

    Drueck(23);
    if (!Pruefen(gSchritt == ST_Gefaltet, "folding failed")) return false;
    Bild("2_gefaltet");

    QTimer::singleShot(0, [this] {
        if (auto* dialog = qobject_cast<frmMittel*>(QApplication::activeModalWidget())) {
            Bild("2b_mitteln", dialog);
            QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        }
    });
    Drueck(6);
    if (!Pruefen(gSchritt == ST_JK, "averaging failed")) return false;
    Bild("3_jk");

    Drueck(23);
    if (!Pruefen(gSchritt == ST_Fit && gModus_Fit, "the side fit did not wait for the separation point")) return false;
    // The red line that follows the pointer until the click.
    Senden(QEvent::MouseMove, Bei(10.1f, gCalc->Y(101)), Qt::NoButton, {});
    Bild("4a_trennstelle");
    Klick(Bei(10.1f, gCalc->Y(101)));
    if (!Pruefen(gfrmMain->conFit1->isVisible(), "the side-fit panel did not open")) return false;
    const int32_t T = gCalc->Trennstelle();
    Tippen(gfrmMain->conFit1->txtParam[0], Chi(1, T + 5));
    Tippen(gfrmMain->conFit1->txtParam[1], Chi(T - 5, gCalc->Punkte()));
    Bild("4_seitenfit");
    QTest::mouseClick(gfrmMain->conFit1->cmdFit[8], Qt::LeftButton);
    if (!Pruefen(gSchritt == ST_Fit_Fertig, "the side fit was not taken")) return false;

    Drueck(23);
    if (!Pruefen(gSchritt == ST_UG && gfrmMain->conUG1->isVisible(), "the background step did not open")) return false;
    Bild("5a_untergrund_leer");
    for (const double K : Kohlenstoffprobe::kStuetzstellen) {
        const double u = Kohlenstoffprobe::Untergrund(K);
        gGrafik->Zoomen(float(K - 3), float(K + 3), float(u * 1.01), float(u * 0.99), true, true);
        Klick(Bei(float(K), float(u)));
    }
    gGrafik->setZoom(false);
    gGrafik->Zeichne(false);
    Pruefen(gUntergrund->Anzahl() == 8, "the support points were not all taken");
    Bild("5_untergrund");

    Drueck(15);
    if (!Pruefen(gSchritt == ST_IK && gfrmMain->conFTR1->isVisible(), "I(K) did not open")) return false;
    // The damping is chosen once, as a user does.
    Auswaehlen(gfrmMain->conFTR1->cmbDaempfung, int(DA_Lorch));
    Bild("6_ik");

    Drueck(16);
    if (!Pruefen(gSchritt == ST_GR, "G(r) did not open")) return false;
    Bild("7a_gr_ohne_dichte");
    Klick(Bei(gGR->R(gGR->Dichte_Exp_Index()), gGR->Y(gGR->Dichte_Exp_Index())));
    Pruefen(gMFE->Dichte_Experimentell() > 0.0, "no density was taken");
    Bild("7_gr");

    // The Gauss peaks over G(r), then back to the Fourier panel.
    Drueck(25);
    Bild("gauss");
    Drueck(25);

    Drueck(17);
    if (!Pruefen(gSchritt == ST_KZ, "Nc did not open")) return false;
    int32_t ende = gGR->First_Peak_Index();
    while (ende < gGR->Punkte() && gGR->RDF(ende + 1) >= gGR->RDF(ende)) ++ende;
    while (ende < gGR->Punkte() && gGR->RDF(ende + 1) < gGR->RDF(ende)) ++ende;
    Klick(Bei(0.0f));
    Klick(Bei(gGR->R(ende)), Qt::RightButton);
    Bild("8_nc");

    Drueck(18);
    if (!Pruefen(gSchritt == ST_Extras, "Extras did not open")) return false;
    Bild("9_extras");
    Ergebnisdateien_Auflisten();
    return gut_;
}

bool Programmbilder::Fenster()
{
    gfrmMain->resize(1100, 760);
    gfrmMain->show();
    gfrmMain->mnuLang_Click(sprache_);
    QCoreApplication::processEvents();
    // The project settings as they stand after the carbon project was set up.
    if (!Projekt_Starten(false)) return false;
    auto* einstellungen = new frmSettings(gfrmMain);
    einstellungen->setAttribute(Qt::WA_DeleteOnClose);
    einstellungen->show();
    // One component, carbon, chosen as a user chooses it.
    for (int i = 0; i < 2; ++i) QTest::mouseClick(einstellungen->CmdKomponente[1], Qt::LeftButton);
    QComboBox* element = einstellungen->cmbElement[0];
    const int kohlenstoff = element->findText("C", Qt::MatchFixedString);
    Pruefen(kohlenstoff >= 0, "carbon is not in the element list");
    element->setCurrentIndex(kohlenstoff);
    emit element->activated(kohlenstoff);
    einstellungen->txtProzent[0]->setText("100");
    Bild("projekteinstellungen", einstellungen);
    einstellungen->close();

    gfrmMain->mnuDaten_Click();
    frmDaten* daten = nullptr;
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<frmDaten*>(fenster); d && d->isVisible()) daten = d;
    if (Pruefen(daten != nullptr, "no element table")) {
        Bild("elementtabelle", daten);
        daten->close();
    }

    // The options window is closed without OK, so nothing of it is stored.
    auto* optionen = new frmOptions(gfrmMain);
    optionen->setAttribute(Qt::WA_DeleteOnClose);
    optionen->show();
    for (int seite = 0; seite < frmOptions::kSeiten; ++seite) {
        optionen->cmdSeite_Click(seite);
        Bild(QString("optionen_%1").arg(seite), optionen);
    }
    optionen->close();

    // The demonstration I(K) with the automatic transform over the Fourier panel.
    gGespeichert = true;
    gfrmMain->mnuDemoIK->trigger();
    if (Pruefen(gSchritt == ST_IK, "the demonstration I(K) did not start")) {
        Drueck(20);
        Bild("auto_ftr");
        Drueck(20);
    }

    // A diffraction image with three rings around its middle, opened as a new project.
    const QString bildpfad = daten_ + "/ringe.png";
    {
        QImage ringe(600, 600, QImage::Format_RGB32);
        ringe.fill(Qt::black);
        QPainter maler(&ringe);
        maler.setRenderHint(QPainter::Antialiasing);
        for (const auto& [radius, grau, breite] : {std::tuple{70, 230, 14}, {130, 150, 10}, {185, 100, 9}}) {
            maler.setPen(QPen(QColor(grau, grau, grau), breite));
            maler.drawEllipse(QPoint(300, 300), radius, radius);
        }
        maler.setPen(Qt::NoPen);
        maler.setBrush(Qt::white);
        maler.drawEllipse(QPoint(300, 300), 18, 18);
        maler.end();
        Pruefen(ringe.save(bildpfad), "the ring picture cannot be written");
    }
    gGespeichert = true;
    seam_.dialogAnswers.push_back(bildpfad.toStdString());
    seam_.answers.push_back(zelo::MsgResult::Yes);
    gfrmMain->mnuNeuesProjekt_Click();
    // Three points on each ring, then the pointer on the outer ring.
    // The panel opens once the picture has been read.
    if (Pruefen(bedienung::Bild_Abwarten(), "the picture did not load") &&
        Pruefen(gfrmMain->conBeugung1->isVisible(), "the image panel did not open")) {
        for (const double r : {70.0, 130.0, 185.0}) {
            gfrmMain->conBeugung1->pic_MouseDown(300.0, 300.0 - r);
            gfrmMain->conBeugung1->pic_MouseDown(300.0 + r, 300.0);
            gfrmMain->conBeugung1->pic_MouseDown(300.0, 300.0 + r);
        }
        gfrmMain->conBeugung1->pic_MouseMove(300.0 + 185.0 * 0.8, 300.0 - 185.0 * 0.6);
    }
    Bild("bild");

    gGespeichert = true;
    gfrmMain->mnuIMC_Click();
    Bild("simulation");

    auto* md = new frmMD(gfrmMain);
    md->setAttribute(Qt::WA_DeleteOnClose);
    md->show();
    Bild("md", md);
    md->close();
    return gut_;
}
