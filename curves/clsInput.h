#pragma once
// The reader and writer of spectrum and curve files. Every reader resamples what it reads on an
// equidistant grid through its own smoothing spline; the result is read through Punkte, Delta_X,
// Y and CopyArray. Raw spectra also leave the measuring conditions of their header.
#include "core/Einheitenwahl.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class clsFileHandler;
class clsSpline;

class clsInput {
public:
    clsInput();
    ~clsInput();
    clsInput(const clsInput&) = delete;
    clsInput& operator=(const clsInput&) = delete;

    // First x of a spectrum, kept for the averaging of spectra; no reader touches it.
    float X_Start() const { return xStart_; }
    void setX_Start(float value) { xStart_ = value; }

    // The file extension of a curve kind, with its dot (".dat" for kinds without one of their own).
    static std::string ExtensionVonKurvenTyp(int32_t TypKurve);
    // The curve whose x values SpeichereKurve writes (its Quelle).
    static constexpr uint8_t kQuelleCalc = 0;  // the working curve
    static constexpr uint8_t kQuelleIK = 1;
    static constexpr uint8_t kQuelleGR = 2;
    // Writes the curve Y (points 1.. as elements 0..) as "x TAB y" lines to the project's results
    // folder under the project name and the kind's extension (Ergebnisdatei), when the kind's save
    // option is on, and logs the file; a Kopfzeile given goes before them. Quelle names the x
    // values; with another Quelle the file holds no pairs. A failed write is reported and not
    // logged. True when the file was written.
    bool SpeichereKurve(int32_t TypKurve, uint8_t Quelle, std::span<const float> Y, const std::string& Kopfzeile = {});
    // The first line of a file of a project's mean form factors: one word, which the curve reader
    // skips as a header and the form-factor table reader recognises.
    static constexpr const char* kKopfMischungsformfaktor = "Mischungsformfaktor_K[1/nm]";

    // Copies the resampled curve into ToArray[0..Punkte-1]; a target too short is reported.
    void CopyArray(std::span<float> ToArray) const;
    // Path of the last raw spectrum read.
    std::string Dateiname() const { return dateiname_; }
    // Reads the project's raw spectrum (for a project of digitised points: the points of the image
    // panel) and resamples it on its own mean spacing; an edited spectrum (Bearbeitet) on its grid. False when nothing usable was read; every
    // failure but a file that cannot be opened (which the file handler reports) is reported here.
    bool Spektrum_Oeffnen();
    // The same for the raw spectrum at pfad, whatever the project is; the project's names stay.
    // Still: a failure is stored in gError (its description says why) without any window, for a
    // caller that tells the user itself.
    bool Spektrum_Oeffnen(const std::string& pfad, bool Still = false);
    // Mean measuring time per point of the last raw spectrum, ms; 0 for an edited spectrum.
    float Statistik() const { return statistik_; }
    // The last spectrum read was an edited one: a ".elb" file of x y pairs, as the averaging of
    // spectra writes the working curve. Its x lie on the working curve's axis already (no x factor,
    // no shift) and its y are taken as they stand; Minimum_X and Maximum_X give its first and last x.
    bool Bearbeitet() const { return bearbeitet_; }
    // Reads the project's curve file (x y pairs) and resamples it on the step its project type
    // asks for; the K and r units of the project settings decide the step of I(K), G(r) and v(r)
    // curves, and ask the user when the K values do not fit the unit. False when nothing usable was
    // read (reported, as for Spektrum_Oeffnen).
    bool Datei_Oeffnen(Einheitenwahl einheiten = {});
    // Resampled value Index; 0 outside.
    float Y(int32_t Index) const;
    int32_t Punkte() const;
    float Delta_X() const;
    float Maximum_X() const { return maximumX_; }
    float Maximum_Y() const { return maximumY_; }
    float Minimum_Y() const { return minimumY_; }
    float Minimum_X() const { return minimumX_; }
    // Header texts of the last raw spectrum as shown to the user; a key missing in a new file
    // leaves the text of the earlier one.
    std::string Bemerkungen() const { return bemerkungen_; }
    std::string Temperatur() const { return temperatur_; }
    std::string U_Wehnelt() const { return uWehnelt_; }
    std::string U_Beschleunigung() const { return uBeschleunigung_; }
    std::string I_Em() const { return iEm_; }
    std::string I_Heiz() const { return iHeiz_; }
    // Reads a form-factor table (s in 1/Angstrom, f) and resamples f(K) with K = 4 pi s in 1/nm on
    // the K step, 10 points beyond the working curve. False when nothing usable was read: a named
    // file that cannot be used, among them a file of a project's mean form factors (K in 1/nm, same
    // extension), is told in one plain message with the reason, and nothing is left to report.
    bool FMK_Oeffnen(const std::string& Dateiname);
    // Mean y of the last curve file.
    float Mittelwert() const { return mittelwert_; }
    void setMittelwert(float value) { mittelwert_ = value; }

private:
    // Takes the measuring conditions a header line carries.
    void Kopfzeile_Auswerten(const std::string& line);
    // Reads the header and the rows of an open raw spectrum into the spline; false with a report
    // when it holds no data line or more rows than the spline takes.
    bool Rohdaten_Lesen(clsFileHandler& datei, const std::string& pfad);
    // The body of FMK_Oeffnen: false with the failure stored silently in gError, or with mischung
    // set for a file of mean form factors.
    bool FMK_Lesen(const std::string& Dateiname, bool& mischung);
    // Takes the points digitised in the image panel, extended to x = 0.
    bool Punkte_Oeffnen();
    // Fits the support points read from quelle; false with a report when there are too few or too
    // many of them, or the fit fails.
    bool Anpassen(const char* procedure, const std::string& quelle, float schritt, float schranke, int32_t anzahl);

    std::unique_ptr<clsSpline> spline_;
    float minimumY_ = 0.0f;
    float maximumY_ = 0.0f;
    float minimumX_ = 0.0f;
    float maximumX_ = 0.0f;
    float statistik_ = 0.0f;
    std::string dateiname_;
    std::string bemerkungen_;
    std::string temperatur_;
    std::string uWehnelt_;
    std::string uBeschleunigung_;
    std::string iEm_;
    std::string iHeiz_;
    float xStart_ = 0.0f;
    float mittelwert_ = 0.0f;
    bool bearbeitet_ = false;
    // The read running reports its failures without a window.
    bool still_ = false;
    // x of the first row taken by the last raw spectrum read.
    float ersteX_ = 0.0f;
};
