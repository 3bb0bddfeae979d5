// The diffraction-image panel: its controls, captions, layout, loading and clearing.
#include "images/ui/conBeugung.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "images/Kalibrierung.h"
#include "images/ui/Bildfeld.h"
#include "widgets/fxbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr const char* kName = "conBeugung";
constexpr int32_t kSpalte = 270;
constexpr int32_t kRand = 4;
constexpr int32_t kSeitenHoehe = 300;
constexpr int32_t kPunktHoehe = 72;
constexpr int32_t kProfilHoehe = 80;
constexpr int32_t kScrollDicke = 16;

QLabel* Beschriftung(QWidget* eltern, int32_t x, int32_t y, int32_t b, int32_t h)
{
    auto* label = new QLabel(eltern);
    label->setGeometry(x, y, b, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

fxbutton* Knopf(QWidget* eltern, int32_t x, int32_t y, int32_t b, int32_t mode = fxbutton::ModeCommand)
{
    auto* knopf = new fxbutton(eltern);
    knopf->setGeometry(x, y, b, 28);
    knopf->setMode(mode);
    return knopf;
}

}

conBeugung::conBeugung(QWidget* parent) : QWidget(parent)
{
    Steuerung_Erstellen();
    Werkzeuge_Erstellen();
    SpracheUmstellen();
    StyleUmstellen();
    optBild_Click(0);
    Bildknoepfe_Freigeben(false);
    zelo::SetImagePanel(this);
    lader_ = std::make_unique<Bildlader>([this] {
        QMetaObject::invokeMethod(this, [this] { UiGuard(kName, "LoadImage", [this] { Bild_Uebernehmen(); }); },
                                  Qt::QueuedConnection);
    });
}

conBeugung::~conBeugung()
{
    // A picture still being decoded is waited for before the panel goes.
    lader_.reset();
    if (&zelo::ImagePanel() == this) zelo::SetImagePanel(nullptr);
}

void conBeugung::Steuerung_Erstellen()
{
    Picture1 = new QWidget(this);
    Picture1->setAutoFillBackground(true);
    pic = new Bildfeld(Picture1);
    pic->MausGedrueckt = [this](double x, double y) {
        UiGuard(kName, "pic_MouseDown", [&] { pic_MouseDown(x, y); });
    };
    pic->MausBewegt = [this](double x, double y) { UiGuard(kName, "pic_MouseMove", [&] { pic_MouseMove(x, y); }); };
    HScroll = new QScrollBar(Qt::Horizontal, this);
    VScroll = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* leiste : {HScroll, VScroll})
        connect(leiste, &QScrollBar::valueChanged, this, GuardedSlot(kName, "Scroll_Change", [this] {
                    pic->move(-HScroll->value(), -VScroll->value());
                    Mittelpunkt_Berechnen();
                }));
    for (int32_t i = 0; i < 3; ++i) {
        optBild[static_cast<size_t>(i)] = Knopf(this, 0, 0, 86, fxbutton::ModeOption);
        connect(optBild[static_cast<size_t>(i)], &fxbutton::Click, this,
                GuardedSlot(kName, "optBild_Click", [this, i] { optBild_Click(i); }));
        picTool[static_cast<size_t>(i)] = new QWidget(this);
    }
    lblPunkt = Beschriftung(this, 0, 0, kSpalte, kPunktHoehe);
    picPrev = new QLabel(this);
    picPrev->setFrameShape(QFrame::Box);
}

