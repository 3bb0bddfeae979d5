#pragma once
// Pictures of the running program for the user's guide: the main window on each step of an
// evaluation of a generated spectrum, and the windows the guide describes.
#include <QString>

class RecordingSeam;

class Programmbilder {
public:
    // Writes NAME.png into ordner and the generated measurement into daten; sprache is the
    // language number of the language menu (0 German, 3 English). The program must be started.
    Programmbilder(QString ordner, QString daten, int sprache, RecordingSeam& seam);
    // Drives the main window through the evaluation and grabs every step; false when a step did
    // not come where it should (the picture would show something else).
    bool Auswertung();
    // The project settings, element table, options, simulation and MD windows, the automatic
    // transform and the image panel.
    bool Fenster();

private:
    void Bild(const QString& name, class QWidget* fenster = nullptr);
    bool Pruefen(bool bedingung, const char* was);
    // Opens the generated carbon spectrum as a raw-spectrum project, as the project settings' OK does;
    // with zweiteMessung the next file dialog answers a second measurement of the same sample.
    bool Projekt_Starten(bool zweiteMessung);
    // Writes the extensions of the files in the results folder, one a line, as ergebnisdateien.txt
    // beside the pictures: the files the program writes, which the guide's check compares with the
    // files the guide names.
    void Ergebnisdateien_Auflisten();

    QString ordner_;
    QString daten_;
    int sprache_;
    RecordingSeam& seam_;
    bool gut_ = true;
};
