#pragma once
// The choice of the curve section that replaces the folded curve: the left half, the right half or
// the mean of both (chosen when the window opens). OK replaces the curve and closes the window,
// accepted when the curve was replaced; closing the window by its frame leaves the curve as it is.
#include <QDialog>
#include <cstdint>

class fxbutton;

class frmMittel : public QDialog {
    Q_OBJECT
public:
    explicit frmMittel(QWidget* owner);

    // 0 left, 1 right, 2 both.
    int16_t Seite() const { return seite_; }

    fxbutton* optKurve[3];
    fxbutton* cmdOK;

private:
    void cmdOK_Click();

    int16_t seite_ = 2;
};
