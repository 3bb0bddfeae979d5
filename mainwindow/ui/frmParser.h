#pragma once
// The calculator window: a number or a formula typed into the box shows its value in decimal,
// hexadecimal, octal and binary. A plain number converts as it is typed; a formula waits for Enter.
// Input that gives no value (text that is no number, an overflow, unbalanced or empty brackets, a
// failed function call) empties the four results and says why in lblMeldung: no number stays on
// screen that reads as the value of what the box holds.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QFrame;
class clsParser;
namespace rt {
class RuntimeError;
}
class fxbutton;

class frmParser : public QDialog {
    Q_OBJECT
public:
    explicit frmParser(QWidget* owner);
    ~frmParser() override;
    // Shows a refusal again in the language selected now.
    void SpracheUmstellen();

    QLineEdit* txtFormel;
    QLabel* lblDez;
    QLabel* lblHex;
    QLabel* lblOct;
    QLabel* lblBin;
    std::array<QLabel*, 4> Label2{};
    QLabel* lblMeldung;
    QFrame* Line1;
    fxbutton* cmdOK;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtFormel_Change();
    void Auswerten();
    void Leer_Anzeigen();
    // Empties the results and shows why the input gives no value: the text of number grund, or the
    // run time's description when grund is -1.
    void Verweigern(int32_t grund, const QString& beschreibung);
    void Verweigern(const rt::RuntimeError& fehler);
    void Meldung_Loeschen();
    // Places the rows for the width; a wrapped binary row or a message makes the window taller.
    void Platzieren();
    clsParser& Parser();

    std::unique_ptr<clsParser> parser_;
    // The refusal shown (0 none), kept so that a language switch can show it again.
    int32_t meldung_ = 0;
    QString meldungText_;
};
