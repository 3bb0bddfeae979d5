// The named functions of formulas, their messages and the help table.
#include "core/clsParser.h"

#include "core/FormulaNumbers.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace {

constexpr const char* kTitle = "Formelparser";
constexpr double kPi = 3.14159265358979;
constexpr size_t kMaxArguments = 99;

using formula::Checked;

double Ln(double x)
{
    if (!(x > 0.0)) rt::Raise(rt::errInvalidCall);
    return std::log(x);
}

double Wurzel(double x)
{
    if (x < 0.0) rt::Raise(rt::errInvalidCall);
    return std::sqrt(x);
}

double Exp(double x) { return Checked(std::exp(x)); }

double Potenz(double base, double exponent)
{
    if (base == 0.0 && exponent < 0.0) rt::Raise(rt::errDivisionByZero);
    return Checked(std::pow(base, exponent));
}

double Quadrat(double x) { return Checked(x * x); }

double Teilen(double a, double b) { return rt::Divide(Checked(a), Checked(b)); }

// The remainder of the rounded arguments, with the sign of x.
std::string Modulo(double x, double y)
{
    const int64_t a = rt::CLng(x);
    const int64_t b = rt::CLng(y);
    if (b == 0) rt::Raise(rt::errDivisionByZero);
    return std::to_string(a % b);
}

double Gerundet(double x, double decimals) { return Runden(x, rt::CInt(decimals)); }

std::string Kleinbuchstaben(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Cuts at every ";" that is not inside a nested bracket, so that a call may take another
// call with several arguments as one of its arguments.
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

constexpr std::array<const char*, 38> kHelp = {
    "Ln(x) - natürlicher Logarithmus von x",
    "Sin(x) - Sinus von x (x in rad)",
    "Cos(x) - Cosinus von x (x in rad)",
    "Atan(x) - Arkustangens von x",
    "Abs(x) - Absolutwert von x",
    "Sqrt(x) - Quadratwurzel von x",
    "Log(x;y) - Logarithums von x zur Basis y",
    "Lg(x) - dekadischer Logarithmus von x",
    "Ld(x) - binärer Logarithmus von x",
    "Exp(x) - Exponentialfunktion von x",
    "Tan(x) - Tangens von x (x in rad)",
    "Root3(x) - dritte Wurzel von x",
    "Root(x;y) - y. Wurzel von x",
    "Pow(x;y) - x hoch y",
    "Deg(x)",
    "Rad(x)",
    "Pow2(x) - 2 hoch x",
    "Arcsin(x) - Arkussinus von x",
    "Sinh(x) - Sinushyperbolicus von x (x in rad)",
    "Arccos(x) - Arkuscosinus von x",
    "Cosh(x) - Cosinushyperbolicus von x (x in rad)",
    "Tanh(x) - Tangenshyperbolicus von x",
    "Cot(x) - Cotangens von x (x in rad)",
    "Coth(x) - Cotangenshyperbolicus von x",
    "Arsinh(x) - Arkussinushyperbolicus von x",
    "Arcosh(x) - Arkuscosinushyperbolicus von x",
    "Artanh(x) - Arkustangenshyperbolicus von x",
    "Arcoth(x) - Arkuscotangenshyperbolicus von x",
    "Hex(x) - Hexadezimalwert von x",
    "Bin(x) - Binärwert von x",
    "Mod(x;y) - x Modulo y",
    "Round(x;y) - x runden auf y Nachkommastellen",
    "+ - Summe",
    "- - Differenz",
    "* - Produkt",
    "/ - Division",
    "\\ - ganzzahlige Division",
    "! - Fakultät",
};

}

std::string clsParser::FunctionName(int32_t Index)
{
    if (Index < 0 || Index >= FunctionCount()) return "";
    return kHelp[static_cast<size_t>(Index)];
}

int32_t clsParser::FunctionCount() { return static_cast<int32_t>(kHelp.size()); }

std::string clsParser::CallFunction(const std::string& name, const std::string& arguments)
{
    try {
        const std::vector<double> args = Argumente_Auswerten(arguments);
        const std::string value = Funktion_Berechnen(Kleinbuchstaben(name), args);
        if (!value.empty()) return value;
        aufrufFehler_ = true;
        zelo::Ui().MsgBox("Fehler in Formel. (Funktion '" + name + "' nicht definiert?)", zelo::MsgButtons::OK,
                          zelo::MsgIcon::Information, kTitle);
    } catch (const rt::RuntimeError& error) {
        aufrufFehler_ = true;
        const std::string text = error.Number() == rt::errOverflow
                                     ? "Das Argument ist zu groß!"
                                     : error.Description() + " bei  '" + name + "'  aufgetreten!";
        zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, kTitle);
    }
    return "0";
}

