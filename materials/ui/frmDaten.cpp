#include "materials/ui/frmDaten.h"

#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/Titelbreite.h"
#include "core/ui/UiGuard.h"
#include "core/ui/modShell.h"
#include "materials/clsElement.h"
#include "materials/clsFMK.h"
#include "materials/modElementDatabase.h"
#include "materials/ui/CrystalStructurePage.h"
#include "materials/ui/ElementDataPage.h"
#include "materials/ui/FormFactorPage.h"
#include "materials/ui/frmFMKNeu.h"
#include "widgets/fxbutton.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QUrl>
#include <limits>

namespace {

QString FromModel(const std::string& text) { return QString::fromStdString(text); }

// An entry of the element list, sorted by its text without regard to case.
class ElementEntry : public QListWidgetItem {
public:
    explicit ElementEntry(const clsElement& element) : QListWidgetItem(FromModel(element.Symbol() + " - " + element.name()))
    {
        setData(Qt::UserRole, FromModel(element.Symbol()));
    }
    bool operator<(const QListWidgetItem& other) const override
    {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

std::string SymbolOf(const QListWidgetItem* entry) { return entry->data(Qt::UserRole).toString().toStdString(); }

fxbutton* Button(QWidget* owner, int width, int height)
{
    auto* button = new fxbutton(owner);
    button->setButtonStyle(gOptions->ButtonStyle());
    button->setFixedSize(width, height);
    return button;
}

}

frmDaten::frmDaten(QWidget* owner)
    : QDialog(owner), Label1(new QLabel(this)), lstElemente(new QListWidget(this)),
      picDaten(new QStackedWidget(this)), Daten(new ElementDataPage(picDaten)), Kristall(new CrystalStructurePage(picDaten)),
      Formfaktor(new FormFactorPage(picDaten)), cmdNeu(Button(this, 81, 37)), cmdLoeschen(Button(this, 81, 37)),
      cmdLexikon(Button(this, 81, 37)), cmdOK(Button(this, 81, 37))
{
    setAttribute(Qt::WA_DeleteOnClose);
    cmdLexikon->setCaption("Wikipedia");
    cmdOK->setCaption("OK");
    lstElemente->setSortingEnabled(true);
    lstElemente->setFixedWidth(189);
    Label1->setFixedWidth(189);
    picDaten->addWidget(Daten);
    picDaten->addWidget(Kristall);
    picDaten->addWidget(Formfaktor);

    auto* pages = new QHBoxLayout();
    for (int i = 0; i < 3; ++i) {
        optInfo[i] = Button(this, 97, 25);
        optInfo[i]->setMode(fxbutton::ModeOption);
        pages->addWidget(optInfo[i]);
        connect(optInfo[i], &fxbutton::Click, this, [this, i] { optInfo_Click(i); });
    }
    optInfo[0]->setValue(true);
    pages->addStretch();

    auto* left = new QVBoxLayout();
    left->addWidget(Label1);
    left->addWidget(lstElemente, 1);
    auto* centre = new QVBoxLayout();
    centre->addLayout(pages);
    centre->addWidget(picDaten, 1);
    auto* right = new QVBoxLayout();
    right->addSpacing(31);
    right->addWidget(cmdNeu);
    right->addWidget(cmdLoeschen);
    right->addSpacing(16);
    right->addWidget(cmdLexikon);
    right->addStretch();
    right->addWidget(cmdOK);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(centre, 1);
    layout->addLayout(right);

    connect(lstElemente, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current, QListWidgetItem* previous) {
                UiGuard("frmDaten", "lstElemente_Click", [&] { lstElemente_Click(current, previous); });
            });
    connect(Daten, &ElementDataPage::Bearbeitet, this, &frmDaten::Bearbeitet);
    connect(Kristall, &CrystalStructurePage::Bearbeitet, this, &frmDaten::Bearbeitet);
    connect(Formfaktor->cmdNeuIntern, &fxbutton::Click, this,
            GuardedSlot("frmDaten", "cmdNeuIntern_Click", [this] { cmdNeuIntern_Click(); }));
    connect(Formfaktor, &FormFactorPage::TabelleGeloescht, this, &frmDaten::Zaehlzeile);
    connect(cmdNeu, &fxbutton::Click, this, &frmDaten::cmdNeu_Click);
    connect(cmdLoeschen, &fxbutton::Click, this,
            GuardedSlot("frmDaten", "cmdLoeschen_Click", [this] { cmdLoeschen_Click(); }));
    connect(cmdLexikon, &fxbutton::Click, this, &frmDaten::cmdLexikon_Click);
    connect(cmdOK, &fxbutton::Click, this, GuardedSlot("frmDaten", "cmdOK_Click", [this] { cmdOK_Click(); }));

