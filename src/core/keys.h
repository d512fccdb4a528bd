#pragma once
// Every key and function of the calculator once: its identity, and the words and angle handling that go with
// it. The engine evaluates by these identities; the tape and the windows take their words from here.

#include "core/words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbetta {

// The character codes that stand for keys without a character of their own.
inline constexpr int kBackspaceCode = 8;
inline constexpr int kEnterCode = 13;
inline constexpr int kEscapeCode = 27;

// The operation keys, numbered as their controls Oper(2) to Oper(5); None is no operation pending.
enum class Operation : std::int16_t { None = 0, Add = 2, Subtract = 3, Multiply = 4, Divide = 5 };

// The function keys, numbered as their controls Funct(0) to Funct(19).
enum class Function : std::int16_t {
    CommonLogarithm = 0,
    NaturalLogarithm = 1,
    TenToThePowerX = 2,
    EToTheX = 3,
    Sine = 4,
    Cosine = 5,
    Tangent = 6,
    Arctangent = 7,
    YRootOfX = 8,
    SquareRoot = 9,
    XToThePowerY = 10,
    Square = 11,
    RandomNumber = 12,
    Pi = 13,
    Reciprocal = 14,
    Percent = 15,
    ListFunction = 16,
    MemoryRecall = 17,
    MemoryStore = 18,
    AngleMode = 19,
};
inline constexpr int kFunctionKeys = 20;

// The entries of the additional-function list, in their order.
enum class ListFunction {
    Secant,
    Cosecant,
    Cotangent,
    InverseSine,
    InverseCosine,
    InverseSecant,
    InverseCosecant,
    InverseCotangent,
    HyperbolicSine,
    HyperbolicCosine,
    HyperbolicTangent,
    HyperbolicSecant,
    HyperbolicCosecant,
    HyperbolicCotangent,
    InverseHyperbolicSine,
    InverseHyperbolicCosine,
    InverseHyperbolicTangent,
    InverseHyperbolicSecant,
    InverseHyperbolicCosecant,
    InverseHyperbolicCotangent,
};

// Where angles come in: the argument is an angle (converted from degrees first), the value is one (converted
// to degrees last), or neither.
enum class Angle { None, Argument, Value };

enum class AngleMode { Degrees, Radians };

struct OperationRow {
    Operation operation;
    char typed;                  // the character that presses it
    std::string_view tapeSymbol; // after its operand on the tape: "3 ×"
};

struct FunctionRow {
    Function function;
    // The tape's wording of the function applied to "#", its argument: "sin(#)", "(#)²", "#%". Empty for the
    // keys that apply no function of the display (pi, memory, the two-value keys, the angle key).
    std::string_view tapeCall;
    Angle angle;
    // The tape's name of the value a key puts in the display or memory without a function: "π = 3.14…".
    std::string_view tapeName = {};
};

struct ListFunctionRow {
    ListFunction function;
    const char* name; // the list's entry, also the tape's wording: "Secant(0.5 rad)"
    Angle angle;
};

struct TwoValueRow {
    Function function;
    std::string_view caption; // the dialog's title
    std::string_view prompt1;
    std::string_view prompt2;
};

struct AngleModeRow {
    AngleMode mode;
    std::string_view caption;    // the angle key's caption in this mode
    std::string_view toolTip;    // its tool tip, also what a screen reader is told when the mode changes
    std::string_view tapeSuffix; // after an angle on the tape: "30°", "0.5 rad"
};

inline constexpr std::array<OperationRow, 4> kOperations{{
    {Operation::Add, '+', "+"},
    {Operation::Subtract, '-', "−"},
    {Operation::Multiply, '*', "×"},
    {Operation::Divide, '/', "÷"},
}};

