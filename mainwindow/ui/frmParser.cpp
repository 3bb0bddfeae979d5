#include "mainwindow/ui/frmParser.h"

#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/clsParser.h"
#include "core/modCommon.h"
#include "widgets/fxbutton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kRand = 12;
constexpr int kZeile = 22;
constexpr int kErgebnisOben = 48;
constexpr int kErgebnisLinks = 60;
const QString kNichts = "---";

bool Ist_Formel(const QString& text)
{
    for (const QChar c : QStringLiteral("+-*/^()"))
        if (text.contains(c)) return true;
    return false;
}

// One label's conversion; one that fails leaves its label as it was.
template <class Conversion>
void Anzeigen(QLabel* label, Conversion conversion)
{
    try {
        label->setText(QString::fromStdString(conversion()));
    } catch (const std::exception&) {
    }
}

}

frmParser::frmParser(QWidget* owner)
    : QDialog(owner), txtFormel(new QLineEdit(this)), lblDez(new QLabel(this)), lblHex(new QLabel(this)),
      lblOct(new QLabel(this)), lblBin(new QLabel(this)), Line1(new QFrame(this)), cmdOK(new fxbutton("OK", this))
{
    setWindowTitle("MathParser");
    txtFormel->setFont(QFont("Verdana", 10));
    txtFormel->setGeometry(kRand, kRand, 200, 26);
    txtFormel->installEventFilter(this);
    const char* namen[] = {"Dez:", "Hex:", "Oct:", "Bin:"};
    const std::array<QLabel*, 4> werte = {lblDez, lblHex, lblOct, lblBin};
    for (size_t i = 0; i < werte.size(); ++i) {
        const int oben = kErgebnisOben + static_cast<int>(i) * kZeile;
        Label2[i] = new QLabel(namen[i], this);
        Label2[i]->setGeometry(kRand, oben, kErgebnisLinks - kRand, kZeile);
        werte[i]->setGeometry(kErgebnisLinks, oben, 400, kZeile);
        werte[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(kRand, kErgebnisOben + 4 * kZeile + 4, 200, 2);
    cmdOK->setButtonStyle(gOptions->ButtonStyle());
    cmdOK->resize(90, 25);
    connect(cmdOK, &fxbutton::Click, this, &QWidget::close);
    connect(txtFormel, &QLineEdit::textChanged, this, [this] { txtFormel_Change(); });
    Leer_Anzeigen();
    resize(340, kErgebnisOben + 4 * kZeile + 48);
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
    // The box keeps the same margin on the right as on the left.
    const int breite = width() - 2 * txtFormel->x();
    if (breite > 0) {
        txtFormel->resize(breite, txtFormel->height());
        Line1->resize(breite, Line1->height());
    }
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

void frmParser::Leer_Anzeigen()
{
    for (QLabel* label : {lblDez, lblHex, lblOct, lblBin}) label->setText(kNichts);
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
    Anzeigen(lblDez, [&] { return rt::DoubleText(p.ConvertNumber_Ungeschuetzt(zahl)); });
    Anzeigen(lblHex, [&] { return p.CHex(zahl); });
    Anzeigen(lblOct, [&] { return p.COct(zahl); });
    Anzeigen(lblBin, [&] { return clsParser::FormatBin(p.CBin(zahl)); });
}

void frmParser::Auswerten()
{
    clsParser& p = Parser();
    std::string r;
    try {
        r = p.Parse_Ungeschuetzt(txtFormel->text().toStdString());
    } catch (const std::exception&) {
        // A formula that cannot be evaluated leaves the results as they were.
        return;
    }
    if (r.empty()) {
        Leer_Anzeigen();
        return;
    }
    Anzeigen(lblDez, [&] { return r; });
    Anzeigen(lblHex, [&] { return p.CHex(r); });
    Anzeigen(lblOct, [&] { return p.COct(r); });
    Anzeigen(lblBin, [&] { return clsParser::FormatBin(p.CBin(r)); });
}