    SpracheUmstellen();
    for (const auto& [key, element] : colElemente) Listeneintrag(*element);
    Zaehlzeile();
    // The first element is shown ready for editing.
    lstElemente->setCurrentRow(0);
    geaendert_ = false;
    KnoepfeSetzen();
    Titelbreite_Halten(*this);
}

void frmDaten::SpracheUmstellen()
{
    setWindowTitle("ZELO - " + Text(22));
    optInfo[0]->setCaption(Text(98));
    optInfo[1]->setCaption(Text(99));
    optInfo[2]->setCaption(Text(100));
    cmdNeu->setCaption(Text(328));
    cmdLoeschen->setCaption(Text(327));
    Daten->SpracheUmstellen();
    Kristall->SpracheUmstellen();
    Formfaktor->SpracheUmstellen();
    Zaehlzeile();
    if (frmFMKNeu_) frmFMKNeu_->SpracheUmstellen();
}

frmFMKNeu* frmDaten::NeuerFMK() const { return frmFMKNeu_.data(); }

void frmDaten::lstElemente_Click(QListWidgetItem* current, QListWidgetItem* previous)
{
    if (!current) return;
    if ((geaendert_ || neuesElement_) && !Element_Uebernehmen()) {
        // The element in the boxes could not be saved: it stays on screen.
        const QSignalBlocker block(lstElemente);
        lstElemente->setCurrentItem(previous);
        return;
    }
    if (const auto element = colElemente.Item(SymbolOf(current))) Element_Anzeigen(element);
}

void frmDaten::Element_Anzeigen(const std::shared_ptr<clsElement>& element)
{
    geladen_ = false;
    element_ = element;
    gElement = element;
    Daten->Anzeigen(*element);
    Kristall->Anzeigen(*element);
    Formfaktor->Anzeigen(element->Symbol());
    geladen_ = true;
    KnoepfeSetzen();
}

bool frmDaten::Element_Uebernehmen()
{
    if (const auto fault = Daten->WholeNumberFault()) {
        optInfo_Click(0);
        Meldung(fault->label, fault->box->text(), rt::ErrorDescription(fault->number));
        fault->box->setFocus();
        return false;
    }
    const bool neu = neuesElement_;
    const std::shared_ptr<clsElement> element = neu ? NeuesElementAnlegen() : element_;
    if (!element) return !neu;
    Daten->Speichern(*element);
    Kristall->Speichern(*element);
    if (neu) {
        Listeneintrag(*element);
        Daten->txtInfo[ElementDataPage::Symbol]->setEnabled(false);
        Zaehlzeile();
        element_ = element;
        gElement = element;
        geladen_ = true;
    }
    neuesElement_ = false;
    geaendert_ = false;
    gInitKopf.Status = 1;
    // The window counts its save once more than the writer does, wrapping as the writer does.
    gInitKopf.Revision = gInitKopf.Revision == std::numeric_limits<int16_t>::max()
                             ? int16_t{0}
                             : static_cast<int16_t>(gInitKopf.Revision + 1);
    if (Zelo_Speichern() == Zelo_Speicherung::Abgelehnt) {
        // The user keeps the file as it is: the edits stay on screen, still to be saved.
        geaendert_ = true;
        KnoepfeSetzen();
        return false;
    }
    KnoepfeSetzen();
    return true;
}

std::shared_ptr<clsElement> frmDaten::NeuesElementAnlegen()
{
    QLineEdit* symbolBox = Daten->txtInfo[ElementDataPage::Symbol];
    QString symbol = symbolBox->text().trimmed();
    if (symbol.isEmpty()) symbol = QInputDialog::getText(this, Text(121), Text(120)).trimmed();
    if (symbol.isEmpty()) symbol = "N_" + QString::number(QDate::currentDate().day());
    symbolBox->setText(symbol);
    auto element = std::make_shared<clsElement>();
    element->setSymbol(symbol.toStdString());
    try {
        colElemente.Add(element, element->Symbol());
    } catch (const rt::RuntimeError& e) {
        optInfo_Click(0);
        Meldung(Daten->lblInfo[ElementDataPage::Symbol]->text(), symbol, e.Description());
        symbolBox->setFocus();
        return nullptr;
    }
    return element;
}

void frmDaten::Bearbeitet()
{
    if (geladen_) geaendert_ = true;
}

void frmDaten::cmdNeu_Click()
{
    neuesElement_ = true;
    geladen_ = false;
    optInfo_Click(0);
    Daten->Neu();
    KnoepfeSetzen();
}

void frmDaten::cmdLoeschen_Click()
{
    if (!element_ || neuesElement_) return;
    const auto answer =
        zelo::Ui().MsgBox(element_->Symbol() + " - " + element_->name() + "\r\n" + gLanguage->Caption(327) + "?",
                          zelo::MsgButtons::YesNo, zelo::MsgIcon::Question, clsLoader::kApplicationName);
    if (answer != zelo::MsgResult::Yes) return;
    const std::string symbol = element_->Symbol();
    colElemente.Remove(symbol);
    // Unsaved edits go with the element; nothing may write into the removed record any more.
    geaendert_ = false;
    geladen_ = false;
    element_.reset();
    gElement.reset();
    QListWidgetItem* entry = Eintrag(symbol);
    const int row = lstElemente->row(entry);
    {
        const QSignalBlocker block(lstElemente);
        delete entry;
        if (lstElemente->count() > 0) lstElemente->setCurrentRow(std::min(row, lstElemente->count() - 1));
    }
    Zaehlzeile();
    Zelo_Speichern();
    // The neighbour in the list is shown, so that the window always works on a listed element.
    if (QListWidgetItem* neighbour = lstElemente->currentItem())
        if (const auto element = colElemente.Item(SymbolOf(neighbour))) Element_Anzeigen(element);
    KnoepfeSetzen();
}

void frmDaten::cmdOK_Click()
{
    if ((geaendert_ || neuesElement_) && !Element_Uebernehmen()) return;
    // Saved: nothing left to ask about.
    geaendert_ = neuesElement_ = false;
    close();
}

void frmDaten::reject() { close(); }

void frmDaten::closeEvent(QCloseEvent* event)
{
    bool schliessen = true;
    UiGuard("frmDaten", "Form_QueryUnload", [&] { schliessen = Aenderungen_Klaeren(); });
    if (schliessen)
        event->accept();
    else
        event->ignore();
}

bool frmDaten::Aenderungen_Klaeren()
{
    if (!geaendert_ && !neuesElement_) return true;
    const std::string shown = neuesElement_ ? Daten->txtInfo[ElementDataPage::Symbol]->text().toStdString()
                                            : element_ ? element_->Symbol() + " - " + element_->name() : std::string();
    const auto answer = zelo::Ui().MsgBox(shown + "\r\n" + gLanguage->Caption(520), zelo::MsgButtons::YesNoCancel,
                                          zelo::MsgIcon::Question, clsLoader::kApplicationName);
    if (answer == zelo::MsgResult::Cancel) return false;
    if (answer == zelo::MsgResult::Yes && !Element_Uebernehmen()) return false;
    geaendert_ = neuesElement_ = false;
    return true;
}

void frmDaten::cmdLexikon_Click()
{
    if (!element_) return;
    Datei_Oeffnen_Shell(kLexikonAdresse + QString::fromLatin1(QUrl::toPercentEncoding(FromModel(element_->name()))));
}

void frmDaten::cmdNeuIntern_Click()
{
    if (!element_ || neuesElement_) return;
    if (frmFMKNeu_ && frmFMKNeu_->Element() == element_) {
        frmFMKNeu_->raise();
        frmFMKNeu_->activateWindow();
        return;
    }
    if (frmFMKNeu_) frmFMKNeu_->close();
    frmFMKNeu_ = new frmFMKNeu(this, element_);
    connect(frmFMKNeu_, &frmFMKNeu::Angelegt, this, [this](const QString& symbol) {
        Zaehlzeile();
        if (element_ && !neuesElement_ && FromModel(element_->Symbol()) == symbol) Formfaktor->Anzeigen(element_->Symbol());
    });
    frmFMKNeu_->show();
    frmFMKNeu_->setIstNeuerFMK(true);
}

void frmDaten::optInfo_Click(int index)
{
    for (int i = 0; i < 3; ++i) optInfo[i]->setValue(i == index);
    picDaten->setCurrentIndex(index);
}

void frmDaten::Zaehlzeile()
{
    Label1->setText(QString::number(lstElemente->count()) + Text(97) + "\n" + QString::number(gFMK->FMK_Anzahl()) +
                    Text(103));
}

void frmDaten::Listeneintrag(const clsElement& element) { lstElemente->addItem(new ElementEntry(element)); }

QListWidgetItem* frmDaten::Eintrag(const std::string& symbol) const
{
    for (int i = 0; i < lstElemente->count(); ++i)
        if (SymbolOf(lstElemente->item(i)) == symbol) return lstElemente->item(i);
    return nullptr;
}

void frmDaten::KnoepfeSetzen()
{
    const bool shown = element_ && !neuesElement_;
    cmdLoeschen->setEnabled(shown);
    cmdLexikon->setEnabled(shown);
    Formfaktor->cmdNeuIntern->setEnabled(shown);
}

void frmDaten::Meldung(const QString& label, const QString& text, const std::string& description)
{
    zelo::Ui().MsgBox((label + ": \"" + text + "\"").toStdString() + "\r\n" + description, zelo::MsgButtons::OK,
                      zelo::MsgIcon::Exclamation, clsLoader::kApplicationName);
}