void conBeugung::Werkzeuge_Erstellen()
{
    QWidget* bildSeite = picTool[0];
    lblFilename = Beschriftung(bildSeite, kRand, kRand, kSpalte - 8, 36);
    lblImage = Beschriftung(bildSeite, kRand, 42, kSpalte - 8, 100);
    Label5 = Beschriftung(bildSeite, kRand, 144, kSpalte - 8, 18);
    cmdGrau = Knopf(bildSeite, kRand, 168, 125);
    cmdInvert = Knopf(bildSeite, 135, 168, 125);
    connect(cmdGrau, &fxbutton::Click, this, GuardedSlot(kName, "cmdGrau_Click", [this] {
                if (bild_ && bild_->Image_ToGrey()) Bild_Anzeigen();
            }));
    connect(cmdInvert, &fxbutton::Click, this, GuardedSlot(kName, "cmdInvert_Click", [this] {
                if (bild_ && bild_->Image_Invert()) Bild_Anzeigen();
            }));

    QWidget* spektrum = picTool[1];
    txtUmrechnung = new QLineEdit(spektrum);
    txtUmrechnung->setGeometry(kRand, kRand, 100, 24);
    connect(txtUmrechnung, &QLineEdit::textChanged, this,
            GuardedSlot(kName, "txtUmrechnung_Change", [this] { txtUmrechnung_Change(); }));
    lblCalibration = Beschriftung(spektrum, kRand, 30, kSpalte - 8, 18);
    Label1 = Beschriftung(spektrum, kRand, 52, kSpalte - 8, 18);
    lstKreise = new QListWidget(spektrum);
    lstKreise->setGeometry(kRand, 70, kSpalte - 8, 100);
    lblMittelpunkt = Beschriftung(spektrum, kRand, 174, kSpalte - 8, 50);
    cmdCalc = Knopf(spektrum, kRand, 228, 170);
    connect(cmdCalc, &fxbutton::Click, this, GuardedSlot(kName, "cmdCalc_Click", [this] { cmdCalc_Click(); }));
    picProgress = new QWidget(spektrum);
    picProgress->setGeometry(kRand, 262, kSpalte - 8, 10);
    picProgress->setAutoFillBackground(true);
    auto* balken = new QWidget(picProgress);
    balken->setObjectName("Balken");
    balken->setAutoFillBackground(true);
    QPalette blau = balken->palette();
    blau.setColor(QPalette::Window, QColor(0, 0, 255));
    balken->setPalette(blau);
    balken->setGeometry(0, 0, 0, 10);

    QWidget* digital = picTool[2];
    chkDigit = Knopf(digital, kRand, kRand, 125, fxbutton::ModeCheck);
    chkScale = Knopf(digital, 135, kRand, 125, fxbutton::ModeCheck);
    // The two toggles exclude each other.
    connect(chkDigit, &fxbutton::Click, this, [this] { chkScale->setValue(false); });
    connect(chkScale, &fxbutton::Click, this, [this] {
        if (chkScale->Value()) chkDigit->setValue(false);
    });
    lblDigitPunkte = Beschriftung(digital, kRand, 40, kSpalte - 8, 20);
    cmdUebernehmen = Knopf(digital, kRand, 66, 125);
    cmdUebernehmen->setCaption("OK");
    connect(cmdUebernehmen, &fxbutton::Click, this,
            GuardedSlot(kName, "cmdUebernehmen_Click", [this] { cmdUebernehmen_Click(); }));
}

void conBeugung::SpracheUmstellen()
{
    for (int32_t i = 0; i < 3; ++i) optBild[static_cast<size_t>(i)]->setCaption(Text(367 + i));
    chkDigit->setCaption(Text(369));
    chkScale->setCaption(Text(381));
    cmdCalc->setCaption(Text(382));
    cmdGrau->setCaption(Text(370));
    cmdInvert->setCaption(Text(371));
    cmdUebernehmen->setToolTip(Text(35));
    Label1->setText(Text(383) + " (" + QString::number(ringe_.Ring_Anzahl()) + ")");
    // What the panel says of the picture and the cursor.
    if (!datei_.empty()) lblFilename->setText(Text(386) + QString::fromStdString(datei_));
    if (bild_) Bildinformationen();
    if (Laedt())
        lblPunkt->setText(Text(548));
    else if (cursor_)
        pic_MouseMove(cursor_->x(), cursor_->y());
}

