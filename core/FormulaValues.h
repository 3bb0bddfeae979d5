#pragma once
// Curve values recomputed by a formula, the shared step of every "values by formula" conversion.
#include <exception>
#include <string>
#include <vector>

// The formula applied to each value: y stands for the value and, when xs is given (one x per
// value), x for its x; both are whole operands in either letter case ("2*y", "exp(x)"). Each value
// enters as the run time's seven-digit text of the Single would show it. All values are computed
// before any is returned, so a formula that fails at one point leaves the caller's curve as it was:
// the first failure is reported and gives no values. A result that is no number (a hexadecimal
// result) gives Kein_Wert.
std::vector<float> ValuesByFormula(const std::string& Formel, const std::vector<float>& ys,
                                   const std::vector<float>& xs = {});

// The throwing form, for the curves' conversions that report a failure under their own name.
class FormulaValues {
    friend class clsCalc;
    friend class clsGR;
    friend class clsIK;
    friend std::vector<float> ValuesByFormula(const std::string& Formel, const std::vector<float>& ys,
                                              const std::vector<float>& xs);

    static std::vector<float> ValuesByFormula_Ungeschuetzt(const std::string& Formel, const std::vector<float>& ys,
                                                           const std::vector<float>& xs = {});

    // Points [von, bis) of a curve, computed on one thread.
    struct Teil {
        size_t von = 0;
        size_t bis = 0;
        std::vector<float> werte;
        std::exception_ptr fehler;
    };
    // Below this many points a part is not worth a thread of its own.
    static constexpr size_t kPunkteJeTeil = 500;
    static void Teil_Berechnen(const std::string& Formel, const std::vector<float>& ys, const std::vector<float>& xs,
                               Teil& teil);
};
