#pragma once
// The formula evaluator: a line of numbers (decimal, or with a base suffix h, b, o, or in degrees
// with °), the constants pi and e, bracketed groups, function calls and the operators
// + - * / \ ^ !, reduced left to right in three passes (^ and ! first, then * / \, then + -).
// Intermediate values keep 15 significant digits, as carrying them as the run time's text of a
// double does; operands are read with a decimal point or comma alike. A formula is cut into its
// parts once and then computed, so that a curve conversion reads it once for all its points.
//
// Errors of the formula itself end Parse and are reported through gError (module "clsParser"); the
// calculator window and the curve conversions take the forms that let them pass instead. Errors
// inside a function call are shown in a message box titled "Formelparser" and the call counts as 0;
// in a curve conversion they end the conversion like any other error.
#include "core/Formelteile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class clsParser {
    // They keep what they showed, or the curve as it was, when a formula fails.
    friend class frmParser;
    friend class FormulaValues;

public:
    // Evaluates a formula (blanks are ignored). Returns the run time's text of the result, or
    // "0x" and hexadecimal digits when the formula called hex, or binary digits when it called bin;
    // "" when the formula fails.
    std::string Parse(const std::string& expression);

    // "Scientific": the last result as 1.23E+03; "Standard": its plain text; anything else "".
    std::string FormatLastResult(const std::string& Typ) const;

    // Line Index (0..37) of the help table of functions and operators; "" for any other Index.
    static std::string FunctionName(int32_t Index);
    static int32_t FunctionCount();

    // The value of one operand text, by its last character: "h" hexadecimal, "b" binary, "o" octal
    // digits, "°" degrees (converted to radians), else a decimal number or an "&H" literal.
    // Text that is no number is reported as "Type mismatch" and gives 0.
    double ConvertNumber(const std::string& text) const;

    // Base display of a whole number: "FFh", "17o", "101"; "---" for a negative, fractional or
    // unreadable number.
    std::string CHex(const std::string& Zahl) const;
    std::string CHex(double Zahl) const;
    std::string COct(const std::string& Zahl) const;
    std::string COct(double Zahl) const;
    std::string CBin(const std::string& Zahl) const;
    std::string CBin(double Zahl) const;
    // Binary digits in groups of four with the suffix "b": "11111" gives "0001 1111b".
    static std::string FormatBin(const std::string& binwert);

    // Binds a name (a whole operand, either letter case, as "y" in "2*y") to a value for the
    // following Parse calls, so that a curve's values enter a formula without being pasted into it.
    void SetVariable(const std::string& name, double value);

    // The deepest nesting of groups and calls that a formula may have.
    static constexpr int kMaxDepth = 100;

private:
    // Parse and ConvertNumber, letting the run-time error pass to the caller.
    std::string Parse_Ungeschuetzt(const std::string& expression);
    double ConvertNumber_Ungeschuetzt(const std::string& text) const;
    // Parse in two steps, so that a formula computed for many values is read once: the formula cut
    // into its parts (variables bound before are known by name), then computed for the variables'
    // values as they are now.
    formula::Kette Uebersetzen_Ungeschuetzt(const std::string& expression) const;
    std::string Berechnen_Ungeschuetzt(const formula::Kette& formel);

    formula::Kette Zerlegen(const std::string& formula, int tiefe) const;
    formula::Glied Operand(const std::string& text) const;
    formula::Glied Klammer(const std::string& prefix, bool isCall, const std::string& inner, int tiefe) const;
    const formula::Variablenwert* Variable(const std::string& text, bool& negativ) const;
    // The value of a level as its text carries it.
    double Evaluate(const formula::Kette& kette);
    double Reduzieren(const std::vector<formula::Glied>& glieder, size_t basis);
    double Operand_Nehmen(const std::vector<formula::Glied>& glieder, size_t basis, size_t& k) const;
    static double Factorial(double x);
    std::string ReplaceConstant(const std::string& text) const;
    // A call: a function that fails shows its message and counts 0, or, in a curve conversion,
    // raises its error.
    double CallFunction(const formula::Glied& aufruf);
    double Funktion_Berechnen(const formula::Glied& aufruf);
    // The place of a function in the table by its lower-case name; -1 for an unknown one.
    static int32_t Funktionsnummer(const std::string& lowerName);
    double Funktion_Berechnen(int32_t nummer, double x, double y);
    static std::string ConvertBase(const std::string& digits, int from, int to);
    std::string Basistext(const std::string& Zahl, int base) const;

    double lastResult_ = 0.0;
    // A function call of the last Parse failed and counted as 0 (its message was shown).
    bool aufrufFehler_ = false;
    bool hexFlag_ = false;
    bool binFlag_ = false;
    std::map<std::string, formula::Variablenwert> variables_;
    // The values of the groups and calls of the levels being computed, a level's after its caller's.
    std::vector<double> werte_;
    // The passes of Reduzieren, kept so that computing a formula for many points allocates nothing.
    std::vector<double> passWerte_;
    std::vector<char> passOps_;
    std::vector<double> summen_;
    std::vector<char> summenOps_;
    // Set by the curve conversions: a failed function call ends the formula as a run-time error
    // instead of a message box per point and a 0 in its place.
    bool aufrufFehlerWerfen_ = false;
};
