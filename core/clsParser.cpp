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

// Keeps the nesting depth of Evaluate, also when an error leaves it.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth)
    {
        if (++depth_ > clsParser::kMaxDepth) {
            --depth_;
            throw rt::RuntimeError(errOutOfStackSpace, "Out of stack space");
        }
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}

std::string clsParser::Parse(const std::string& expression)
{
    return Guarded("clsParser", "Parse", [&] { return Parse_Ungeschuetzt(expression); });
}

std::string clsParser::Parse_Ungeschuetzt(const std::string& expression)
{
    lastResult_ = 0.0;
    aufrufFehler_ = false;
    hexFlag_ = false;
    binFlag_ = false;
    std::string formula = expression;
    formula.erase(std::remove(formula.begin(), formula.end(), ' '), formula.end());
    lastResult_ = formula::ReadNumber(Evaluate(formula));
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

void clsParser::SetVariable(const std::string& name, double value) { variables_[Kleinbuchstaben(name)] = value; }

std::string clsParser::Evaluate(const std::string& formula)
{
    DepthGuard guard(depth_);
    if (formula.empty()) return "0";
    std::vector<Item> items;
    size_t start = 0;
    size_t i = 0;
    while (i < formula.size()) {
        const char c = formula[i];
        if (c == '(') {
            const size_t close = Schliessende_Klammer(formula, i);
            const size_t end = close == std::string::npos ? formula.size() : close;
            const bool isCall = i > 0 && !Ist_Operator(formula[i - 1]);
            const std::string value =
                Klammer_Auswerten(formula.substr(start, i - start), isCall, formula.substr(i + 1, end - i - 1));
            items.push_back({false, 0, value});
            i = close == std::string::npos ? formula.size() : close + 1;
            start = i;
            continue;
        }
        // An operator at the very start is the sign of the first operand.
        if (Ist_Operator(c) && i > 0 && !Ist_Exponentenvorzeichen(formula, i)) {
            Operand_Anhaengen(items, formula.substr(start, i - start));
            items.push_back({true, c, std::string(1, c)});
            start = i + 1;
        }
        ++i;
    }
    Operand_Anhaengen(items, formula.substr(start));
    return Reduzieren(items);
}

// The value of a bracketed group or, when isCall, of the call of the function named by prefix. A
// sign in front (only possible at the start of a formula) applies to the value.
std::string clsParser::Klammer_Auswerten(const std::string& prefix, bool isCall, const std::string& inner)
{
    const bool negative = !prefix.empty() && prefix[0] == '-';
    const std::string name = !prefix.empty() && Ist_Vorzeichen(prefix[0]) ? prefix.substr(1) : prefix;
    if (!isCall && !name.empty()) rt::Raise(rt::errTypeMismatch);
    const std::string value = !isCall ? Evaluate(inner)
                              : aufrufFehlerWerfen_ ? Funktion_Aufrufen(name, inner)
                                                    : CallFunction(name, inner);
    if (!negative) return value;
    return formula::ValueText(-ConvertNumber_Ungeschuetzt(value));
}

void clsParser::Operand_Anhaengen(std::vector<Item>& items, const std::string& text) const
{
    if (!text.empty()) items.push_back({false, 0, ReplaceConstant(text)});
}

// The operand at k (which then moves past it); an operator or the end of the list where an operand
// belongs is a formula that cannot be computed.
double clsParser::Operand_Nehmen(const std::vector<Item>& items, size_t& k) const
{
    if (k >= items.size() || items[k].isOperator) rt::Raise(rt::errTypeMismatch);
    return ConvertNumber_Ungeschuetzt(items[k++].text);
}

std::string clsParser::Reduzieren(const std::vector<Item>& items) const
{
    using formula::Carry;
    // Pass one: powers and factorials; the rest is passed on as values and operators.
    std::vector<double> values;
    std::vector<char> ops;
    size_t k = 0;
    double running = Operand_Nehmen(items, k);
    while (k < items.size()) {
        if (!items[k].isOperator) rt::Raise(rt::errTypeMismatch);
        const char op = items[k++].op;
        if (op == '^') {
            running = Carry(Potenz(running, Operand_Nehmen(items, k)));
        } else if (op == '!') {
            running = Carry(Factorial(running));
        } else {
            values.push_back(running);
            ops.push_back(op);
            running = Operand_Nehmen(items, k);
        }
    }
    values.push_back(running);

    // Pass two: products, quotients and integer quotients.
    std::vector<double> sums{values[0]};
    std::vector<char> sumOps;
    for (size_t j = 0; j < ops.size(); ++j) {
        const double next = values[j + 1];
        double& current = sums.back();
        switch (ops[j]) {
        case '*': current = Carry(current * next); break;
        case '/': current = Carry(rt::Divide(current, next)); break;
        case '\\':
            current = Carry(std::trunc(rt::Divide(rt::RoundHalfEven(current), rt::RoundHalfEven(next))));
            break;
        default:
            sums.push_back(next);
            sumOps.push_back(ops[j]);
        }
    }

    // Pass three: sums and differences.
    double result = sums[0];
    for (size_t j = 0; j < sumOps.size(); ++j)
        result = Carry(sumOps[j] == '+' ? result + sums[j + 1] : result - sums[j + 1]);
    return formula::ValueText(result);
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
    return formula::ValueText(sign.empty() ? variable->second : -variable->second);
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
