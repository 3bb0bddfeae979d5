#pragma once
// A formula cut into its parts once, so that it can be computed for many values of its variables:
// each level (the whole formula, a bracketed group, an argument of a call) holds its operands and
// operators in their order, groups and calls hold their own levels. What the text alone decides (a
// number's value, a name that is no function, a nesting too deep) is kept where it stands and takes
// effect when the computation reaches it, so that the parts behave exactly as the text would.
#include <cstdint>
#include <string>
#include <vector>

namespace formula {

struct Kette;

// A bound variable: its value and that value as a text of it carries it (15 digits).
struct Variablenwert {
    double wert = 0.0;
    double getragen = 0.0;
};

struct Glied {
    enum class Art : uint8_t {
        Operator,
        Zahl,          // a number known from the text (or the error its text raises)
        Variable,      // a bound name, maybe with a minus in front
        GradVariable,  // a bound name in degrees ("y°")
        Gruppe,        // a bracketed group: teile[0]
        Aufruf,        // a function call: its arguments in teile
        Fehler,        // the error the text raises at this place
    };
    Art art = Art::Zahl;
    char op = 0;
    bool negativ = false;
    double wert = 0.0;
    // Points into the parser's variables, which keep their place while the parser lives.
    const Variablenwert* variable = nullptr;
    // The run-time error (0 none) a Zahl raises when it is taken, or a Fehler when it is reached.
    int32_t fehlerNummer = 0;
    std::string fehlerText;
    // A call: the name as written and its place in the function table (-1 for an unknown name).
    std::string name;
    int32_t funktion = -1;
    bool zuVieleArgumente = false;
    std::vector<Kette> teile;
};

struct Kette {
    // The level lies deeper than the evaluator goes: it raises "Out of stack space" when reached.
    bool zuTief = false;
    std::vector<Glied> glieder;
};

}
