#pragma once
// "Untergrund" is German for background.
// The background U(K) under the averaged spectrum J(K): support points that the user places, kept
// sorted by K, and a smoothing-spline fit through them on the grid of the working curve, so that
// U(i) lies under J(i). Also the background implied by a finished I(K), and the background files
// ".ug" (fit), ".ugs" (support points) and ".ugf" (their uncertainties).
#include "curves/clsSpline.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class clsUntergrund {
public:
    // Multiplies every support value by e^v, or adds v to it, and fits again.
    void Add_Ln(float v);
    void Add_Norm(float v);
    // Copies the fitted background into ToArray while the fit is valid.
    void CopyArray(std::span<float> ToArray) const;
    // Deletes the support point found by the last IstPunkt, the first one too; once.
    void Loesche_Punkt_Index();
    // How smooth the fit is, in per cent (100 for a straight line); not a number without a fit.
    float Glattheit() const;
    // Whether a support point lies within 2 % of x; remembers it in Index.
    bool IstPunkt(float x);
    // The support point found by the last IstPunkt (1-based), -1 for none.
    int32_t Index() const { return index_; }
    // The support point deleted last.
    float X_D() const { return xD_; }
    float Y_D() const { return yD_; }
    // The smallest and largest support value at the last fit of four or more points.
    float Minimum() const { return minimum_; }
    float Maximum() const { return maximum_; }
    // Removes every support point and the fit.
    void Clear();
    // Deletes the support point nearest to x among the two around it; nothing left of the first.
    void Loesche_Punkt(float x);
    // Writes the files whose save options are on (the fitted background only when there is one)
    // and logs them with the number of support points, when a file was written.
    void Speichern() const;
    // Appends a support point and fits again.
    void Plus_Punkt(float x, float Y);
    // Points of the fitted background; 0 while there are three support points or fewer.
    int32_t Anzahl_Fit() const;
    int32_t Anzahl() const { return static_cast<int32_t>(ux_.size()); }
    // The fitted background and its K at point Index; 0 beyond the fit.
    float Y(int32_t Index) const { return spline_.Fit_Y(Index); }
    float x(int32_t Index) const { return spline_.Fit_X(Index); }
    // Support point Index (1..Anzahl).
    float UX(int32_t Index) const;
    float UY(int32_t Index) const;
    // Replaces the support points by those of a ".ugs" file, up to the end of the working curve,
    // and fits. A file that cannot be opened, is refused (size, line length) or gives no point
    // changes nothing; the last is told with the file's name.
    void Untergrund_Einlesen(const std::string& Filename);
    // The background that the current I(K) implies with the experimental density.
    void Untergrund_Endberechnen();
    // The same background without the log line: a preview shows it as often as it is redrawn.
    void Untergrund_Endberechnen_Still();
    bool Fit_OK() const { return fitOK_; }
    float UGE(int32_t Index) const;
    // Points of the implied background; 0 before it is computed.
    int32_t Punkte_UGE() const { return static_cast<int32_t>(uge_.size()); }

private:
    bool UG_Fitten();
    // Deletes support point weg (0-based), remembers it as the one deleted last and fits again.
    void Loeschen(size_t weg);
    // The points of the open support-point file, up to the end of the working curve; false when
    // the file was refused (told).
    static bool Punkte_Lesen(const std::string& Filename, std::vector<float>& ux, std::vector<float>& uy);
    // Writes the result file of x TAB y lines with that extension, each number by text; its path,
    // or "" when not written.
    static std::string Schreibe(const std::string& extension, const std::vector<float>& x,
                                const std::vector<float>& y, std::string (*text)(float));

    std::vector<float> ux_, uy_;
    clsSpline spline_;
    bool fitOK_ = false;
    float minimum_ = 0.0f;
    float maximum_ = 0.0f;
    float xD_ = 0.0f;
    float yD_ = 0.0f;
    int32_t index_ = -1;
    float gefundenX_ = 0.0f;
    std::vector<float> uge_;
};
