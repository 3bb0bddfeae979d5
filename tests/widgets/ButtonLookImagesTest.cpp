// Writes every look in every state as the screenshots button-looks/*.png, with one contact sheet, so
// that a person can check the faces by eye.
#include "widgets/ButtonFaceRendering.h"
#include "support/ui/Bildschirmfoto.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace ButtonFaceRendering;

namespace {

// The names of the button-style menu; the other looks have none.
const char* const kLookNames[] = {"Windows 95/98", "Flat", "Windows XP", "Vista Aero", "", "", "",
                                  "Vista Toolbar", "", "", "Gel", "3D Hover", "", "unthemed, as 2"};

QImage RenderShown(int32_t style, Showing showing, const QSize& size)
{
    Stage stage(style, size, "&Button");
    Show(*stage.button, showing);
    return AsShown(*stage.button);
}

}

TEST(ButtonLookImages, WritesEveryLookAndStateAndAContactSheet)
{
    const QSize size(96, 26);
    const int cellWidth = size.width() + 24, cellHeight = size.height() + 16, labelWidth = 120, headerHeight = 24;
    QImage sheet(labelWidth + 4 * cellWidth, headerHeight + 14 * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&sheet);
    for (int column = 0; column < 4; ++column)
        painter.drawText(QRect(labelWidth + column * cellWidth, 0, cellWidth, headerHeight), Qt::AlignCenter,
                         Name(kAllShowings[column]));

    for (int32_t style = 0; style <= 13; ++style) {
        const int top = headerHeight + style * cellHeight;
        painter.drawText(QRect(6, top, labelWidth - 6, cellHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         QString("%1 %2").arg(style).arg(kLookNames[style]).trimmed());
        for (int column = 0; column < 4; ++column) {
            const QImage face = RenderShown(style, kAllShowings[column], size);
            foto::Ablegen(face, QString("button-looks/look%1-%2.png").arg(style, 2, 10, QChar('0')).arg(Name(kAllShowings[column])));
            painter.drawImage(labelWidth + column * cellWidth + 12, top + 8, face);
        }
    }
    painter.end();
    foto::Ablegen(sheet, "button-looks/contact-sheet.png");
}
