#pragma once
// The update window: looks for a newer version of the program.
#include <QDialog>

class frmUpdate : public QDialog {
    Q_OBJECT
public:
    explicit frmUpdate(QWidget* owner);
};