void conBeugung::StyleUmstellen()
{
    for (fxbutton* knopf : {optBild[0], optBild[1], optBild[2], chkDigit, chkScale, cmdCalc, cmdGrau, cmdInvert,
                            cmdUebernehmen})
        knopf->setButtonStyle(gOptions->ButtonStyle());
}

void conBeugung::resizeEvent(QResizeEvent*) { Layout(); }

void conBeugung::Layout()
{
    const int32_t rechts = std::max(width() - kSpalte - kRand, 0);
    // The page selectors side by side, each as wide as its caption; a hidden one takes no room.
    int32_t x = rechts;
    for (fxbutton* knopf : optBild) {
        if (knopf->isHidden()) continue;
        const int32_t b = std::max(knopf->fontMetrics().horizontalAdvance(knopf->Caption()) + 20, 80);
        knopf->setGeometry(x, 0, b, 28);
        x += b + kRand;
    }
    for (QWidget* seite : picTool) seite->setGeometry(rechts, 32, kSpalte, kSeitenHoehe);
    lblPunkt->move(rechts, 32 + kSeitenHoehe + kRand);
    picPrev->setGeometry(rechts, lblPunkt->y() + kPunktHoehe + kRand, kSpalte, kProfilHoehe);
    const int32_t b = std::max(rechts - kRand - kScrollDicke, 0);
    const int32_t h = std::max(height() - kScrollDicke, 0);
    Picture1->setGeometry(0, 0, b, h);
    HScroll->setGeometry(0, h, b, kScrollDicke);
    VScroll->setGeometry(b, 0, kScrollDicke, h);
    Scrollbereich();
    Zeichne_Profil();
}

void conBeugung::Scrollbereich()
{
    // Ranges beyond 16 bits: pictures may be wider than 32767 pixels less the view.
    HScroll->setMaximum(std::max(pic->width() - Picture1->width(), 0));
    VScroll->setMaximum(std::max(pic->height() - Picture1->height(), 0));
    HScroll->setPageStep(std::max(Picture1->width(), 1));
    VScroll->setPageStep(std::max(Picture1->height(), 1));
}

void conBeugung::optBild_Click(int32_t i)
{
    for (int32_t k = 0; k < 3; ++k) {
        picTool[static_cast<size_t>(k)]->setVisible(k == i);
        optBild[static_cast<size_t>(k)]->setValue(k == i);
    }
}

void conBeugung::Clear()
{
    // The scan reads the bitmap and fills the curve; both stay until it ends.
    if (rechnet_) return;
    lader_->Verwerfen();
    ladung_ = 0;
    annehmen_ = nullptr;
    Bildknoepfe_Freigeben(false);
    bild_.reset();
    ersatz_.reset();
    ringe_.Clear();
    kurveX_.clear();
    kurveY_.clear();
    spurX_.clear();
    spurY_.clear();
    cursor_.reset();
    achsen_ = {};
    achseSchritt_ = 0;
    lstKreise->clear();
    pic->setBild(QImage());
    Label1->setText(Text(383) + " (0)");
    lblMittelpunkt->clear();
    lblDigitPunkte->clear();
    Zeichne_Profil();
}

bool conBeugung::Bild_Annehmbar() const
{
    if (!rechnet_) return true;
    zelo::Ui().MsgBox(gLanguage->Caption(673), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                      gLoader->ApplicationName());
    return false;
}

void conBeugung::LoadImage(const std::string& datei, std::function<void()> annehmen)
{
    // The scan reads the picture shown; nothing else is taken meanwhile.
    if (rechnet_) return;
    annehmen_ = std::move(annehmen);
    ladung_ = lader_->Laden(datei, gLoader->FreeImageLib_Available(), std::make_unique<QtErsatzlader>());
}

