#include "core/clsParser.h"

#include "core/FormulaNumbers.h"
#include "core/Guarded.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// The constants as the evaluator writes them, the same in every locale.
constexpr const char* kPiText = "3.14159265358979";
constexpr const char* kEText = "2.71828182845905";
constexpr double kPi = 3.14159265358979;
constexpr const char* kDegreeSign = "\xC2\xB0";

// The run time's error for a nesting too deep to evaluate.
constexpr int32_t errOutOfStackSpace = 28;

bool Ist_Operator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '\\' || c == '^' || c == '!';
}

bool Ist_Vorzeichen(char c) { return c == '+' || c == '-'; }

std::string Kleinbuchstaben(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool Endet_Mit(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// An operator right after an "e" that follows a digit or letter belongs to the number (1.5e-3);
// after an "e" at the start or after an operator, the "e" is the constant.
bool Ist_Exponentenvorzeichen(const std::string& formula, size_t i)
{
    if (i < 2) return false;
    const char letter = formula[i - 1];
    return (letter == 'e' || letter == 'E') && !Ist_Operator(formula[i - 2]);
}

// The index of the ")" that closes the "(" at open, or npos when the group runs to the end.
size_t Schliessende_Klammer(const std::string& formula, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < formula.size(); ++i) {
        if (formula[i] == '(') ++depth;
        if (formula[i] == ')' && --depth == 0) return i;
    }
    return std::string::npos;
}

double Potenz(double base, double exponent)
{
    if (base == 0.0 && exponent < 0.0) rt::Raise(rt::errDivisionByZero);
    return formula::Checked(std::pow(base, exponent));
}

using formula::Glied;
using formula::Kette;
using Art = formula::Glied::Art;

Glied Fehlerglied(Art art, const rt::RuntimeError& fehler)
{
    Glied glied;
    glied.art = art;
    glied.fehlerNummer = fehler.Number();
    glied.fehlerText = fehler.Description();
    return glied;
}

[[noreturn]] void Fehler_Ausloesen(const Glied& glied) { throw rt::RuntimeError(glied.fehlerNummer, glied.fehlerText); }

// Cuts a function's argument text at every ";" that is not inside a nested bracket, so that a call
// may take another call with several arguments as one of its arguments.
std::vector<std::string> Argumente_Trennen(const std::string& arguments)
{
    std::vector<std::string> pieces(1);
    int depth = 0;
    for (const char c : arguments) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ';' && depth <= 0) {
            pieces.emplace_back();
            continue;
        }
        pieces.back() += c;
    }
    return pieces;
}

constexpr size_t kMaxArguments = 99;

}

std::string clsParser::Parse(const std::string& expression)
{
    return Guarded("clsParser", "Parse", [&] { return Parse_Ungeschuetzt(expression); });
}

std::string clsParser::Parse_Ungeschuetzt(const std::string& expression)
{
    return Berechnen_Ungeschuetzt(Uebersetzen_Ungeschuetzt(expression));
}

Kette clsParser::Uebersetzen_Ungeschuetzt(const std::string& expression) const
{
    std::string formula = expression;
    formula.erase(std::remove(formula.begin(), formula.end(), ' '), formula.end());
    return Zerlegen(formula, 1);
}

std::string clsParser::Berechnen_Ungeschuetzt(const Kette& formel)
{
    lastResult_ = 0.0;
    aufrufFehler_ = false;
    hexFlag_ = false;
    binFlag_ = false;
    werte_.clear();
    lastResult_ = Evaluate(formel);
    if (hexFlag_) return "0x" + formula::HexDigits(rt::CLng(lastResult_));
    if (binFlag_) return CBin(lastResult_);
    return formula::ValueText(lastResult_);
}

std::string clsParser::FormatLastResult(const std::string& Typ) const
{
    if (Typ == "Scientific") return ScientificText(lastResult_);
    if (Typ == "Standard") return formula::ValueText(lastResult_);
    return "";
}

void clsParser::SetVariable(const std::string& name, double value)
{
    formula::Variablenwert& variable = variables_[Kleinbuchstaben(name)];
    variable.wert = value;
    // A value that is no number raises its error where the formula takes it.
    variable.getragen = std::isfinite(value) ? formula::Carry(value) : value;
}

