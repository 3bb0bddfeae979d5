#pragma once
// The window for a new fitted form-factor table: five Gauss terms and a constant,
// f(s) = sum of a_i exp(-b_i s²) + c, for electrons or X-rays, made for the element that the
// element table window showed when it opened this window.
#include <QDialog>
#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class clsElement;
class fxbutton;

class frmFMKNeu : public QDialog {
    Q_OBJECT
public:
    frmFMKNeu(QWidget* owner, std::shared_ptr<clsElement> element);

    // OK makes a table only while this is true; the element table window sets it after showing.
    bool istNeuerFMK() const { return istNeuerFMK_; }
    void setIstNeuerFMK(bool value) { istNeuerFMK_ = value; }
    void SpracheUmstellen();
    // The element the new table is made for.
    const std::shared_ptr<clsElement>& Element() const { return element_; }

    QGroupBox* Frame3;  // the fit formula
    QLabel* Image1;
    QGroupBox* Frame1;  // the parameters
    // a1, b1, a2, b2, ..., a5, b5, c.
    std::array<QLineEdit*, 11> txtParam{};
    std::array<QRadioButton*, 2> optTyp{};  // electrons, X-rays
    QLabel* lblSymbol;
    fxbutton* Command2;  // Clear
    fxbutton* Command1;  // Cancel
    fxbutton* Command3;  // OK

signals:
    // A table was made and saved for the element with this symbol.
    void Angelegt(const QString& symbol);

private:
    void Command2_Click();
    void Command3_Click();

    std::shared_ptr<clsElement> element_;
    bool istNeuerFMK_ = false;
};
