#pragma once
// The small dialog in which the user types the diagram coordinates of an axis reference point.
#include <QDialog>

class QLabel;
class QLineEdit;
class conBeugung;
class fxbutton;

class frmDigiAchsen : public QDialog {
    Q_OBJECT
public:
    frmDigiAchsen(conBeugung* panel, QWidget* owner);

    void Command2_Click();

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    fxbutton* Command1 = nullptr;
    fxbutton* Command2 = nullptr;

private:
    conBeugung* panel_;
};
