#include "panels/conFT_AI.h"

#include "analysis/FT_AI_Regeln.h"
#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/UiGuard.h"
#include "widgets/fxbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr const char* kName = "conFT_AI";

QLabel* Beschriftung(QWidget* eltern, const QString& text, int32_t x, int32_t y, int32_t breite, int32_t hoehe = 20)
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(x, y, breite, hoehe);
    return label;
}

QLineEdit* Feld(QWidget* eltern, const QString& text, int32_t x, int32_t y)
{
    auto* feld = new QLineEdit(text, eltern);
    feld->setGeometry(x, y, 40, 20);
    return feld;
}

// Input that must wait while the passes run; Esc is looked at before this.
bool Eingabe(QEvent::Type typ)
{
    switch (typ) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}

conFT_AI::conFT_AI(QWidget* parent) : QWidget(parent)
{
    // The panel lies over the Fourier transform panel in the same frame.
    setAutoFillBackground(true);
    Grenzen_Erstellen();
    Gruppen_Erstellen();
    // Wide enough for the status line of a light element's three-digit density in 1/nm³ and the
    // end of its density line, in either language.
    lblInfo = Beschriftung(this, "", 736, 0, 272, 117);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(cmdStart, &fxbutton::Click, this, GuardedSlot(kName, "cmdStart_Click", [this] { cmdStart_Click(); }));
}

void conFT_AI::Grenzen_Erstellen()
{
    Label1_1 = Beschriftung(this, "Abbruchbedingungen:", 0, 0, 216, 16);
    Label2_1 = Beschriftung(this, "1) Abweichung der Ausgleichsgeraden in G(r) kleiner als", 0, 16, 296, 40);
    Label2_1->setWordWrap(true);
    Text1 = Feld(this, "1", 298, 26);
    Label2_2 = Beschriftung(this, "%", 341, 26, 12);
    Label3_1 = Beschriftung(this, "2) Maximale Anzahl an Durchläufen:", 0, 56, 286, 36);
    Label3_1->setWordWrap(true);
    Text2 = Feld(this, "50", 298, 64);
    cmdStart = new fxbutton("START", this);
    cmdStart->setGeometry(0, 93, 130, 24);
}

void conFT_AI::Gruppen_Erstellen()
{
    Frame1 = new QGroupBox("I(K)", this);
    Frame1->setGeometry(356, 0, 170, 117);
    Check1 = new QCheckBox(Frame1);
    Check1->setGeometry(6, 18, 162, 20);
    Check2 = new QCheckBox(Frame1);
    Check2->setGeometry(6, 40, 162, 20);
    Check2->setChecked(true);
    Label3 = Beschriftung(Frame1, "", 6, 64, 162);
    Text3 = Feld(Frame1, "0,1", 6, 86);

    Frame2 = new QGroupBox("G(r)", this);
    Frame2->setGeometry(530, 0, 202, 117);
    Check3 = new QCheckBox(Frame2);
    Check3->setGeometry(6, 18, 192, 20);
    Check3->setChecked(true);
    for (size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = new QRadioButton(Frame2);
        Option1[i]->setGeometry(6, 44 + static_cast<int32_t>(i) * 24, 192, 20);
    }
    Option1[1]->setChecked(true);
    connect(Check3, &QCheckBox::toggled, this, [this](bool an) {
        for (QRadioButton* option : Option1) option->setEnabled(an);
    });
}

void conFT_AI::Init()
{
    cmdStart->setButtonStyle(rt::Object(gOptions).ButtonStyle());
    SpracheUmstellen();
    Optionen_Lesen();
}

void conFT_AI::SpracheUmstellen()
{
    Check1->setText(Text(81));
    Check2->setText(Text(82));
    Check3->setText(Text(85));
    Label3->setText(Text(83));
    Option1[0]->setText(Text(86));
    Option1[1]->setText(Text(87) + Text(88));
}

void conFT_AI::Optionen_Lesen()
{
    lauf_.Wichtung_FTR = StrToSingle(Text3->text().toStdString());
    lauf_.Parabel_Anpassen = Check1->isChecked();
    lauf_.Abbruch_Anpassen = Check2->isChecked();
    lauf_.Dichte_Anpassen = Check3->isChecked();
    lauf_.Regel = Option1[0]->isChecked() ? DR_Vor_Hauptmaximum : DR_Nach_Anker;
}

void conFT_AI::cmdStart_Click()
{
    if (laeuft_) {
        abbrechen_ = true;
        return;
    }
    Optionen_Lesen();
    laeuft_ = true;
    abbrechen_ = false;
    cmdStart->setCaption("STOP (ESC)");
    qApp->installEventFilter(this);
    const FT_AI_Ergebnis ergebnis = lauf_.Starten(Text1->text().toStdString(), Text2->text().toStdString(), *this);
    qApp->removeEventFilter(this);
    laeuft_ = false;
    cmdStart->setCaption("START");
    if (!ergebnis.Meldung.empty()) lblInfo->setText(QString::fromStdString(ergebnis.Meldung));
    if (ergebnis.Gelaufen) emit Gelaufen();
}

void conFT_AI::Info_Anzeigen(const std::string& text)
{
    lblInfo->setText(QString::fromStdString(text));
}

bool conFT_AI::Abbruch_Gewuenscht()
{
    QCoreApplication::processEvents();
    return abbrechen_;
}

bool conFT_AI::eventFilter(QObject* watched, QEvent* event)
{
    if (!laeuft_ || !Eingabe(event->type())) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        abbrechen_ = true;
        return true;
    }
    // STOP is the one button that answers.
    const bool stop = watched == cmdStart && event->type() != QEvent::Close;
    return !stop;
}
