#pragma once
// The formula evaluator: a line of numbers (decimal, or with a base suffix h, b, o, or in degrees
// with °), the constants pi and e, bracketed groups, function calls and the operators
// + - * / \ ^ !, reduced left to right in three passes (^ and ! first, then * / \, then + -).
// Intermediate values are carried as the run time's 15-digit text of a double, with a decimal
// point whatever the locale; operands are read with a decimal point or comma alike.
//
// Errors of the formula itself end Parse and are reported through gError (module "clsParser"); the
// calculator window and the curve conversions take the forms that let them pass instead. Errors
// inside a function call are shown in a message box titled "Formelparser" and the call counts as 0;
// in a curve conversion they end the conversion like any other error.
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

    struct Item {
        bool isOperator;
        char op;
        std::string text;
    };

    std::string Evaluate(const std::string& formula);
    std::string Klammer_Auswerten(const std::string& prefix, bool isCall, const std::string& inner);
    void Operand_Anhaengen(std::vector<Item>& items, const std::string& text) const;
    std::string Reduzieren(const std::vector<Item>& items) const;
    double Operand_Nehmen(const std::vector<Item>& items, size_t& k) const;
    static double Factorial(double x);
    std::string ReplaceConstant(const std::string& text) const;
    std::string CallFunction(const std::string& name, const std::string& arguments);
    // A call in a curve conversion: a function that is unknown or fails raises its error.
    std::string Funktion_Aufrufen(const std::string& name, const std::string& arguments);
    std::string Funktion_Berechnen(const std::string& lowerName, const std::vector<double>& args);
    std::vector<double> Argumente_Auswerten(const std::string& arguments);
    static std::string ConvertBase(const std::string& digits, int from, int to);
    std::string Basistext(const std::string& Zahl, int base) const;

    double lastResult_ = 0.0;
    // A function call of the last Parse failed and counted as 0 (its message was shown).
    bool aufrufFehler_ = false;
    bool hexFlag_ = false;
    bool binFlag_ = false;
    int depth_ = 0;
    std::map<std::string, double> variables_;
    // Set by the curve conversions: a failed function call ends the formula as a run-time error
    // instead of a message box per point and a 0 in its place.
    bool aufrufFehlerWerfen_ = false;
};