inline constexpr std::array<FunctionRow, kFunctionKeys> kFunctions{{
    {Function::CommonLogarithm, "log(#)", Angle::None},
    {Function::NaturalLogarithm, "ln(#)", Angle::None},
    {Function::TenToThePowerX, "10^(#)", Angle::None},
    {Function::EToTheX, "e^(#)", Angle::None},
    {Function::Sine, "sin(#)", Angle::Argument},
    {Function::Cosine, "cos(#)", Angle::Argument},
    {Function::Tangent, "tan(#)", Angle::Argument},
    {Function::Arctangent, "atn(#)", Angle::Value},
    {Function::YRootOfX, "", Angle::None},
    {Function::SquareRoot, "√(#)", Angle::None},
    {Function::XToThePowerY, "", Angle::None},
    {Function::Square, "(#)²", Angle::None},
    {Function::RandomNumber, "", Angle::None},
    {Function::Pi, "", Angle::None, "π"},
    {Function::Reciprocal, "1/(#)", Angle::None},
    {Function::Percent, "#%", Angle::None},
    {Function::ListFunction, "", Angle::None}, // worded by the chosen entry's row
    {Function::MemoryRecall, "", Angle::None, "RM"},
    {Function::MemoryStore, "", Angle::None, "M"},
    {Function::AngleMode, "", Angle::None},
}};

