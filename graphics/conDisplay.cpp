#include "graphics/conDisplay.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/DiagrammMaus.h"
#include "graphics/Raster.h"
#include "graphics/clsGrafik.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSaveFile>

namespace {

constexpr int32_t kGrenzfeldBreite = 60;

QFont KleineSchrift(QFont font)
{
    font.setPointSize(8);
    font.setBold(false);
    return font;
}

QFont GrosseSchrift()
{
    QFont font("Times New Roman", 18, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

void Neu_Zeichnen(bool keepYScaling)
{
    if (gGrafik) gGrafik->Zeichne(keepYScaling);
}

// A failure of a handler of the control ends it with the control's plain message.
template <class Body>
void MitMeldung(const char* procedure, Body body)
{
    try {
        body();
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage("Benutzersteuerelement", "conDisplay", procedure, e);
    } catch (const std::exception& e) {
        clsError::ReportByMessage("Benutzersteuerelement", "conDisplay", procedure, zelo::AsRuntimeError(e));
    }
}

}

conDisplay::conDisplay(QWidget* parent) : QWidget(parent)
{
    setFont(KleineSchrift(font()));
    pic = new DiagrammFlaeche(this);
    // A click in the diagram takes the keyboard from a limit box, so that the window's letter keys work.
    pic->setFocusPolicy(Qt::ClickFocus);
    lblPos = new QLabel(this);
    for (size_t i = 0; i < txtAchse.size(); ++i) {
        txtAchse[i] = new QLineEdit(this);
        txtAchse[i]->setFixedWidth(kGrenzfeldBreite);
        // Only a click puts the keyboard into a limit box: a button that hides or disables itself
        // must not hand it there, where the window's letter keys would become text.
        txtAchse[i]->setFocusPolicy(Qt::ClickFocus);
        connect(txtAchse[i], &QLineEdit::returnPressed, this,
                GuardedSlot("conDisplay", "txtAchse_KeyPress", [this] { txtAchse_Enter(); }));
    }
    Check1 = new QCheckBox("log", this);
    connect(Check1, &QCheckBox::clicked, this, GuardedSlot("conDisplay", "Check1_Click", [this] { Check1_Click(); }));
    halbeZeile_ = QFontMetrics(font()).height() / 2;
    Maus = new DiagrammMaus(*this);
}

void conDisplay::Skalieren(float Xmax, float Xmin, float Ymax, float Ymin, int32_t kurve)
{
    // A read-out names a point of the curve it was taken on.
    if (kurve != kurve_) lblPos->clear();
    kurve_ = kurve;
    if (kurve == KT_IK || kurve == KT_GR || kurve == KT_IK_Wichtung || kurve == KT_RDF) {
        skala_.log = false;
        Check1->setVisible(false);
    } else {
        skala_.log = logGewuenscht_;
        const QSignalBlocker still(Check1);
        Check1->setChecked(logGewuenscht_);
        Check1->setVisible(grenzenErlaubt_);
    }
    skala_.rechts = static_cast<float>(pic->width());
    skala_.unten = static_cast<float>(pic->height() - kRandUnten);
    SkaliereDiagramm(skala_, Xmax, Xmin, Ymax, Ymin, gGrafik && gGrafik->Zoom());
    if (!std::isfinite(skala_.yscale) || !std::isfinite(skala_.ymin) || !std::isfinite(skala_.xmax - skala_.xmin))
        zelo::ReportCaught("conDisplay", "Skalieren", rt::RuntimeError(rt::errOverflow), false);
}

std::optional<QPoint> conDisplay::Punkt(float XX, float YY)
{
    const auto px = PixelX(skala_, XX);
    const auto py = PixelY(skala_, YY);
    if (!px || !py) return std::nullopt;
    return QPoint(*px, *py);
}

void conDisplay::Zeichne_Punkt(float XX, float YY, uint32_t Farbe)
{
    const auto p = Punkt(XX, YY);
    if (!p) return;
    SetzePixel(pic->Image, p->x(), p->y(), VbFarbe(Farbe));
    letzter_ = *p;
    pic->update();
}

void conDisplay::Zeichne_Kreis(float XX, float YY, uint32_t Farbe, int32_t radius)
{
    const auto p = Punkt(XX, YY);
    if (!p) return;
    QPainter painter(&pic->Image);
    painter.setPen(QColor::fromRgb(VbFarbe(Farbe)));
    painter.drawEllipse(*p, radius, radius);
    letzter_ = *p;
    pic->update();
}

void conDisplay::Zeichne_LinieZu(float XX, float YY, uint32_t Farbe)
{
    const auto p = Punkt(XX, YY);
    if (!p) return;
    ZeichneLinie(pic->Image, letzter_.x(), letzter_.y(), p->x(), p->y(), VbFarbe(Farbe));
    letzter_ = *p;
    pic->update();
}

void conDisplay::Zeichne_Linie_X3(float x, uint32_t Farbe)
{
    const auto px = PixelX(skala_, x);
    if (!px) return;
    const int32_t unten = pic->height() - kRandUnten;
    ZeichneLinie(pic->Image, *px, 0, *px, unten, VbFarbe(Farbe));
    letzter_ = QPoint(*px, unten);
    pic->update();
}

void conDisplay::Zeichne_Spiegelung()
{
    Display_CLS();
    const clsCalc& calc = rt::Object(gCalc);
    constexpr uint32_t rot = 255;
    for (int32_t i = 1; i <= calc.Temp_Punkte(); ++i) {
        const float x = calc.x(calc.X_StartIndex() + i - 1);
        if (i == 1)
            Zeichne_Punkt(x, calc.Y_Temp(i), rot);
        else
            Zeichne_LinieZu(x, calc.Y_Temp(i), rot);
    }
}

void conDisplay::TextOut(float x, float y, const std::string& text, uint32_t colour, float shift, bool large)
{
    const auto px = PixelX(skala_, x);
    const auto py = PixelY(skala_, y, false);
    const auto links = px ? ZuPixel(*px + double(shift)) : std::nullopt;
    if (!links || !py) return;
    QPainter painter(&pic->Image);
    painter.setFont(large ? GrosseSchrift() : font());
    painter.setPen(large ? QColor::fromRgb(VbFarbe(colour)) : QColor(Qt::black));
    painter.drawText(QPoint(*links, *py + painter.fontMetrics().ascent()), QString::fromStdString(text));
    pic->update();
}

void conDisplay::setY_Achse_Log(bool value)
{
    skala_.log = value;
    if (Check1->isChecked() == value) return;
    {
        const QSignalBlocker still(Check1);
        Check1->setChecked(value);
    }
    Check1_Click();
}

void conDisplay::Check1_Click()
{
    skala_.log = logGewuenscht_ = Check1->isChecked();
    if (!isPreview_) Neu_Zeichnen(false);
}

void conDisplay::txtAchse_Enter()
{
    if (isPreview_ || !gGrafik) return;
    std::array<std::string, 4> boxen;
    for (size_t i = 0; i < boxen.size(); ++i) boxen[i] = txtAchse[i]->text().toStdString();
    const auto fenster = ZoomAusGrenzen(boxen, skala_.log, AnzeigeFaktorX(kurve_, gOptions->Einheit_NM()));
    if (fenster) gGrafik->Zoomen(fenster->x1, fenster->x2, fenster->y1, fenster->y2, true, true);
}

void conDisplay::DiagrammSpeichern()
{
    MitMeldung("DiagrammSpeichern", [this] {
        std::string datei = rt::Object(gCommon).ShowSave(std::string("Bitmap\0*.bmp\0", 13));
        if (datei.empty()) return;
        // The comparison is exact: "plot.BMP" becomes "plot.BMP.bmp".
        if (datei.size() < 4 || datei.compare(datei.size() - 4, 4, ".bmp") != 0) datei += ".bmp";
        Display_Background();
        QSaveFile file(QString::fromStdString(datei));
        if (!file.open(QIODevice::WriteOnly) || !pic->Picture.save(&file, "BMP") || !file.commit())
            rt::Raise(rt::errPathFileAccess);
        Neu_Zeichnen(true);
    });
}

void conDisplay::DiagrammZwischenablage()
{
    MitMeldung("DiagrammZwischenablage", [this] {
        Display_Background();
        QApplication::clipboard()->setImage(pic->Picture);
        Neu_Zeichnen(true);
    });
}

void conDisplay::Zeichne_Achsen()
{
    achsen_ = ::Achsen(skala_, pic->width(), pic->height(), kurve_, rt::Object(gOptions).Einheit_NM(), halbeZeile_);
    for (size_t i = 0; i < txtAchse.size(); ++i) txtAchse[i]->setText(QString::fromStdString(achsen_.grenzen[i]));
    const QRgb schwarz = qRgb(0, 0, 0);
    for (const AchsenStrich& s : achsen_.striche) ZeichneLinie(pic->Image, s.x1, s.y1, s.x2, s.y2, schwarz);
    QPainter painter(&pic->Image);
    painter.setFont(font());
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const AchsenText& t : achsen_.texte) {
        const QString text = QString::fromStdString(t.text);
        const int32_t breite = metrics.horizontalAdvance(text);
        const int32_t links = t.rechtsbuendig ? t.x - breite : t.x - breite / 2;
        painter.drawText(QPoint(links, t.y + metrics.ascent()), text);
    }
    pic->update();
}

void conDisplay::AllowScaling(bool YesOrNo, bool isLog)
{
    for (QLineEdit* box : txtAchse) box->setVisible(YesOrNo);
    Check1->setVisible(YesOrNo);
    grenzenErlaubt_ = YesOrNo;
    // The next scaling keeps the axis asked for here.
    skala_.log = logGewuenscht_ = isLog;
}

void conDisplay::setIsPreview(bool value)
{
    isPreview_ = value;
    lblPos->setVisible(!value);
}

void conDisplay::resizeEvent(QResizeEvent*)
{
    const int32_t w = width();
    const int32_t h = height();
    pic->setGeometry(0, 0, w, h);
    const int32_t boxHoehe = txtAchse[0]->sizeHint().height();
    txtAchse[0]->move(2, 0);
    txtAchse[1]->move(2, h - kRandUnten - boxHoehe / 2);
    txtAchse[2]->move(kRandLinks - kGrenzfeldBreite / 2, h - boxHoehe - 2);
    txtAchse[3]->move(w - kGrenzfeldBreite - 2, h - boxHoehe - 2);
    // Below the lower Y limit, in the corner that neither axis labels nor curves use.
    Check1->adjustSize();
    Check1->move(2, h - Check1->height());
    lblPos->move(w - lblPos->width() - 10, 0);
    skala_.rechts = static_cast<float>(w);
    skala_.unten = static_cast<float>(h - kRandUnten);
    if (!isPreview_) UiGuard("conDisplay", "UserControl_Resize", [] { Neu_Zeichnen(true); });
}
