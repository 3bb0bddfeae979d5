#include "mainwindow/ui/frmParser.h"

#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/clsParser.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "widgets/fxbutton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kRand = 12;
constexpr int kZeile = 22;
constexpr int kErgebnisOben = 48;
constexpr int kErgebnisLinks = 60;
constexpr int kKnopfHoehe = 25;
const QString kNichts = "---";

// The texts of the refusals.
constexpr int32_t kKeinErgebnis = 525;
constexpr int32_t kKlammernOffen = 526;
constexpr int32_t kLeereKlammern = 527;
constexpr int32_t kAufrufFehler = 528;
constexpr int32_t kKeineZahl = 529;
constexpr int32_t kZuGross = 530;

bool Ist_Formel(const QString& text)
{
    for (const QChar c : QStringLiteral("+-*/^()"))
        if (text.contains(c)) return true;
    return false;
}

// The evaluator reads a group that is never closed up to the end of the formula and an empty group
// as 0; the calculator refuses both rather than show a value the user did not write.
int32_t Klammerfehler(const QString& text)
{
    int tiefe = 0;
    for (const QChar c : text) {
        if (c == '(') ++tiefe;
        if (c == ')' && --tiefe < 0) return kKlammernOffen;
    }
    if (tiefe != 0) return kKlammernOffen;
    static const QRegularExpression leer(QStringLiteral("\\(\\s*\\)"));
    return text.contains(leer) ? kLeereKlammern : 0;
}

int32_t Grund(const rt::RuntimeError& fehler)
{
    if (fehler.Number() == rt::errOverflow) return kZuGross;
    if (fehler.Number() == rt::errTypeMismatch) return kKeineZahl;
    return 0;
}

// One label's conversion of a value already read; one that fails leaves its label empty.
template <class Conversion>
void Anzeigen(QLabel* label, Conversion conversion)
{
    try {
        label->setText(QString::fromStdString(conversion()));
    } catch (const std::exception&) {
        label->clear();
    }
}

}