inline constexpr std::array<ListFunctionRow, 20> kListFunctionRows{{
    {ListFunction::Secant, ORBETTA_NOOP("Keys", "Secant"), Angle::Argument},
    {ListFunction::Cosecant, ORBETTA_NOOP("Keys", "Cosecant"), Angle::Argument},
    {ListFunction::Cotangent, ORBETTA_NOOP("Keys", "Cotangent"), Angle::Argument},
    {ListFunction::InverseSine, ORBETTA_NOOP("Keys", "Inverse Sine"), Angle::Value},
    {ListFunction::InverseCosine, ORBETTA_NOOP("Keys", "Inverse Cosine"), Angle::Value},
    {ListFunction::InverseSecant, ORBETTA_NOOP("Keys", "Inverse Secant"), Angle::Value},
    {ListFunction::InverseCosecant, ORBETTA_NOOP("Keys", "Inverse Cosecant"), Angle::Value},
    {ListFunction::InverseCotangent, ORBETTA_NOOP("Keys", "Inverse Cotangent"), Angle::Value},
    {ListFunction::HyperbolicSine, ORBETTA_NOOP("Keys", "Hyperbolic Sine"), Angle::None},
    {ListFunction::HyperbolicCosine, ORBETTA_NOOP("Keys", "Hyperbolic Cosine"), Angle::None},
    {ListFunction::HyperbolicTangent, ORBETTA_NOOP("Keys", "Hyperbolic Tangent"), Angle::None},
    {ListFunction::HyperbolicSecant, ORBETTA_NOOP("Keys", "Hyperbolic Secant"), Angle::None},
    {ListFunction::HyperbolicCosecant, ORBETTA_NOOP("Keys", "Hyperbolic Cosecant"), Angle::None},
    {ListFunction::HyperbolicCotangent, ORBETTA_NOOP("Keys", "Hyperbolic Cotangent"), Angle::None},
    {ListFunction::InverseHyperbolicSine, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Sine"), Angle::None},
    {ListFunction::InverseHyperbolicCosine, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Cosine"), Angle::None},
    {ListFunction::InverseHyperbolicTangent, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Tangent"), Angle::None},
    {ListFunction::InverseHyperbolicSecant, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Secant"), Angle::None},
    {ListFunction::InverseHyperbolicCosecant, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Cosecant"),
     Angle::None},
    {ListFunction::InverseHyperbolicCotangent, ORBETTA_NOOP("Keys", "Inverse Hyperbolic Cotangent"),
     Angle::None},
}};

inline constexpr std::array<TwoValueRow, 3> kTwoValueKeys{{
    {Function::YRootOfX, ORBETTA_NOOP("Keys", "y root of x"), ORBETTA_NOOP("Keys", "value(x):"),
     ORBETTA_NOOP("Keys", "root (y):")},
    {Function::XToThePowerY, ORBETTA_NOOP("Keys", "x to the power of y"), ORBETTA_NOOP("Keys", "value(x):"),
     ORBETTA_NOOP("Keys", "power(y):")},
    {Function::RandomNumber, ORBETTA_NOOP("Keys", "random number"),
     //: A prompt of the two-value dialog, like every "...:" here; about twelve characters fit beside the box.
     ORBETTA_NOOP("Keys", "lower value:"), ORBETTA_NOOP("Keys", "upper value:")},
}};

inline constexpr std::array<AngleModeRow, 2> kAngleModes{{
    {AngleMode::Degrees, ORBETTA_NOOP("Keys", "deg"),
     ORBETTA_NOOP("Keys", "degree (click to change to radian)"), "°"},
    //: The angle key's caption in radians; a word of about three letters fits the key.
    {AngleMode::Radians, ORBETTA_NOOP("Keys", "rad"),
     ORBETTA_NOOP("Keys", "radian (click to change to degree)"), " rad"},
}};

// The twenty entries of the additional-function list, in their order.
inline constexpr auto kListFunctions = [] {
    std::array<const char*, kListFunctionRows.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kListFunctionRows[i].name;
    return names;
}();

// The keys of the main window, arrayed as their controls: Num(0) to Num(9), Oper(2) to Oper(5), Funct(0) to
// Funct(19), Command1 to Command20.
enum class KeyArray { Num, Oper, Funct, Command };

// What a key of the main window shows and says.
struct KeyRow {
    KeyArray array;
    int index;
    const char* caption;    // "" where a picture stands; "&" underlines the next letter
    const char* spokenName; // also the tool tip; nullptr for a digit, whose caption is spoken
    char chord;             // the letter that presses it with Alt; 0 for a key with a character of its own
};

// Chords are mostly the first free letter of the spoken name: Sine, Cosine, Tangent, Arctangent, Logarithm,
// Natural logarithm, E to the x, ten to the power X, Y root, Power, sQuare root, sqUare, inVerse (1/x), Pi,
// random (D), anGle, Memory, Recall, Function, Help, aBout; the percent key, the colour and the sign change
// take letters that are left.
inline constexpr std::array<KeyRow, 44> kKeyTable{{
    {KeyArray::Num, 0, "0", nullptr, 0},
    {KeyArray::Num, 1, "1", nullptr, 0},
    {KeyArray::Num, 2, "2", nullptr, 0},
    {KeyArray::Num, 3, "3", nullptr, 0},
    {KeyArray::Num, 4, "4", nullptr, 0},
    {KeyArray::Num, 5, "5", nullptr, 0},
    {KeyArray::Num, 6, "6", nullptr, 0},
    {KeyArray::Num, 7, "7", nullptr, 0},
    {KeyArray::Num, 8, "8", nullptr, 0},
    {KeyArray::Num, 9, "9", nullptr, 0},
    {KeyArray::Oper, 2, "", ORBETTA_NOOP("Keys", "addition"), 0},
    {KeyArray::Oper, 3, "", ORBETTA_NOOP("Keys", "subtraction"), 0},
    {KeyArray::Oper, 4, "", ORBETTA_NOOP("Keys", "multiplication"), 0},
    {KeyArray::Oper, 5, "", ORBETTA_NOOP("Keys", "division"), 0},
    {KeyArray::Funct, 0, "log", ORBETTA_NOOP("Keys", "common logarithm"), 'L'},
    {KeyArray::Funct, 1, "ln", ORBETTA_NOOP("Keys", "natural logarithm"), 'N'},
    {KeyArray::Funct, 2, "", ORBETTA_NOOP("Keys", "common antilog"), 'X'},
    {KeyArray::Funct, 3, "", ORBETTA_NOOP("Keys", "natural antilog"), 'E'},
    {KeyArray::Funct, 4, "sin", ORBETTA_NOOP("Keys", "Sine"), 'S'},
    {KeyArray::Funct, 5, "cos", ORBETTA_NOOP("Keys", "Cosine"), 'C'},
    {KeyArray::Funct, 6, "tan", ORBETTA_NOOP("Keys", "Tangent"), 'T'},
    {KeyArray::Funct, 7, "atn", ORBETTA_NOOP("Keys", "Arctangent"), 'A'},
    {KeyArray::Funct, 8, "", ORBETTA_NOOP("Keys", "y root of x"), 'Y'},
    {KeyArray::Funct, 9, "", ORBETTA_NOOP("Keys", "square root"), 'Q'},
    {KeyArray::Funct, 10, "", ORBETTA_NOOP("Keys", "x to the power of y"), 'P'},
    {KeyArray::Funct, 11, "", ORBETTA_NOOP("Keys", "square"), 'U'},
    //: The random key's caption; it must fit the key, as about eight letters do.
    {KeyArray::Funct, 12, ORBETTA_NOOP("Keys", "random #"), ORBETTA_NOOP("Keys", "random number"), 'D'},
    {KeyArray::Funct, 13, "\u03C0", ORBETTA_NOOP("Keys", "Pi number"), 'I'},
    {KeyArray::Funct, 14, "1/x", ORBETTA_NOOP("Keys", "reciprocal"), 'V'},
    {KeyArray::Funct, 15, "%", ORBETTA_NOOP("Keys", "percent"), 'K'},
    {KeyArray::Funct, 16, "fx", ORBETTA_NOOP("Keys", "more functions"), 0},
    {KeyArray::Funct, 17, "RM", ORBETTA_NOOP("Keys", "recall from memory"), 'R'},
    {KeyArray::Funct, 18, "M", ORBETTA_NOOP("Keys", "memory"), 'M'},
    //: The angle key's caption in degrees; a word of about three letters fits the key.
    {KeyArray::Funct, 19, ORBETTA_NOOP("Keys", "deg"),
     ORBETTA_NOOP("Keys", "degree (click to change radian)"), 'G'},
    //: The caption of the key that shows the list of more functions; about eight letters fit.
    {KeyArray::Command, 1, ORBETTA_NOOP("Keys", "function"),
     ORBETTA_NOOP("Keys", "additional trigonometric functions"), 'F'},
    {KeyArray::Command, 2, "?", ORBETTA_NOOP("Keys", "Help"), 'H'},
    {KeyArray::Command, 3, "!", ORBETTA_NOOP("Keys", "About Orbetta"), 'B'},
    //: The colour key's caption; about three letters fit.
    {KeyArray::Command, 4, ORBETTA_NOOP("Keys", "col"), ORBETTA_NOOP("Keys", "Layout Preferences"), 'W'},
    {KeyArray::Command, 11, "", ORBETTA_NOOP("Keys", "decimal point"), 0},
    {KeyArray::Command, 12, "+/-", ORBETTA_NOOP("Keys", "sign change"), 'Z'},
    {KeyArray::Command, 13, "", ORBETTA_NOOP("Keys", "equal"), 0},
    {KeyArray::Command, 16, "", ORBETTA_NOOP("Keys", "backspace"), 0},
    {KeyArray::Command, 17, "CE", ORBETTA_NOOP("Keys", "clear all"), 0},
    //: The off key's caption; about three letters fit. Alt with a letter presses the other keys, so "&" may
    //: only stand before an "o"; without one the key keeps Alt+O.
    {KeyArray::Command, 20, ORBETTA_NOOP("Keys", "&off"), ORBETTA_NOOP("Keys", "Exit"), 0},
}};

// The row of a key of the main window, or none.
const KeyRow* keyRowOf(KeyArray array, int index);

// The rows of a key. An operation or function that is none of the keys has none.
const OperationRow* rowOf(Operation operation);
const FunctionRow* rowOf(Function function);
const ListFunctionRow& rowOf(ListFunction function);
const TwoValueRow* twoValueRowOf(Function function);
const AngleModeRow& rowOf(AngleMode mode);

// The list entry of that exact name, or nothing (a blank list, a name that differs in case).
std::optional<ListFunction> listFunctionNamed(std::string_view name);
// The function key of a control index 0 to 19, or nothing.
std::optional<Function> functionOfIndex(int index);

} // namespace orbetta
