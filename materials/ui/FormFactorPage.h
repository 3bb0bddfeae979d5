#pragma once
// Page "Formfaktor" of the element table window: the element's form-factor tables, the export
// and removal of a fitted table, and the button for a new fitted table.
#include <QWidget>
#include <string>

class QLabel;
class QListWidget;
class fxbutton;

class FormFactorPage : public QWidget {
    Q_OBJECT
public:
    explicit FormFactorPage(QWidget* parent);

    void SpracheUmstellen();
    // Lists the tables of the element; none is selected.
    void Anzeigen(const std::string& symbol);
    // The index in gFMK's table list of the selected table; 0 when none is selected.
    int32_t GewaehlteTabelle() const;

    QLabel* Label3;  // the number of tables
    QListWidget* lstFMK;
    fxbutton* cmdNeuIntern;
    fxbutton* cmdExport;
    fxbutton* cmdFMKDelete;

signals:
    // A table was removed from gFMK's list.
    void TabelleGeloescht();

private:
    void lstFMK_Click();
    void cmdExport_Click();
    void cmdFMKDelete_Click();

    std::string symbol_;
};