std::string clsParser::Funktion_Aufrufen(const std::string& name, const std::string& arguments)
{
    const std::string value = Funktion_Berechnen(Kleinbuchstaben(name), Argumente_Auswerten(arguments));
    if (value.empty())
        throw rt::RuntimeError(rt::errInvalidCall, "Fehler in Formel. (Funktion '" + name + "' nicht definiert?)");
    return value;
}

// Every argument evaluated, missing ones as 0 (the table reads x and y).
std::vector<double> clsParser::Argumente_Auswerten(const std::string& arguments)
{
    const std::vector<std::string> pieces = Argumente_Trennen(arguments);
    if (pieces.size() > kMaxArguments) rt::Raise(rt::errSubscript);
    std::vector<double> args;
    for (const std::string& piece : pieces) args.push_back(ConvertNumber_Ungeschuetzt(Evaluate(piece)));
    args.resize(std::max<size_t>(args.size(), 2), 0.0);
    return args;
}

// The value text of a known function; "" for an unknown name.
std::string clsParser::Funktion_Berechnen(const std::string& lowerName, const std::vector<double>& args)
{
    using formula::ValueText;
    const double x = args[0];
    const double y = args[1];
    const std::string& f = lowerName;
    if (f == "ln") return ValueText(Ln(x));
    if (f == "sin") return ValueText(std::sin(x));
    if (f == "cos") return ValueText(std::cos(x));
    if (f == "atan") return ValueText(std::atan(x));
    if (f == "abs") return ValueText(std::fabs(x));
    if (f == "sqrt") return ValueText(Wurzel(x));
    if (f == "log") return ValueText(Teilen(Ln(x), Ln(y)));
    if (f == "mod") return Modulo(x, y);
    if (f == "lg") return ValueText(Teilen(Ln(x), std::log(10.0)));
    if (f == "ld") return ValueText(Teilen(Ln(x), std::log(2.0)));
    if (f == "exp") return ValueText(Exp(x));
    if (f == "tan") return ValueText(Teilen(std::sin(x), std::cos(x)));
    if (f == "root3") return ValueText(Potenz(x, 1.0 / 3.0));
    if (f == "root") return ValueText(Potenz(x, Teilen(1.0, y)));
    if (f == "pow") return ValueText(Potenz(x, y));
    if (f == "deg") return ValueText(Checked(x * 180.0) / kPi);
    if (f == "rad") return ValueText(Checked(kPi * x) / 180.0);
    if (f == "pow2") return ValueText(Potenz(2.0, x));
    if (f == "arcsin") return ValueText(std::atan(Teilen(x, Wurzel(1.0 - Quadrat(x)))));
    if (f == "sinh") return ValueText((Exp(x) - Exp(-x)) / 2.0);
    if (f == "arccos") return ValueText(std::atan(Teilen(-x, Wurzel(1.0 - Quadrat(x)))) + 2.0 * std::atan(1.0));
    if (f == "cosh") return ValueText((Exp(x) + Exp(-x)) / 2.0);
    if (f == "tanh") return ValueText(Teilen(Exp(x) - Exp(-x), Exp(x) + Exp(-x)));
    if (f == "cot") return ValueText(Teilen(std::cos(x), std::sin(x)));
    if (f == "coth") return ValueText(Teilen(Exp(x) + Exp(-x), Exp(x) - Exp(-x)));
    if (f == "arsinh") return ValueText(Ln(x + Wurzel(Quadrat(x) + 1.0)));
    if (f == "arcosh") return ValueText(Ln(x + Wurzel(Quadrat(x) - 1.0)));
    if (f == "artanh") return ValueText(Ln(Teilen(1.0 + x, 1.0 - x)) / 2.0);
    if (f == "arcoth") return ValueText(Ln(Teilen(x + 1.0, x - 1.0)) / 2.0);
    if (f == "round") return ValueText(Gerundet(x, y));
    if (f == "bin") {
        binFlag_ = true;
        return ValueText(x);
    }
    if (f == "hex") {
        hexFlag_ = true;
        return "&H" + formula::HexDigits(rt::CLng(x));
    }
    return "";
}