// One level of a formula: groups and calls are found as the text is read from the left, operands
// end at the next operator. tiefe counts the levels down to this one.
Kette clsParser::Zerlegen(const std::string& formula, int tiefe) const
{
    Kette kette;
    if (tiefe > kMaxDepth) {
        kette.zuTief = true;
        return kette;
    }
    std::vector<Glied>& glieder = kette.glieder;
    const auto operand = [&](const std::string& text) {
        if (!text.empty()) glieder.push_back(Operand(text));
    };
    size_t start = 0;
    size_t i = 0;
    while (i < formula.size()) {
        const char c = formula[i];
        if (c == '(') {
            const size_t close = Schliessende_Klammer(formula, i);
            const size_t end = close == std::string::npos ? formula.size() : close;
            const bool isCall = i > 0 && !Ist_Operator(formula[i - 1]);
            glieder.push_back(
                Klammer(formula.substr(start, i - start), isCall, formula.substr(i + 1, end - i - 1), tiefe));
            i = close == std::string::npos ? formula.size() : close + 1;
            start = i;
            continue;
        }
        // An operator at the very start is the sign of the first operand.
        if (Ist_Operator(c) && i > 0 && !Ist_Exponentenvorzeichen(formula, i)) {
            operand(formula.substr(start, i - start));
            Glied op;
            op.art = Art::Operator;
            op.op = c;
            glieder.push_back(op);
            start = i + 1;
        }
        ++i;
    }
    operand(formula.substr(start));
    return kette;
}

// A bound variable named by text (a whole operand, with a sign in front or not); nullptr for any
// other text. pi and e are never variables.
const formula::Variablenwert* clsParser::Variable(const std::string& text, bool& negativ) const
{
    if (text.empty()) return nullptr;
    const bool signed_ = Ist_Vorzeichen(text[0]);
    const std::string name = Kleinbuchstaben(signed_ ? text.substr(1) : text);
    if (name == "pi" || name == "e") return nullptr;
    const auto variable = variables_.find(name);
    if (variable == variables_.end()) return nullptr;
    negativ = signed_ && text[0] == '-';
    return &variable->second;
}

// An operand: a bound variable, a bound variable in degrees, or a number (or the error its text
// raises when it is taken).
Glied clsParser::Operand(const std::string& text) const
{
    Glied glied;
    if ((glied.variable = Variable(text, glied.negativ))) {
        glied.art = Art::Variable;
        return glied;
    }
    // The suffixes h, b and o come before degrees; "°" ends in a byte that is none of them.
    const std::string grad = kDegreeSign;
    if (Endet_Mit(text, grad) && (glied.variable = Variable(text.substr(0, text.size() - grad.size()), glied.negativ))) {
        glied.art = Art::GradVariable;
        return glied;
    }
    try {
        glied.wert = ConvertNumber_Ungeschuetzt(ReplaceConstant(text));
    } catch (const rt::RuntimeError& fehler) {
        return Fehlerglied(Art::Zahl, fehler);
    }
    return glied;
}

// A bracketed group or, when isCall, the call of the function named by prefix. A sign in front
// (only possible at the start of a formula) applies to the value.
Glied clsParser::Klammer(const std::string& prefix, bool isCall, const std::string& inner, int tiefe) const
{
    Glied glied;
    const std::string name = !prefix.empty() && Ist_Vorzeichen(prefix[0]) ? prefix.substr(1) : prefix;
    if (!isCall && !name.empty()) return Fehlerglied(Art::Fehler, rt::RuntimeError(rt::errTypeMismatch));
    glied.negativ = !prefix.empty() && prefix[0] == '-';
    if (!isCall) {
        glied.art = Art::Gruppe;
        glied.teile.push_back(Zerlegen(inner, tiefe + 1));
        return glied;
    }
    glied.art = Art::Aufruf;
    glied.name = name;
    glied.funktion = Funktionsnummer(Kleinbuchstaben(name));
    const std::vector<std::string> pieces = Argumente_Trennen(inner);
    glied.zuVieleArgumente = pieces.size() > kMaxArguments;
    if (!glied.zuVieleArgumente)
        for (const std::string& piece : pieces) glied.teile.push_back(Zerlegen(piece, tiefe + 1));
    return glied;
}

// Groups and calls first, from the left, as the text is read; then the three passes. Each value
// is rounded to 15 digits as carrying it as text rounds it.
double clsParser::Evaluate(const Kette& kette)
{
    if (kette.zuTief) throw rt::RuntimeError(errOutOfStackSpace, "Out of stack space");
    const std::vector<Glied>& glieder = kette.glieder;
    if (glieder.empty()) return 0.0;
    const size_t basis = werte_.size();
    werte_.resize(basis + glieder.size());
    for (size_t k = 0; k < glieder.size(); ++k) {
        const Glied& glied = glieder[k];
        double wert = 0.0;
        switch (glied.art) {
        case Art::Fehler: Fehler_Ausloesen(glied);
        case Art::Variable: formula::Checked(glied.variable->wert); continue;
        case Art::Gruppe: wert = Evaluate(glied.teile[0]); break;
        case Art::Aufruf: wert = CallFunction(glied); break;
        default: continue;
        }
        // The value is carried already: its negative is too, but a zero has no sign in its text.
        werte_[basis + k] = glied.negativ && wert != 0.0 ? -wert : wert;
    }
    // Every operation carries its result; a lone operand is carried here.
    const double wert = Reduzieren(glieder, basis);
    werte_.resize(basis);
    return glieder.size() == 1 ? formula::Carry(wert) : wert;
}

