#pragma once
// The modal dialog "Werte umrechnen": a formula in y for the values of the curve shown last, and
// for the working curve the choice between the whole curve and the selected range.
#include <QDialog>

class QLabel;
class QLineEdit;
class fxbutton;

class frmCalcWerte : public QDialog {
    Q_OBJECT
public:
    explicit frmCalcWerte(QWidget* owner);
    // What the menu item does: the dialog modally over owner, then the diagram redrawn with its
    // y scaling kept.
    static void Zeigen(QWidget* owner);

    QLabel* Label1;  // "Y = " before the formula
    QLineEdit* Text1;
    // 0 the whole curve, 1 the selected range.
    fxbutton* Option1[2];
    fxbutton* Command1;
    fxbutton* Command2;

private:
    void Command1_Click();
};
