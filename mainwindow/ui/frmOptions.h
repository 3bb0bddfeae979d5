#pragma once
// The options window: the calculation, saving, x-axis, form-factor-folder and program settings on
// five pages, one visible at a time. Every check box, combo box and option button writes its
// setting the moment the user changes it; the real-space range and the language wait for OK.
// There is no Cancel: closing by the frame keeps what was already written.
#include <QDialog>
#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;
class fxbutton;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSeiten = 5;
    explicit frmOptions(QWidget* owner);

    // Shows page p with its heading; nothing when p is already shown.
    void cmdSeite_Click(int p);
    int Sichtbare_Seite() const { return seite_; }
    // Stores the range (when edited and valid) and the language, and closes.
    void cmdOK_Click();

    std::array<fxbutton*, kSeiten> cmdSeite{};
    QLabel* lblUeberschrift;
    QStackedWidget* fraSeiten;
    fxbutton* cmdOK;
    // Page 0: calculations.
    QCheckBox* chkHamming;
    QCheckBox* chkFFT;
    QComboBox* cmdFFTBits;
    QLabel* lblPunkte;
    QCheckBox* Check1;  // damp the truncation point
    QComboBox* cmbOrdnung;
    QCheckBox* chkK;
    QCheckBox* Check2;
    std::array<QComboBox*, 3> cmbParabel{};
    QLineEdit* txtMaxR;
    std::array<QRadioButton*, 2> optEinheit{};
    // Page 1: the save option of each curve kind shown, by curve kind.
    std::map<int, QCheckBox*> chkSave;
    // Page 2: x-axis conversions.
    QListWidget* List1;
    QLineEdit* txtXName;
    QLineEdit* txtXFaktor;
    fxbutton* cmdXAchseNeu;
    fxbutton* cmdXAchseLoeschen;
    // Page 3: form-factor folders.
    QPlainTextEdit* txtOrdner;
    QLabel* lblFMKAnzahl;
    // Page 4: program.
    QComboBox* cmbLang;
    QComboBox* cmbStyle;
    std::array<QCheckBox*, 2> chkUpdate{};

private:
    QWidget* Seite_Berechnungen();
    QWidget* Seite_Speichern();
    QWidget* Seite_XAchse();
    QWidget* Seite_Formfaktoren();
    QWidget* Seite_Programm();
    // Puts the settings into the controls; no setting is written.
    void Werte_Laden();
    // Binds each control to its setting; called after loading, so that loading writes nothing.
    void Verbinden();
    void Punkte_Anzeigen();
    void FFT_Bits_Waehlen(int bits);

    int seite_ = 0;
    bool maxREditiert_ = false;
};
