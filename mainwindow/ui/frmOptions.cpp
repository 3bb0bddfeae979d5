#include "mainwindow/ui/frmOptions.h"

#include "analysis/TransformGroesse.h"
#include "core/KeyedCollection.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "materials/clsFMK.h"
#include "materials/clsXAchse.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int32_t kUeberschrift[frmOptions::kSeiten] = {310, 306, 312, 311, 313};

}

frmOptions::frmOptions(QWidget* owner)
    : QDialog(owner), lblUeberschrift(new QLabel(this)), fraSeiten(new QStackedWidget(this)),
      cmdOK(new fxbutton("OK", this))
{
    setModal(true);
    setWindowTitle(Text(304));
    auto* seitenKnoepfe = new QHBoxLayout();
    // The page buttons are option buttons of their own parent, so that only they exclude each other.
    auto* knopfLeiste = new QWidget(this);
    auto* knopfLayout = new QHBoxLayout(knopfLeiste);
    knopfLayout->setContentsMargins(0, 0, 0, 0);
    for (int p = 0; p < kSeiten; ++p) {
        fxbutton* knopf = new fxbutton(Text(305 + p), knopfLeiste);
        knopf->setMode(fxbutton::ModeOption);
        knopf->setFixedSize(110, 28);
        knopf->setButtonStyle(gOptions->ButtonStyle());
        connect(knopf, &fxbutton::Click, this, [this, p] { cmdSeite_Click(p); });
        knopfLayout->addWidget(knopf);
        cmdSeite[static_cast<size_t>(p)] = knopf;
    }
    seitenKnoepfe->addWidget(knopfLeiste);
    seitenKnoepfe->addStretch();
    QFont font = lblUeberschrift->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    lblUeberschrift->setFont(font);

    fraSeiten->addWidget(Seite_Berechnungen());
    fraSeiten->addWidget(Seite_Speichern());
    fraSeiten->addWidget(Seite_XAchse());
    fraSeiten->addWidget(Seite_Formfaktoren());
    fraSeiten->addWidget(Seite_Programm());
    cmdOK->setButtonStyle(gOptions->ButtonStyle());
    cmdXAchseNeu->setButtonStyle(gOptions->ButtonStyle());
    cmdXAchseLoeschen->setButtonStyle(gOptions->ButtonStyle());
    cmdOK->setFixedSize(90, 25);
    connect(cmdOK, &fxbutton::Click, this, [this] { cmdOK_Click(); });

    auto* unten = new QHBoxLayout();
    unten->addStretch();
    unten->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(seitenKnoepfe);
    layout->addWidget(lblUeberschrift);
    layout->addWidget(fraSeiten, 1);
    layout->addLayout(unten);

    cmdSeite[0]->setValue(true);
    lblUeberschrift->setText(Text(kUeberschrift[0]));
    try {
        Werte_Laden();
    } catch (const rt::RuntimeError& e) {
        // The window opens with what was set so far.
        clsError::ReportByMessage(ModuleKind::Form, "frmOptions", "Form_Load", e);
    }
    Verbinden();
    setMinimumSize(sizeHint().expandedTo(QSize(720, 0)));
    Titelbreite_Halten(*this);
}

void frmOptions::Werte_Laden()
{
    const clsOptions& o = rt::Object(gOptions);
    for (int i = 0; i < 3; ++i) cmbParabel[static_cast<size_t>(i)]->setCurrentIndex(o.LM_IK(i));
    const int ordnung = o.Abbruchstelle_Ordnung();
    cmbOrdnung->setCurrentIndex(ordnung >= 1 && ordnung <= 30 ? ordnung - 1 : -1);
    for (const auto& eintrag : colXAchsen) List1->addItem(QString::fromStdString(eintrag.second->name()));
    chkFFT->setChecked(o.FFT_Richtig());
    Check2->setChecked(o.RTR_Anpassen());
    chkK->setChecked(o.iFTR_Bevorzugen());
    Check1->setChecked(o.Abbruchstelle_Daempfen());
    cmbOrdnung->setEnabled(o.Abbruchstelle_Daempfen());

    const QString ordner = QString::fromStdString(rt::Object(gLoader).ApplicationPath());
    txtOrdner->setPlainText(Text(349) + ": " + ordner + "fmk/\r\n" + Text(349) + ": " + ordner + "fmk_e/\r\n" +
                            Text(350) + ": " + ordner + "fmk_x/\r\n" + Text(351) + ": " + ordner + "fmk_n/");
    lblFMKAnzahl->setText(QString::number(rt::Object(gFMK).FMK_Anzahl()) + " " + Text(352));
    optEinheit[0]->setChecked(o.Einheit_NM());
    optEinheit[1]->setChecked(!o.Einheit_NM());
    txtMaxR->setText(QString::fromStdString(rt::SingleText(o.Max_R())));
    chkHamming->setChecked(o.HammingWindow());
    cmdFFTBits->setCurrentIndex(cmdFFTBits->findText(QString::number(o.FFT_Bits())));
    Punkte_Anzeigen();
    for (const auto& [typ, box] : chkSave) box->setChecked(o.KurveSpeichern(typ));
    for (int32_t offset = 0; offset <= 9; ++offset) {
        const std::string name = rt::Object(gLanguage).GetLanguageName(offset);
        if (name.empty()) continue;
        cmbLang->addItem(QString::fromStdString(name), offset);
        if (offset == o.Sprache()) cmbLang->setCurrentIndex(cmbLang->count() - 1);
    }
    cmbStyle->setCurrentIndex(cmbStyle->findData(o.ButtonStyle()));
}