// The operand at k (which then moves past it); an operator or the end of the list where an operand
// belongs is a formula that cannot be computed.
double clsParser::Operand_Nehmen(const std::vector<Glied>& glieder, size_t basis, size_t& k) const
{
    if (k >= glieder.size() || glieder[k].art == Art::Operator) rt::Raise(rt::errTypeMismatch);
    const Glied& glied = glieder[k++];
    switch (glied.art) {
    case Art::Zahl:
        if (glied.fehlerNummer != 0) Fehler_Ausloesen(glied);
        return glied.wert;
    case Art::Variable: return glied.negativ ? -glied.variable->getragen : glied.variable->getragen;
    case Art::GradVariable: {
        const double wert = formula::Checked(glied.variable->getragen);
        return formula::Checked((glied.negativ ? -wert : wert) * kPi / 180.0);
    }
    default: return werte_[basis + k - 1];
    }
}

double clsParser::Reduzieren(const std::vector<Glied>& glieder, size_t basis)
{
    using formula::Carry;
    // Pass one: powers and factorials; the rest is passed on as values and operators.
    passWerte_.clear();
    passOps_.clear();
    size_t k = 0;
    double running = Operand_Nehmen(glieder, basis, k);
    while (k < glieder.size()) {
        if (glieder[k].art != Art::Operator) rt::Raise(rt::errTypeMismatch);
        const char op = glieder[k++].op;
        if (op == '^') {
            running = Carry(Potenz(running, Operand_Nehmen(glieder, basis, k)));
        } else if (op == '!') {
            running = Carry(Factorial(running));
        } else {
            passWerte_.push_back(running);
            passOps_.push_back(op);
            running = Operand_Nehmen(glieder, basis, k);
        }
    }
    passWerte_.push_back(running);

    // Pass two: products, quotients and integer quotients.
    summen_.assign(1, passWerte_[0]);
    summenOps_.clear();
    for (size_t j = 0; j < passOps_.size(); ++j) {
        const double next = passWerte_[j + 1];
        double& current = summen_.back();
        switch (passOps_[j]) {
        case '*': current = Carry(current * next); break;
        case '/': current = Carry(rt::Divide(current, next)); break;
        case '\\':
            current = Carry(std::trunc(rt::Divide(rt::RoundHalfEven(current), rt::RoundHalfEven(next))));
            break;
        default:
            summen_.push_back(next);
            summenOps_.push_back(passOps_[j]);
        }
    }

    // Pass three: sums and differences.
    double result = summen_[0];
    for (size_t j = 0; j < summenOps_.size(); ++j)
        result = Carry(summenOps_[j] == '+' ? result + summen_[j + 1] : result - summen_[j + 1]);
    return result;
}

// The factorial of the whole part of x (1 below 2); a result beyond the double range overflows.
double clsParser::Factorial(double x)
{
    double product = 1.0;
    for (double k = 2.0; k <= x; ++k) {
        product *= k;
        if (std::isinf(product)) rt::Raise(rt::errOverflow);
    }
    return product;
}

// pi, e and the bound variables by their value text, with a leading sign; other text unchanged.
std::string clsParser::ReplaceConstant(const std::string& text) const
{
    const bool signed_ = Ist_Vorzeichen(text[0]);
    const std::string name = Kleinbuchstaben(signed_ ? text.substr(1) : text);
    const std::string sign = signed_ && text[0] == '-' ? "-" : "";
    if (name == "pi") return sign + kPiText;
    if (name == "e") return sign + kEText;
    const auto variable = variables_.find(name);
    if (variable == variables_.end()) return text;
    return formula::ValueText(sign.empty() ? variable->second.wert : -variable->second.wert);
}

double clsParser::ConvertNumber(const std::string& text) const
{
    return Guarded("clsParser", "ConvertNumber", [&] { return ConvertNumber_Ungeschuetzt(text); });
}

double clsParser::ConvertNumber_Ungeschuetzt(const std::string& text) const
{
    if (text.empty()) rt::Raise(rt::errTypeMismatch);
    const std::string digits = text.substr(0, text.size() - 1);
    switch (text.back()) {
    case 'h': return formula::ReadNumber(ConvertBase(digits, 16, 10));
    case 'b': return formula::ReadNumber(ConvertBase(digits, 2, 10));
    case 'o': return formula::ReadNumber(ConvertBase(digits, 8, 10));
    default: break;
    }
    if (Endet_Mit(text, kDegreeSign)) {
        const std::string degrees = text.substr(0, text.size() - std::string(kDegreeSign).size());
        if (degrees.empty()) rt::Raise(rt::errTypeMismatch);
        return formula::Checked(formula::ReadNumber(ReplaceConstant(degrees)) * kPi / 180.0);
    }
    return formula::ReadNumber(text);
}
