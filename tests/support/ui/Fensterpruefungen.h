#pragma once
// Checks of what a user sees and can do in a window, shared by the window tests: axis labels that
// name their ticks, the keyboard focus on the diagram, dialog titles shown whole, and the answer to
// a real message box by key or button.
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "graphics/Abbildung.h"
#include "graphics/DiagrammFlaeche.h"
#include "graphics/conDisplay.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/Bildschirmfoto.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace pruefen {

// The number a tick label reads, or none for the curve title and the unit ("0,0" reads 0).
inline bool Zahl_Gelesen(std::string text, double& wert)
{
    std::replace(text.begin(), text.end(), ',', '.');
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return fehler == std::errc() && ende == text.data() + text.size();
}

// The labels of an axis picture that do not name their tick: read back, a label must lie within a
// twentieth of the spacing to the neighbouring tick of the value Min + i·(Max − Min)/10 of its
// tick i. Each entry names the axis, the tick, its value and the text.
inline std::vector<std::string> Strichtexte_Abseits(const AchsenBild& bild, const DiagrammSkala& s, int32_t breite,
                                                    int32_t kurve, bool einheitNM)
{
    std::vector<std::string> abseits;
    const auto pruefe = [&](const char* achse, int32_t i, double wert, double abstand, const std::string& text) {
        double gelesen = 0.0;
        if (!Zahl_Gelesen(text, gelesen)) return;
        if (std::fabs(gelesen - wert) > abstand / 20.0 * (1.0 + 1e-4)) {
            std::ostringstream zeile;
            zeile << achse << " tick " << i << " at " << wert << " reads \"" << text << "\"";
            abseits.push_back(zeile.str());
        }
    };
    const int32_t yschritt = breite < 300 ? 2 : 1;
    const auto ywert = [&](int32_t i) {
        const double v = double(s.ymin) + i * (double(s.ymax) - s.ymin) / 10.0;
        return s.log ? std::exp(v) : v;
    };
    const double faktor = AnzeigeFaktorX(kurve, einheitNM);
    const double xtief = s.xmin * faktor, xhoch = s.xmax * faktor;
    const double xabstand = (breite - kRandLinks) / 10.0;
    int32_t yi = 0;
    for (const AchsenText& t : bild.texte) {
        if (t.rechtsbuendig) {
            // The Y labels come in the order of their ticks; the spacing is the one to the tick below.
            const int32_t i = yi++ * yschritt;
            const double abstand = i == 0 ? ywert(yschritt) - ywert(0) : ywert(i) - ywert(i - yschritt);
            pruefe("y", i, ywert(i), std::fabs(abstand), t.text);
        } else {
            const auto i = static_cast<int32_t>(std::lround((t.x - kRandLinks) / xabstand));
            pruefe("x", i, xtief + i * (xhoch - xtief) / 10.0, std::fabs(xhoch - xtief) / 10.0, t.text);
        }
    }
    return abseits;
}

// The same for what a diagram drew last.
inline std::vector<std::string> Strichtexte_Abseits(const conDisplay& d)
{
    return Strichtexte_Abseits(d.Achsen(), d.Skala(), d.pic->width(), d.Kurve(), gOptions->Einheit_NM());
}

// The keyboard focus of the window lies on the diagram's drawing surface, where letters reach the
// window's keys and no limit box takes them.
inline bool Fokus_Im_Diagramm(const conDisplay& d)
{
    const QWidget* fenster = d.window();
    return fenster->focusWidget() == d.pic;
}

// A key as the user types it: to whatever has the keyboard in the window, after the window manager
// has made the window active again (offscreen nothing does that after a dialog).
inline void Taste_Tippen(QWidget& fenster, Qt::Key taste)
{
    if (QApplication::activeWindow() != &fenster) {
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster)) << "the window takes the keyboard";
    }
    QWidget* ziel = fenster.focusWidget() ? fenster.focusWidget() : &fenster;
    QTest::keyClick(ziel, taste);
}

// The bold font a window manager writes titles in.
inline QFont Titelschrift()
{
    QFont schrift = QApplication::font("QMdiSubWindowTitleBar");
    schrift.setBold(true);
    return schrift;
}

// The window is wide enough to show its title whole: the title in the title font and, beside it,
// room for the window's icon and its three buttons (at least 100 pixels).
inline bool Titel_Ganz(const QWidget& fenster)
{
    return fenster.width() >= QFontMetrics(Titelschrift()).horizontalAdvance(fenster.windowTitle()) + 100;
}

// The window's picture under a plain title bar: the icon's place at the left, the bold title, and
// the three buttons at the right, as a window manager draws it; a title that does not fit is cut.
inline QImage Mit_Titelleiste(QWidget& fenster)
{
    constexpr int kHoehe = 24, kKnopf = 30, kIcon = 28;
    const QImage inhalt = fenster.grab().toImage();
    QImage bild(inhalt.width(), inhalt.height() + kHoehe, QImage::Format_RGB32);
    bild.fill(QColor(70, 90, 120));
    QPainter maler(&bild);
    maler.drawImage(0, kHoehe, inhalt);
    const QFont schrift = Titelschrift();
    maler.setFont(schrift);
    maler.setPen(Qt::white);
    const int knoepfe = inhalt.width() - 3 * kKnopf;
    maler.drawText(QRect(kIcon, 0, std::max(knoepfe - kIcon, 0), kHoehe), Qt::AlignVCenter | Qt::AlignLeft,
                   QFontMetrics(schrift).elidedText(fenster.windowTitle(), Qt::ElideRight, std::max(knoepfe - kIcon, 0)));
    for (int i = 0; i < 3; ++i) maler.drawRect(knoepfe + i * kKnopf + 4, 4, kKnopf - 8, kHoehe - 8);
    return bild;
}

// The next message box that opens is answered with the key (Escape, Return) or, when the key is
// 0, with the button of that role; the box's text and button captions are kept for the test, and
// its picture goes to the screenshots as bild when one is named.
struct Meldungsantwort {
    QString text;
    QStringList knoepfe;
    bool gesehen = false;
};
inline void Meldung_Beantworten(Meldungsantwort& antwort, Qt::Key taste,
                                QMessageBox::StandardButton knopf = QMessageBox::NoButton, const QString& bild = {})
{
    bedienung::Wenn_Modal<QMessageBox>([&antwort, taste, knopf, bild](QMessageBox& box) {
        antwort.gesehen = true;
        antwort.text = box.text();
        for (QAbstractButton* b : box.buttons()) antwort.knoepfe << b->text();
        if (!bild.isEmpty()) foto::Ablegen(Mit_Titelleiste(box), bild);
        if (taste != 0)
            QTest::keyClick(&box, taste);
        else if (QAbstractButton* b = box.button(knopf))
            b->click();
    });
}

}