void frmOptions::Verbinden()
{
    const auto Schalter = [this](QCheckBox* box, const char* handler, void (clsOptions::*set)(bool)) {
        connect(box, &QCheckBox::toggled, this,
                [handler, set](bool an) { UiGuard("frmOptions", handler, [&] { (rt::Object(gOptions).*set)(an); }); });
    };
    Schalter(chkHamming, "chkHamming_Click", &clsOptions::setHammingWindow);
    Schalter(chkFFT, "chkFFT_Click", &clsOptions::setFFT_Richtig);
    Schalter(chkK, "chkK_Click", &clsOptions::setiFTR_Bevorzugen);
    Schalter(Check2, "Check2_Click", &clsOptions::setRTR_Anpassen);
    Schalter(Check1, "Check1_Click", &clsOptions::setAbbruchstelle_Daempfen);
    connect(Check1, &QCheckBox::toggled, cmbOrdnung, &QWidget::setEnabled);
    connect(cmbOrdnung, &QComboBox::currentIndexChanged, this, [this](int index) {
        UiGuard("frmOptions", "cmbOrdnung_Click", [&] { if (index >= 0) gOptions->setAbbruchstelle_Ordnung(index + 1); });
    });
    for (int i = 0; i < 3; ++i)
        connect(cmbParabel[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this, [i](int model) {
            UiGuard("frmOptions", "cmbParabel_Click", [&] { if (model >= 0) gOptions->LM_IK_Set(i, model); });
        });
    connect(cmdFFTBits, &QComboBox::currentIndexChanged, this,
            [this](int index) { FFT_Bits_Waehlen(cmdFFTBits->itemText(index).toInt()); });
    connect(optEinheit[0], &QRadioButton::toggled, this,
            [](bool nm) { UiGuard("frmOptions", "optEinheit_Click", [&] { gOptions->setEinheit_NM(nm); }); });
    for (const auto& [typ, box] : chkSave)
        connect(box, &QCheckBox::toggled, this, [typ](bool an) {
            UiGuard("frmOptions", "chkSave_Click", [&] { gOptions->setKurveSpeichern(typ, an); });
        });
    connect(txtMaxR, &QLineEdit::textChanged, this, [this] { maxREditiert_ = true; });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        UiGuard("frmOptions", "List1_Click", [&] {
            if (row < 0) return;
            gXAchse = colXAchsen.Item(row + 1);
            txtXName->setText(QString::fromStdString(gXAchse->name()));
            txtXFaktor->setText(QString::fromStdString(rt::SingleText(gXAchse->Faktor())));
        });
    });
}

void frmOptions::FFT_Bits_Waehlen(int bits)
{
    // The transform and the r grid follow at once, so that a G(r) on screen is never read with
    // the step of another size.
    UiGuard("frmOptions", "cmdFFTBits_Click", [&] { FFT_Bits_Setzen(bits); });
    Punkte_Anzeigen();
}

void frmOptions::Punkte_Anzeigen()
{
    UiGuard("frmOptions", "Punkte_Anzeigen", [this] {
        const clsOptions& o = rt::Object(gOptions);
        lblPunkte->setText(Text(331) + QString::number(o.FFT_Points()) + "\n" + Text(342) + " dr = " +
                           QString::fromStdString(FixedText(o.Delta_r(), 5)) + " nm");
    });
}

void frmOptions::cmdSeite_Click(int p)
{
    if (p == seite_ || p < 0 || p >= kSeiten) return;
    seite_ = p;
    fraSeiten->setCurrentIndex(p);
    lblUeberschrift->setText(Text(kUeberschrift[p]));
    for (int i = 0; i < kSeiten; ++i) cmdSeite[static_cast<size_t>(i)]->setValue(i == p);
}

void frmOptions::cmdOK_Click()
{
    UiGuard("frmOptions", "cmdOK_Click", [this] {
        clsOptions& o = rt::Object(gOptions);
        if (maxREditiert_) {
            const float r = StrToSingle(txtMaxR->text().toStdString());
            if (r == Kein_Wert || !(r > 0.0f)) {
                // The range keeps its value; the user is told which text was refused and what stays.
                zelo::Ui().MsgBox(gLanguage->Caption(323) + ": " + gLanguage->Caption(340) + " r = \"" +
                                      txtMaxR->text().toStdString() + "\"\r\n" + gLanguage->Caption(340) + " r = " +
                                      rt::SingleText(o.Max_R()) + " nm",
                                  zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, rt::Object(gLoader).ApplicationName());
            } else if (r != o.Max_R()) {
                o.setMax_R(r);
            }
        }
        const int sprache = cmbLang->currentData().toInt();
        if (cmbLang->currentIndex() >= 0 && sprache != o.Sprache()) o.setSprache(sprache);
    });
    accept();
}
