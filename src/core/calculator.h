#pragma once

#include "core/host.h"
#include "core/value.h"

#include <functional>
#include <string>
#include <string_view>

namespace orbetta {

// The calculator's working state and the handlers of its keys. The window owns one and forwards every
// click and typed character to it; the calculator reaches the window only through Host.
class Calculator {
public:
    explicit Calculator(Host& host);

    // Window load: the constants and flags of a new calculator.
    void Form_Load();

    // Number entry.
    void Num_Click(int Index);
    void Command11_Click(); // decimal point
    void Command12_Click(); // sign change
    void Command16_Click(); // backspace
    // A number pasted from the clipboard becomes the entry as if typed; any other text beeps, says why and
    // changes nothing.
    void pasteEntry(std::string_view text);
    // A key of the window that does nothing here (Delete, say) is told so, by its name.
    void keyRefused(std::string_view keyName);
    // The display as a screen reader is told it: its text, or "empty".
    std::string displayWords() const;

    // Arithmetic.
    void Oper_Click(int Index);
    void Command13_Click(); // equal
    void Command17_Click(); // clear all
    void Islem(Value& operation, Value& first, Value& second);

    // Keyboard: returns the code unchanged when it was used, 0 when it was refused (after a beep).
    int Form_KeyPress(int KeyAscii);

    // Function keys, the evaluator and the additional-function list.
    void Funct_Click(int Index);
    void Fonksiyon(Value& value, const Value& code);
    void Command1_Click(); // "function": shows the list
    void Combo1_Click();   // an entry chosen in the list

    // The two-value dialog's result: the display and the entry take the text; the step (the function and
    // both operands) goes on the tape.
    void receiveTwoValueResult(std::string_view text, std::string_view step = {});

    // The state, named as the window's variables.
    std::string ValueText;
    bool EntryFlag = false;
    Value ValueA{std::int16_t{0}};
    Value ValueB{std::int16_t{0}};
    Value OperandKey;
    Value OperandKeySecond;
    bool OperFlag = false;
    Value result{std::int16_t{0}};
    bool FunFlag = false;
    Value FunctionKey;
    Value NumKey;
    Value Pi;
    double MemBut = 0.0;
    // Whether ValueA holds a first operand: a first operand of 0 is a real operand.
    bool FirstHeld = false;

private:
    // One user action, from the start to the end of the outermost handler. A handler run by another (an
    // operation key running equal, a typed character or a list choice running a key's handler) belongs to the
    // action of the one that runs it. When the outermost ends, what was asked for is announced, once.
    class UserAction {
    public:
        explicit UserAction(Calculator& calc);
        ~UserAction();
        UserAction(const UserAction&) = delete;
        UserAction& operator=(const UserAction&) = delete;
        bool outermost() const { return outermost_; }

    private:
        Calculator& calc_;
        bool outermost_;
        int exceptions_;
    };

    // Puts text in the display, cut to its 24 characters.
    void show(std::string_view text);
    // Runs a step of a guarded handler; a failing step beeps, reports, empties display and entry.
    // Returns false when the step failed.
    bool guarded(const std::function<void()>& step);
    void errorReport(std::string_view description);
    double entryValue() const;
    std::string pointAndSignSource() const;
    bool operationPending() const;
    void refuse(std::string_view text);

    // The tape: a line for each step, the boundary after a total or clear-all, and a refusal or error
    // report in the place of the value it replaced, after the function it came from.
    void record(std::string_view line);
    void endCalculation();
    void recordProblem(std::string_view text);
    void evaluateListFunction(Value& value, bool degrees);

    // What the user action under way will announce when it ends: the display as it then stands, or a text
    // of its own.
    void announceDisplay() { announceDisplay_ = true; }
    void announceText(std::string_view text) { announceText_ = std::string(text); }
    void announcePending();

    Host& host_;
    int actionDepth_ = 0;
    bool announceDisplay_ = false;
    std::string announceText_;
    bool tapeAtBoundary_ = true;
    std::string problemContext_; // the function being applied, before its refusal
    int problems_ = 0;
    bool chainOperandRecorded_ = false; // an operation key's equal recorded the operand with that key
};

// The twenty entries of the additional-function list, in their order.
extern const char* const kListFunctions[20];

} // namespace orbetta
