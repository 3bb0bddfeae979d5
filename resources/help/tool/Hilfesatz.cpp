#include "Hilfesatz.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <vector>

namespace {

// A4 at 150 dots per inch, 18 mm margins; the page number sits in the bottom margin.
constexpr int kDpi = 150;
constexpr double kMarginMm = 18.0;

struct Eintrag {
    int ebene;
    QString titel;
    int block;
};

bool Lesen(const QString& pfad, QString& text)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "hilfe_pdf: cannot read %s\n", qPrintable(pfad));
        return false;
    }
    text = QString::fromUtf8(datei.readAll());
    return true;
}

// The body of an HTML file: what lies between <body> and </body>, or all of it.
QString Rumpf(const QString& html)
{
    const qsizetype anfang = html.indexOf("<body>");
    const qsizetype ende = html.lastIndexOf("</body>");
    if (anfang < 0 || ende < anfang) return html;
    return html.mid(anfang + 6, ende - anfang - 6);
}

// The contents page: one line per chapter and section, with its page (or blanks on the first pass,
// whose layout must match the second's).
QString Inhalt(const std::vector<Eintrag>& eintraege, const std::vector<int>& seiten)
{
    // Title and contents share the first page; chapters start on a new page.
    QString html = "<p class=\"titel\">KPW ZELO</p><p class=\"untertitel\">Hilfe &ndash; Help</p>"
                   "<p class=\"inhalt\">Inhalt / Contents</p><table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\">";
    for (size_t i = 0; i < eintraege.size(); ++i) {
        const Eintrag& e = eintraege[i];
        const QString seite = i < seiten.size() ? QString::number(seiten[i]) : QString("000");
        const QString titel = e.ebene == 1 ? "<b>" + e.titel.toHtmlEscaped() + "</b>"
                                           : "&nbsp;&nbsp;&nbsp;&nbsp;" + e.titel.toHtmlEscaped();
        html += "<tr><td><span style=\"font-size: 8.5pt\">" + titel + "</span></td><td align=\"right\">"
                "<span style=\"font-size: 8.5pt\">" + seite + "</span></td></tr>";
    }
    return html + "</table>";
}

class Satz {
public:
    explicit Satz(QPdfWriter& drucker) : drucker_(drucker)
    {
        const QRectF seite = drucker.pageLayout().paintRectPixels(kDpi);
        const double rand = kMarginMm / 25.4 * kDpi;
        flaeche_ = QSizeF(seite.width() - 2 * rand, seite.height() - 2 * rand);
        rand_ = rand;
    }

    void Aufbauen(QTextDocument& dok, const QString& html)
    {
        dok.documentLayout()->setPaintDevice(&drucker_);
        dok.setDefaultStyleSheet(
            "body { font-family: 'DejaVu Sans'; font-size: 9.5pt; }"
            "h1 { font-size: 17pt; margin-top: 0px; margin-bottom: 10px; page-break-before: always; }"
            "h2 { font-size: 12.5pt; margin-top: 14px; margin-bottom: 4px; }"
            "h3 { font-size: 10.5pt; margin-top: 10px; margin-bottom: 2px; }"
            "pre { font-family: 'DejaVu Sans Mono'; font-size: 8pt; background-color: #f0f0f0; }"
            "td { padding: 2px; }"
            "p.bild { margin-top: 6px; margin-bottom: 2px; }"
            "p.titel { font-size: 26pt; font-weight: bold; margin-bottom: 0px; }"
            "p.untertitel { font-size: 15pt; margin-bottom: 18px; }"
            "p.inhalt { font-size: 13pt; font-weight: bold; margin-bottom: 6px; }"
            "p.unter { font-size: 8.5pt; color: #404040; margin-bottom: 8px; }");
        dok.setDefaultFont(QFont("DejaVu Sans", 10));
        dok.setPageSize(flaeche_);
        dok.setHtml(html);
    }

    int Seite(const QTextDocument& dok, int block) const
    {
        const QRectF r = dok.documentLayout()->blockBoundingRect(dok.findBlockByNumber(block));
        return int(r.top() / flaeche_.height()) + 1;
    }

