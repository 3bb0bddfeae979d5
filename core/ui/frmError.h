#pragma once
// The modal error window: the last reported error and the newest entries of the call stack.
#include <QDialog>

class QLabel;
class fxbutton;

class frmError : public QDialog {
    Q_OBJECT
public:
    explicit frmError(QWidget* owner);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5[2];
    QLabel* Image1;
    fxbutton* cmdOK;
};