frmParser::frmParser(QWidget* owner)
    : QDialog(owner), txtFormel(new QLineEdit(this)), lblDez(new QLabel(this)), lblHex(new QLabel(this)),
      lblOct(new QLabel(this)), lblBin(new QLabel(this)), lblMeldung(new QLabel(this)), Line1(new QFrame(this)),
      cmdOK(new fxbutton("OK", this))
{
    setWindowTitle("MathParser");
    txtFormel->setFont(QFont("Verdana", 10));
    txtFormel->setGeometry(kRand, kRand, 200, 26);
    txtFormel->installEventFilter(this);
    const char* namen[] = {"Dez:", "Hex:", "Oct:", "Bin:"};
    const std::array<QLabel*, 4> werte = {lblDez, lblHex, lblOct, lblBin};
    for (size_t i = 0; i < werte.size(); ++i) {
        Label2[i] = new QLabel(namen[i], this);
        Label2[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        werte[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        werte[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // A long binary number breaks between its groups of four digits instead of running out of the window.
    lblBin->setWordWrap(true);
    lblMeldung->setWordWrap(true);
    lblMeldung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    cmdOK->setButtonStyle(gOptions->ButtonStyle());
    cmdOK->resize(90, kKnopfHoehe);
    connect(cmdOK, &fxbutton::Click, this, &QWidget::close);
    connect(txtFormel, &QLineEdit::textChanged, this, [this] { txtFormel_Change(); });
    Leer_Anzeigen();
    resize(340, kErgebnisOben + 4 * kZeile + 48);
    Platzieren();
    Titelbreite_Halten(*this);
}

frmParser::~frmParser() = default;

clsParser& frmParser::Parser()
{
    if (!parser_) parser_ = std::make_unique<clsParser>();
    return *parser_;
}

void frmParser::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Platzieren();
}

void frmParser::Platzieren()
{
    // The box keeps the same margin on the right as on the left; the results use the width left of it.
    const int breite = std::max(width() - 2 * kRand, 0);
    txtFormel->resize(breite, txtFormel->height());
    const int wertBreite = std::max(width() - kErgebnisLinks - kRand, 0);
    int oben = kErgebnisOben;
    for (size_t i = 0; i < Label2.size(); ++i) {
        QLabel* wert = std::array<QLabel*, 4>{lblDez, lblHex, lblOct, lblBin}[i];
        const int hoehe = std::max(kZeile, wert->heightForWidth(wertBreite) + 4);
        Label2[i]->setGeometry(kRand, oben, kErgebnisLinks - kRand, kZeile);
        wert->setGeometry(kErgebnisLinks, oben, wertBreite, hoehe);
        oben += hoehe;
    }
    Line1->setGeometry(kRand, oben + 4, breite, 2);
    oben += 10;
    const int meldungBreite = std::max(width() - 3 * kRand - cmdOK->width(), 0);
    const int meldungHoehe = lblMeldung->text().isEmpty() ? 0 : lblMeldung->heightForWidth(meldungBreite);
    lblMeldung->setGeometry(kRand, oben, meldungBreite, meldungHoehe);
    const int noetig = oben + std::max(meldungHoehe, kKnopfHoehe) + kRand / 2;
    setMinimumHeight(noetig);
    if (height() < noetig) resize(width(), noetig);
    cmdOK->move(std::max(0, width() - kRand - cmdOK->width()), std::max(0, height() - kRand / 2 - cmdOK->height()));
}

bool frmParser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtFormel && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            Auswerten();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmParser::SpracheUmstellen()
{
    if (meldung_ != 0) Verweigern(meldung_, meldungText_);
}

void frmParser::Leer_Anzeigen()
{
    for (QLabel* label : {lblDez, lblHex, lblOct, lblBin}) label->setText(kNichts);
    Meldung_Loeschen();
}

void frmParser::Meldung_Loeschen()
{
    meldung_ = 0;
    meldungText_.clear();
    lblMeldung->clear();
    Platzieren();
}

void frmParser::Verweigern(int32_t grund, const QString& beschreibung)
{
    for (QLabel* label : {lblDez, lblHex, lblOct, lblBin}) label->clear();
    meldung_ = grund;
    meldungText_ = beschreibung;
    lblMeldung->setText(Text(kKeinErgebnis) + (grund > 0 ? Text(grund) : beschreibung));
    Platzieren();
}

void frmParser::Verweigern(const rt::RuntimeError& fehler)
{
    const int32_t grund = Grund(fehler);
    Verweigern(grund != 0 ? grund : -1, QString::fromStdString(fehler.Description()));
}

void frmParser::txtFormel_Change()
{
    const QString text = txtFormel->text();
    if (text.isEmpty() || Ist_Formel(text)) {
        Leer_Anzeigen();
        return;
    }
    const std::string zahl = text.toStdString();
    clsParser& p = Parser();
    double wert = 0.0;
    try {
        wert = p.ConvertNumber_Ungeschuetzt(zahl);
    } catch (const rt::RuntimeError& fehler) {
        // A number that does not read (yet) shows no value, not the one of the text before.
        Verweigern(fehler);
        return;
    }
    Meldung_Loeschen();
    lblDez->setText(QString::fromStdString(rt::DoubleText(wert)));
    Anzeigen(lblHex, [&] { return p.CHex(zahl); });
    Anzeigen(lblOct, [&] { return p.COct(zahl); });
    Anzeigen(lblBin, [&] { return clsParser::FormatBin(p.CBin(zahl)); });
    Platzieren();
}

void frmParser::Auswerten()
{
    const QString text = txtFormel->text();
    if (const int32_t fehler = Klammerfehler(text)) {
        Verweigern(fehler, {});
        return;
    }
    clsParser& p = Parser();
    std::string r;
    try {
        r = p.Parse_Ungeschuetzt(text.toStdString());
    } catch (const rt::RuntimeError& fehler) {
        Verweigern(fehler);
        return;
    }
    if (p.aufrufFehler_) {
        // The evaluator counted the failed call as 0 and has shown why.
        Verweigern(kAufrufFehler, {});
        return;
    }
    if (r.empty()) {
        Leer_Anzeigen();
        return;
    }
    Meldung_Loeschen();
    Anzeigen(lblDez, [&] { return r; });
    Anzeigen(lblHex, [&] { return p.CHex(r); });
    Anzeigen(lblOct, [&] { return p.COct(r); });
    Anzeigen(lblBin, [&] { return clsParser::FormatBin(p.CBin(r)); });
    Platzieren();
}