    bool Drucken(QTextDocument& dok)
    {
        QPainter maler(&drucker_);
        if (!maler.isActive()) return false;
        const int seiten = dok.pageCount();
        QFont klein("DejaVu Sans");
        klein.setPointSizeF(8);
        for (int s = 0; s < seiten; ++s) {
            if (s > 0) drucker_.newPage();
            maler.save();
            maler.translate(rand_, rand_ - s * flaeche_.height());
            const QRectF sichtbar(0, s * flaeche_.height(), flaeche_.width(), flaeche_.height());
            maler.setClipRect(sichtbar);
            QAbstractTextDocumentLayout::PaintContext kontext;
            kontext.clip = sichtbar;
            dok.documentLayout()->draw(&maler, kontext);
            maler.restore();
            if (s > 0) {
                maler.setFont(klein);
                const QRectF fuss(rand_, rand_ + flaeche_.height() + 4, flaeche_.width(), rand_ / 2);
                maler.drawText(fuss, Qt::AlignRight | Qt::AlignTop, QString::number(s + 1));
                maler.drawText(fuss, Qt::AlignLeft | Qt::AlignTop, "KPW ZELO - Hilfe / Help");
            }
        }
        return maler.end();
    }

private:
    QPdfWriter& drucker_;
    QSizeF flaeche_;
    double rand_ = 0.0;
};

}

bool Hilfe_Setzen(const QStringList& htmlDateien, const QString& bilder, const QString& pdf)
{
    QString rumpf;
    for (const QString& pfad : htmlDateien) {
        QString html;
        if (!Lesen(pfad, html)) return false;
        rumpf += Rumpf(html);
    }

    // The pictures go into the document's resources under their own names.
    std::vector<std::pair<QString, QImage>> bildliste;
    static const QRegularExpression bildVerweis("src=\"bild:([^\"]+)\"");
    for (auto treffer = bildVerweis.globalMatch(rumpf); treffer.hasNext();) {
        const QString name = treffer.next().captured(1);
        QImage bild(bilder + "/" + name + ".png");
        if (bild.isNull()) {
            std::fprintf(stderr, "hilfe_pdf: picture %s is missing\n", qPrintable(name));
            return false;
        }
        bildliste.emplace_back(name, bild);
    }

    // Written beside the old guide and renamed over it only when complete, so a failed run never
    // leaves a half-written PDF for the build to take.
    QSaveFile datei(pdf);
    if (!datei.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "hilfe_pdf: cannot write %s\n", qPrintable(pdf));
        return false;
    }
    QPdfWriter drucker(&datei);
    drucker.setResolution(kDpi);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(0, 0, 0, 0));
    drucker.setTitle("KPW ZELO - Hilfe / Help");
    drucker.setCreator("KPW ZELO");
    Satz satz(drucker);

    // First pass: where the chapters and sections stand; the contents page has the same lines.
    auto zusammen = [&](const std::vector<Eintrag>& e, const std::vector<int>& s) {
        return "<html><body>" + Inhalt(e, s) + rumpf + "</body></html>";
    };
    auto bauen = [&](QTextDocument& dok, const QString& html) {
        for (const auto& [name, bild] : bildliste) dok.addResource(QTextDocument::ImageResource, QUrl("bild:" + name), bild);
        satz.Aufbauen(dok, html);
    };
    std::vector<Eintrag> eintraege;
    {
        QTextDocument probe;
        bauen(probe, "<html><body>" + rumpf + "</body></html>");
        for (QTextBlock b = probe.begin(); b.isValid(); b = b.next()) {
            const int ebene = b.blockFormat().headingLevel();
            if (ebene == 1 || ebene == 2) eintraege.push_back({ebene, b.text(), 0});
        }
    }
    QTextDocument dok;
    bauen(dok, zusammen(eintraege, {}));
    // The headings are the same blocks after the contents table; find them again in order.
    {
        size_t i = 0;
        for (QTextBlock b = dok.begin(); b.isValid() && i < eintraege.size(); b = b.next()) {
            const int ebene = b.blockFormat().headingLevel();
            if ((ebene == 1 || ebene == 2) && b.text() == eintraege[i].titel)
                eintraege[i++].block = b.blockNumber();
        }
    }
    std::vector<int> seiten;
    for (const Eintrag& e : eintraege) seiten.push_back(satz.Seite(dok, e.block));
    QTextDocument fertig;
    bauen(fertig, zusammen(eintraege, seiten));
    return satz.Drucken(fertig) && datei.commit();
}