void conBeugung::Bild_Uebernehmen()
{
    std::optional<Bildlader::Ergebnis> ergebnis = lader_->Abholen();
    if (!ergebnis || ergebnis->nummer != ladung_) return;
    ladung_ = 0;
    std::function<void()> annehmen = std::exchange(annehmen_, nullptr);
    if (ergebnis->bild->Image_Width() <= 0) {
        // Let go before the message, which the caller's window must be able to answer.
        annehmen = nullptr;
        ergebnis->bild->Fehler_Melden();
        return;
    }
    if (annehmen) annehmen();
    Anzeige_Vorbereiten();
    bild_ = std::move(ergebnis->bild);
    ersatz_ = std::move(ergebnis->ersatz);
    Bildknoepfe_Freigeben(true);
    const int32_t lader = ergebnis->lader;
    Label5->setText(lader == Lader_FreeImage ? "FreeImage.dll" : lader == Lader_GDIPlus ? "GDI+" : "VB");
    Bild_Anzeigen();
    Bildinformationen();
    Layout();
    bild_->Fehler_Melden();
}

void conBeugung::Anzeige_Vorbereiten()
{
    StyleUmstellen();
    SpracheUmstellen();
    txtUmrechnung->setText(kKamerakonstante_Start);
    cf_ = CF_Aus_Text(kKamerakonstante_Start, 0.0f);
    lblCalibration->setText(QString::fromStdString(CF_Beschriftung(cf_)));
    Clear();
    datei_ = gCommon->Dateiname_Rohdaten();
    lblFilename->setText(Text(386) + QString::fromStdString(datei_));
    lblImage->clear();
    lblPunkt->clear();
    zoom_ = 1.0f;
    if (gCommon->ProjektTyp() == PT_Bild_Digitalisieren) digitalisieren_ = 1;
    if (gCommon->ProjektTyp() == PT_ELMI_Bild) digitalisieren_ = 0;
    optBild[1]->setVisible(digitalisieren_ == 0);
    optBild[2]->setVisible(digitalisieren_ == 1);
    optBild_Click(digitalisieren_ == 0 ? 1 : 2);
}

void conBeugung::Bildknoepfe_Freigeben(bool frei)
{
    for (fxbutton* knopf : {cmdCalc, cmdGrau, cmdInvert, cmdUebernehmen}) knopf->setEnabled(frei);
}

void conBeugung::Bild_Anzeigen()
{
    QImage anzeige;
    const bool bibliothek = bild_ && bild_->HatPixel();
    if (bibliothek)
        anzeige = Anzeigebild(*bild_);
    else if (bild_ && bild_->Image_Width() > 0 && ersatz_)
        anzeige = static_cast<QtErsatzlader&>(*ersatz_).Bild();
    pic->setBild(anzeige, bibliothek);
    HScroll->setValue(0);
    VScroll->setValue(0);
    pic->move(0, 0);
    Scrollbereich();
    Mittelpunkt_Berechnen();
}

void conBeugung::Bildinformationen()
{
    const int32_t b = bild_->Image_Width();
    const int32_t h = bild_->Image_Height();
    char mpixel[32];
    std::snprintf(mpixel, sizeof mpixel, "%04.1f", static_cast<double>(b) * h / 1000000.0);
    lblImage->setText(Text(385) + "\n" + "\n" + Text(387) + QString::number(h) + " Pixel" + "\n" + Text(388) +
                      QString::number(b) + " Pixel" + "\n" + mpixel + " MPixel" + "\n" + "BPP: " +
                      QString::number(bild_->Image_BPP()));
}

void conBeugung::txtUmrechnung_Change()
{
    cf_ = CF_Aus_Text(txtUmrechnung->text().toStdString(), cf_);
    lblCalibration->setText(QString::fromStdString(CF_Beschriftung(cf_)));
}

float conBeugung::Kurve_X(int32_t Index) const
{
    return Index >= 1 && Index <= Kurve_Punkte() ? kurveX_[static_cast<size_t>(Index - 1)] : 0.0f;
}

float conBeugung::Kurve_Y(int32_t Index) const
{
    return Index >= 1 && Index <= Kurve_Punkte() ? kurveY_[static_cast<size_t>(Index - 1)] : 0.0f;
}
