#pragma once

#include "core/host.h"
#include "core/keys.h"
#include "core/value.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orbetta {

// The calculator's working state and the handlers of its keys. The window owns one and forwards every
// click and typed character to it; the calculator reaches the window only through Host.
class Calculator {
public:
    explicit Calculator(Host& host);

    // Window load: the constants and flags of a new calculator.
    void start();

    // Number entry.
    void pressDigit(int digit);
    void pressDecimalPoint(); // decimal point
    void pressSignChange();   // sign change
    void pressBackspace();    // backspace
    // A number pasted from the clipboard becomes the entry as if typed; any other text beeps, says why and
    // changes nothing.
    void pasteEntry(std::string_view text);
    // A key of the window that does nothing here (Delete, say) is told so, by its name.
    void keyRefused(std::string_view keyName);
    // The display as a screen reader is told it: its text, or "empty".
    std::string displayWords() const;
    // The display as told when the window gets the focus back from a box or another window. Told while a user
    // action is under way (a box it showed has closed), it stands for the action's own telling of the same
    // display, which is then left out.
    std::string displayWordsOnReturn();

    // Arithmetic.
    void pressOperation(int operation);
    void pressEqual();    // equal
    void pressClearAll(); // clear all
    void applyOperation(Value& operation, Value& first, Value& second);

    // Keyboard: returns the code unchanged when it was used, 0 when it was refused (after a beep).
    int handleCharacter(int code);

    // Function keys, the evaluator and the additional-function list.
    void pressFunction(int key);
    void evaluateFunction(Value& value, const Value& code);
    void showFunctionList();   // the "function" key
    void chooseListFunction(); // an entry chosen in the list
    // What the list shows, whenever it changes: one of its entries, or nothing (its blank start).
    void setListFunction(std::optional<ListFunction> shown);

    // The two-value dialog's result: the display and the entry take the text; the step (the function and
    // both operands) goes on the tape.
    void receiveTwoValueResult(std::string_view text, std::string_view step = {});

    // The state: the entry as typed, the operands, the pending operation and function, the memory.
    std::string entryText; // the number being typed, or the text of the last result
    bool entering = false; // digits add to entryText rather than start it anew
    Value firstOperand{std::int16_t{0}};
    Value secondOperand{std::int16_t{0}};
    Value pendingOperation; // the operation waiting for its second operand (an Operation code, 0 for none)
    Value chainedOperation; // the operation key that ran equal, pending once equal has computed
    bool operationPressed = false;
    Value result{std::int16_t{0}};
    bool functionPending = false; // lastFunction waits for an entry, applied by the next equal or operation
    Value lastFunction;           // the function key last pressed (a Function code)
    Value lastDigit;
    Value pi;
    double memory = 0.0;
    // Whether firstOperand holds a first operand: a first operand of 0 is a real operand.
    bool firstHeld = false;

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
    bool degrees() const { return angleMode_ == AngleMode::Degrees; }
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
    void evaluateListFunction(Value& value);

    // What the user action under way will announce when it ends: the display as it then stands, or a text
    // of its own.
    void announceDisplay() { announceDisplay_ = true; }
    void announceText(std::string_view text) { announceText_ = std::string(text); }
    void announcePending();

    Host& host_;
    // What the window shows, as the calculator last told it: the display, the angle key's mode and the list's
    // entry.
    std::string display_;
    AngleMode angleMode_ = AngleMode::Degrees;
    std::optional<ListFunction> listFunction_;
    int actionDepth_ = 0;
    std::string toldOnReturn_; // the display told on the focus's return during the action under way
    bool announceDisplay_ = false;
    std::string announceText_;
    bool tapeAtBoundary_ = true;
    std::string problemContext_; // the function being applied, before its refusal
    int problems_ = 0;
    bool chainOperandRecorded_ = false; // an operation key's equal recorded the operand with that key
};

} // namespace orbetta
