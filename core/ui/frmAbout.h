#pragma once
// The about window: the program's version, build date, system, memory and image library.
#include <QDialog>

class QLabel;
class fxbutton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    QLabel* Picture1;
    QLabel* Label1;  // the program's full title
    QLabel* Label5;  // the maker
    QLabel* Label7;  // the version
    QLabel* Label3;  // build date, code lines and operating system
    QLabel* Label2;  // drawing engine
    QLabel* Label6;  // image library
    QLabel* lblRam;
    QLabel* Label4;  // legal notice
    QLabel* lblNet[2];  // links: the maker's mail address and the image library's web page
    fxbutton* Command1;
    fxbutton* cmdUpdate;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void cmdUpdate_Click();
};
