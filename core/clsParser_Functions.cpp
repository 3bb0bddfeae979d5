// The named functions of formulas, their messages and the help table.
#include "core/clsParser.h"

#include "core/FormulaNumbers.h"
#include "core/NumberFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr const char* kTitle = "Formelparser";
constexpr double kPi = 3.14159265358979;

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
double Modulo(double x, double y)
{
    const int64_t a = rt::CLng(x);
    const int64_t b = rt::CLng(y);
    if (b == 0) rt::Raise(rt::errDivisionByZero);
    return static_cast<double>(a % b);
}

double Gerundet(double x, double decimals) { return Runden(x, rt::CInt(decimals)); }

// The functions in the order the names are compared, and their places.
enum Funktion : int32_t {
    fLn, fSin, fCos, fAtan, fAbs, fSqrt, fLog, fMod,
    fLg, fLd, fExp, fTan, fRoot3, fRoot, fPow, fDeg,
    fRad, fPow2, fArcsin, fSinh, fArccos, fCosh, fTanh, fCot,
    fCoth, fArsinh, fArcosh, fArtanh, fArcoth, fRound, fBin, fHex
};
constexpr std::array<const char*, 32> kFunktionen = {
    "ln",   "sin",   "cos",  "atan", "abs",    "sqrt", "log",    "mod",    "lg",     "ld",     "exp",
    "tan",  "root3", "root", "pow",  "deg",    "rad",  "pow2",   "arcsin", "sinh",   "arccos", "cosh",
    "tanh", "cot",   "coth", "arsinh", "arcosh", "artanh", "arcoth", "round", "bin", "hex"};

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

double clsParser::CallFunction(const formula::Glied& aufruf)
{
    if (aufrufFehlerWerfen_) return Funktion_Berechnen(aufruf);
    try {
        return Funktion_Berechnen(aufruf);
    } catch (const rt::RuntimeError& error) {
        aufrufFehler_ = true;
        const std::string text = error.Number() == rt::errOverflow
                                     ? "Das Argument ist zu groß!"
                                     : error.Description() + " bei  '" + aufruf.name + "'  aufgetreten!";
        zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, kTitle);
    }
    return 0.0;
}

// Every argument computed (missing ones count 0; the table reads x and y), then the function; an
// unknown name ends the call after its arguments, with a message or, in a curve conversion, its error.
double clsParser::Funktion_Berechnen(const formula::Glied& aufruf)
{
    if (aufruf.zuVieleArgumente) rt::Raise(rt::errSubscript);
    double args[2] = {0.0, 0.0};
    for (size_t i = 0; i < aufruf.teile.size(); ++i) {
        const double wert = Evaluate(aufruf.teile[i]);
        if (i < 2) args[i] = wert;
    }
    if (aufruf.funktion >= 0) return Funktion_Berechnen(aufruf.funktion, args[0], args[1]);
    const std::string text = "Fehler in Formel. (Funktion '" + aufruf.name + "' nicht definiert?)";
    if (aufrufFehlerWerfen_) throw rt::RuntimeError(rt::errInvalidCall, text);
    aufrufFehler_ = true;
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Information, kTitle);
    return 0.0;
}

int32_t clsParser::Funktionsnummer(const std::string& lowerName)
{
    const auto stelle = std::find(kFunktionen.begin(), kFunktionen.end(), lowerName);
    return stelle == kFunktionen.end() ? -1 : static_cast<int32_t>(stelle - kFunktionen.begin());
}

// The value of function nummer of the table as its text carries it (15 digits; mod a whole number,
// hex the Long its digits read as).
double clsParser::Funktion_Berechnen(int32_t nummer, double x, double y)
{
    using formula::Carry;
    switch (nummer) {
    case fLn: return Carry(Ln(x));
    case fSin: return Carry(std::sin(x));
    case fCos: return Carry(std::cos(x));
    case fAtan: return Carry(std::atan(x));
    case fAbs: return Carry(std::fabs(x));
    case fSqrt: return Carry(Wurzel(x));
    case fLog: return Carry(Teilen(Ln(x), Ln(y)));
    case fMod: return Modulo(x, y);
    case fLg: return Carry(Teilen(Ln(x), std::log(10.0)));
    case fLd: return Carry(Teilen(Ln(x), std::log(2.0)));
    case fExp: return Carry(Exp(x));
    case fTan: return Carry(Teilen(std::sin(x), std::cos(x)));
    case fRoot3: return Carry(Potenz(x, 1.0 / 3.0));
    case fRoot: return Carry(Potenz(x, Teilen(1.0, y)));
    case fPow: return Carry(Potenz(x, y));
    case fDeg: return Carry(Checked(x * 180.0) / kPi);
    case fRad: return Carry(Checked(kPi * x) / 180.0);
    case fPow2: return Carry(Potenz(2.0, x));
    case fArcsin: return Carry(std::atan(Teilen(x, Wurzel(1.0 - Quadrat(x)))));
    case fSinh: return Carry((Exp(x) - Exp(-x)) / 2.0);
    case fArccos: return Carry(std::atan(Teilen(-x, Wurzel(1.0 - Quadrat(x)))) + 2.0 * std::atan(1.0));
    case fCosh: return Carry((Exp(x) + Exp(-x)) / 2.0);
    case fTanh: return Carry(Teilen(Exp(x) - Exp(-x), Exp(x) + Exp(-x)));
    case fCot: return Carry(Teilen(std::cos(x), std::sin(x)));
    case fCoth: return Carry(Teilen(Exp(x) + Exp(-x), Exp(x) - Exp(-x)));
    case fArsinh: return Carry(Ln(x + Wurzel(Quadrat(x) + 1.0)));
    case fArcosh: return Carry(Ln(x + Wurzel(Quadrat(x) - 1.0)));
    case fArtanh: return Carry(Ln(Teilen(1.0 + x, 1.0 - x)) / 2.0);
    case fArcoth: return Carry(Ln(Teilen(x + 1.0, x - 1.0)) / 2.0);
    case fRound: return Carry(Gerundet(x, y));
    case fBin:
        binFlag_ = true;
        return Carry(x);
    case fHex:
    default:
        hexFlag_ = true;
        return static_cast<double>(rt::CLng(x));
    }
}
