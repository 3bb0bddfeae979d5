#include "panels/Formelzeichen.h"

#include <QFontMetrics>
#include <QPainter>

void Formelzeichen::setZeilen(std::vector<Zeile> zeilen)
{
    zeilen_ = std::move(zeilen);
    update();
}

void Formelzeichen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont zeichen("Times New Roman");
    zeichen.setPixelSize(17);
    zeichen.setBold(true);
    zeichen.setItalic(true);
    QFont index = zeichen;
    index.setItalic(false);
    index.setPixelSize(11);
    for (const Zeile& z : zeilen_) {
        p.setFont(zeichen);
        const QFontMetrics m(zeichen);
        p.drawText(0, z.y + m.ascent(), z.Zeichen);
        // The subscript starts 0.4 of the symbol's height lower, just right of it.
        p.setFont(index);
        p.drawText(m.horizontalAdvance(z.Zeichen) + 2, z.y + static_cast<int>(0.4 * m.height()) + QFontMetrics(index).ascent(),
                   z.Index);
    }
}
