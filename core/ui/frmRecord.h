#pragma once
// The processing-log window: collects one line per user action while logging is on.
#include <QDialog>

class QPlainTextEdit;

class frmRecord : public QDialog {
    Q_OBJECT
public:
    explicit frmRecord(QWidget* owner);

private:
    QPlainTextEdit* txtRecord_;
};
