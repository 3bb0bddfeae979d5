#pragma once
// The modal error window: the last reported error and the newest entries of the call stack.
#include <QDialog>

class QLabel;
class fxbutton;

class frmError : public QDialog {
    Q_OBJECT
public:
    explicit frmError(QWidget* owner);

    QLabel* Label1;  // error number and description
    QLabel* Label2;  // caption of the module
    QLabel* Label3;  // caption of the procedure
    QLabel* Label4;  // the latest registered calls
    QLabel* Label5[2];  // the module and the procedure
    QLabel* Image1;
    fxbutton* cmdOK;
};
