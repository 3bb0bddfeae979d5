#include "core/ui/Meldungstext.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

#include <algorithm>
#include <climits>

namespace {

// What a message window needs beside its text: the title bar, the margins and the row of buttons.
constexpr int kRahmenHoehe = 220;
constexpr int kMindestHoehe = 80;

// The width a message box gives its text, as the toolkit lays it out: half the screen, at most 500
// pixels; and the widest it lets a text grow, 1000 pixels, keeping 480 of a wide screen free.
int Textbreite(const QRect& frei) { return std::min(frei.width() / 2, 500); }
int Hoechstbreite(const QRect& frei) { return frei.width() <= 1024 ? frei.width() : std::min(frei.width() - 480, 1000); }

}

bool Meldungstext_Begrenzen(QLabel& label, QGridLayout& grid)
{
    const QScreen* bildschirm = label.window()->screen();
    if (!bildschirm) bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm) return false;
    const QRect frei = bildschirm->availableGeometry();
    const int breite = Textbreite(frei);
    const int hoehe = std::max(frei.height() - kRahmenHoehe, kMindestHoehe);
    const QRect umfang =
        label.fontMetrics().boundingRect(QRect(0, 0, breite, INT_MAX), Qt::TextWordWrap, label.text());
    if (umfang.height() <= hoehe && umfang.width() <= Hoechstbreite(frei)) return false;

    const int stelle = grid.indexOf(&label);
    if (stelle < 0) return false;
    int zeile = 0, spalte = 0, zeilen = 1, spalten = 1;
    grid.getItemPosition(stelle, &zeile, &spalte, &zeilen, &spalten);
    auto* text = new QPlainTextEdit(label.text(), label.parentWidget());
    text->setObjectName("Meldungstext");
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setFrameShape(QFrame::NoFrame);
    // It reads as the message's text, on the window's ground, and leaves the keys to the buttons.
    text->viewport()->setAutoFillBackground(false);
    text->setFocusPolicy(Qt::ClickFocus);
    text->setFont(label.font());
    // As tall as the text wrapped within words too, where the screen leaves room for that.
    const int gebrochen =
        label.fontMetrics().boundingRect(QRect(0, 0, breite, INT_MAX), Qt::TextWrapAnywhere, label.text()).height();
    text->setFixedSize(breite, std::min(gebrochen + 2 * static_cast<int>(text->document()->documentMargin()) + 4, hoehe));
    label.hide();
    grid.addWidget(text, zeile, spalte, zeilen, spalten);
    return true;
}
