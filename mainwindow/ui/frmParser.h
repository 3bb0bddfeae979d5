#pragma once
// The calculator window: a number or a formula typed into the box shows its value in decimal,
// hexadecimal, octal and binary. A plain number converts as it is typed; a formula waits for Enter.
#include <QDialog>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QFrame;
class clsParser;
class fxbutton;

class frmParser : public QDialog {
    Q_OBJECT
public:
    explicit frmParser(QWidget* owner);
    ~frmParser() override;

    QLineEdit* txtFormel;
    QLabel* lblDez;
    QLabel* lblHex;
    QLabel* lblOct;
    QLabel* lblBin;
    std::array<QLabel*, 4> Label2{};
    QFrame* Line1;
    fxbutton* cmdOK;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtFormel_Change();
    void Auswerten();
    void Leer_Anzeigen();
    clsParser& Parser();

    std::unique_ptr<clsParser> parser_;
};
