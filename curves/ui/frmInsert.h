#pragma once
// The modal dialog that asks how a copied curve piece is written back: replacing the old points
// or averaged with them.
#include <QDialog>

class fxbutton;

class frmInsert : public QDialog {
    Q_OBJECT
public:
    explicit frmInsert(QWidget* owner);

    // 0 "replace the points", 1 "average with the old points".
    fxbutton* optKurve[2];
    fxbutton* cmdOK;
    fxbutton* cmdCancel;

private:
    void cmdOK_Click();
};
