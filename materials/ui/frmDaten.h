#pragma once
// The element table window: lists the elements of the database, shows the selected one on three
// pages (data and electron configuration, crystal structure, form-factor tables), saves each
// change of an element to the database file, makes and deletes elements and opens the window for
// a new fitted table. Modeless, one instance, owned by the main window; closing it with unsaved
// edits asks first.
#include <QDialog>
#include <QPointer>
#include <array>
#include <memory>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class clsElement;
class fxbutton;
class frmFMKNeu;
class ElementDataPage;
class CrystalStructurePage;
class FormFactorPage;

class frmDaten : public QDialog {
    Q_OBJECT
public:
    // Address of the German encyclopedia's articles; the element's name follows it.
    static constexpr const char* kLexikonAdresse = "https://de.wikipedia.org/wiki/";

    explicit frmDaten(QWidget* owner);

    void SpracheUmstellen();

    // The boxes hold the shown element completely; only then do edits count.
    bool Geladen() const { return geladen_; }
    // The shown element was changed since it was shown or saved.
    bool Geaendert() const { return geaendert_; }
    // The boxes hold a new element that is not yet in the database.
    bool NeuesElement() const { return neuesElement_; }
    // The window for a new fitted table, while it is open.
    frmFMKNeu* NeuerFMK() const;

    QLabel* Label1;  // number of elements and tables
    QListWidget* lstElemente;
    std::array<fxbutton*, 3> optInfo{};
    QStackedWidget* picDaten;
    ElementDataPage* Daten;
    CrystalStructurePage* Kristall;
    FormFactorPage* Formfaktor;
    fxbutton* cmdNeu;
    fxbutton* cmdLoeschen;
    fxbutton* cmdLexikon;
    fxbutton* cmdOK;

protected:
    // The close box and Escape ask whether unsaved edits of the shown element are to be saved.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Yes saves, No drops the edits, Cancel keeps the window; true when the window may close.
    bool Aenderungen_Klaeren();
    void lstElemente_Click(QListWidgetItem* current, QListWidgetItem* previous);
    void Element_Anzeigen(const std::shared_ptr<clsElement>& element);
    // Writes the boxes into the shown (or a new) element and saves the database; false, with a
    // message and nothing changed, when a box cannot be stored, and false with the element still
    // marked changed when the user declines the save of the file.
    bool Element_Uebernehmen();
    std::shared_ptr<clsElement> NeuesElementAnlegen();
    void Bearbeitet();
    void cmdNeu_Click();
    void cmdLoeschen_Click();
    void cmdOK_Click();
    void cmdLexikon_Click();
    void cmdNeuIntern_Click();
    void optInfo_Click(int index);
    void Zaehlzeile();
    void Listeneintrag(const clsElement& element);
    QListWidgetItem* Eintrag(const std::string& symbol) const;
    // Actions on the shown element need one that is in the database.
    void KnoepfeSetzen();
    void Meldung(const QString& label, const QString& text, const std::string& description);

    std::shared_ptr<clsElement> element_;
    bool geladen_ = false;
    bool geaendert_ = false;
    bool neuesElement_ = false;
    QPointer<frmFMKNeu> frmFMKNeu_;
};
