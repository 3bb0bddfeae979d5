#pragma once
// The processing-log window: the lines recorded while logging is on, one list item each. It lives
// hidden from start-up to the end and keeps its lines when it is hidden.
#include <QDialog>
#include <memory>

class QListWidget;
class fxbutton;
class clsFileHandler;

class frmRecord : public QDialog {
    Q_OBJECT
public:
    explicit frmRecord(QWidget* owner);
    ~frmRecord() override;

    // Writes the lines to Ordner & Dateiname & ".rex" of the current project.
    void Speichern();
    // The title in the language in force.
    void SpracheUmstellen();

    QListWidget* List1;
    fxbutton* cmdOK;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<clsFileHandler> fileHandler_;
};
