#include "core/calculator.h"

#include "core/conversions.h"
#include "core/failure.h"
#include "core/pasted_number.h"
#include "core/tape_line.h"
#include "core/words.h"

#include <cmath>
#include <exception>
#include <optional>

namespace orbetta {

namespace {
constexpr std::size_t kDisplayLength = 24;
constexpr std::size_t kLongDisplay = 20;

// The words that tell a typed character the keyboard map refuses.
std::string refusedCharacterWords(int code) {
    if (code == kEscapeCode)
        return ORBETTA_WORDS("Calculator", "Escape is not taken here; c clears");
    if (code >= 1 && code <= 26)
        return withValues(ORBETTA_WORDS("Calculator", "Ctrl+%1 is not taken here"),
                          {std::string(1, static_cast<char>('A' + code - 1))});
    if (code == ' ')
        return ORBETTA_WORDS("Calculator", "space is not taken here");
    if (code == ',')
        return ORBETTA_WORDS("Calculator", "comma is not taken here; the point is a full stop");
    if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z'))
        return withValues(ORBETTA_WORDS("Calculator", "%1 is not taken here"),
                          {std::string(1, static_cast<char>(code))});
    return ORBETTA_WORDS("Calculator", "that character is not taken here");
}

// Text with nothing but blanks pastes nothing.
bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}
} // namespace

Calculator::Calculator(Host& host) : host_(host) {}

Calculator::UserAction::UserAction(Calculator& calc)
    : calc_(calc), outermost_(calc.actionDepth_++ == 0), exceptions_(std::uncaught_exceptions()) {
    if (outermost_) {
        calc_.announceDisplay_ = false;
        calc_.announceText_.clear();
        calc_.toldOnReturn_.clear();
    }
}

Calculator::UserAction::~UserAction() {
    --calc_.actionDepth_;
    if (outermost_ && std::uncaught_exceptions() == exceptions_)
        calc_.announcePending();
}

void Calculator::announcePending() {
    if (!announceText_.empty()) {
        host_.announce(announceText_);
    } else if (announceDisplay_ && displayWords() != toldOnReturn_) {
        host_.announce(displayWords());
    }
    announceDisplay_ = false;
    announceText_.clear();
    toldOnReturn_.clear();
}

std::string Calculator::displayWords() const {
    return display_.empty() ? ORBETTA_WORDS("Calculator", "empty") : display_;
}

std::string Calculator::displayWordsOnReturn() {
    if (actionDepth_ > 0)
        toldOnReturn_ = displayWords();
    return displayWords();
}

void Calculator::keyRefused(std::string_view keyName) {
    host_.announce(withValues(ORBETTA_WORDS("Calculator", "%1 is not taken here"), {keyName}));
}

void Calculator::start() {
    pi = 4.0 * std::atan(1.0);
    functionPending = false;
    operationPressed = false;
    entering = false;
    result = std::int16_t{0};
    firstOperand = std::int16_t{0};
    secondOperand = std::int16_t{0};
    firstHeld = false;
}

void Calculator::show(std::string_view text) {
    display_ = std::string(text.substr(0, kDisplayLength));
    host_.show(display_);
}

void Calculator::record(std::string_view line) {
    host_.record(line);
    tapeAtBoundary_ = false;
}

void Calculator::endCalculation() {
    if (!tapeAtBoundary_)
        host_.record("");
    tapeAtBoundary_ = true;
}

void Calculator::recordProblem(std::string_view text) {
    ++problems_;
    record(problemContext_.empty() ? std::string(text) : problemContext_ + ": " + std::string(text));
}

void Calculator::errorReport(std::string_view description) {
    recordProblem(tape_line::errorReport(description));
    announceDisplay(); // what the box leaves in the display
    host_.beep();
    host_.message(description, Icon::None);
    show("");
    entryText.clear();
}

bool Calculator::guarded(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        errorReport(describe(failure.kind()));
        return false;
    }
}

double Calculator::entryValue() const {
    return parseNumber(entryText);
}

bool Calculator::operationPending() const {
    return !pendingOperation.isZero();
}

void Calculator::refuse(std::string_view text) {
    recordProblem(text);
    announceDisplay();
    host_.message(text, Icon::Exclamation);
}

// ---- Number entry ----

void Calculator::pressDigit(int digit) {
    const UserAction action(*this);
    lastDigit = static_cast<std::int16_t>(digit);
    const char typed = static_cast<char>('0' + digit);
    if (entering)
        entryText += typed;
    else
        entryText = std::string(1, typed);
    show(entryText);
    if (entryText.size() > kLongDisplay) {
        // The whole entry, not the 24 characters left in the display, gives the magnitude. An entry that is
        // no number (an exponent beyond the double range) stays as typed and fails when it is used.
        try {
            show(formatScientific(parseNumber(entryText), 6));
        } catch (const Failure&) {
        }
    }
    entering = true;
}

// The text the decimal-point and sign-change keys work on: the display, or the whole entry when the display
// shows only its first 24 characters (a long entry after backspace), so that no typed digit is dropped.
std::string Calculator::pointAndSignSource() const {
    if (entering && entryText.size() > kDisplayLength && entryText.starts_with(display_))
        return entryText;
    return display_;
}

void Calculator::pressDecimalPoint() {
    const UserAction action(*this);
    const std::string source = pointAndSignSource();
    if (source.find('.') != std::string::npos) {
        host_.beep();
        announceText(ORBETTA_WORDS("Calculator", "the entry has a point already"));
        return;
    }
    if (source.size() > kDisplayLength) {
        entryText = source + ".";
        show(entryText);
    } else {
        show(entering ? source + "." : std::string("0."));
        entryText = display_;
    }
    entering = true;
}

void Calculator::pressSignChange() {
    const UserAction action(*this);
    const std::string source = pointAndSignSource();
    if (source.empty() && !entering) {
        announceText(ORBETTA_WORDS("Calculator", "the display is empty"));
        return;
    }
    std::string negated;
    try {
        negated = formatNumber(-parseNumber(source));
    } catch (const Failure&) {
        // an empty display or a lone "-" has nothing to negate
        announceText(source.empty() ? ORBETTA_WORDS("Calculator", "the display is empty")
                                    : ORBETTA_WORDS("Calculator", "nothing to change the sign of"));
        return;
    }
    show(negated);
    entryText = display_;
    entering = true;
    announceDisplay(); // unlike a digit, the change has no key echo that tells it
}

void Calculator::pressBackspace() {
    const UserAction action(*this);
    guarded([this] {
        if (!entering) {
            announceText(ORBETTA_WORDS("Calculator", "nothing to erase")); // a result is not an entry
            return;
        }
        announceDisplay(); // what is left
        if (!entryText.empty()) {
            entryText.pop_back();
            show(entryText);
        } else {
            show("");
            entryText.clear();
        }
    });
}

void Calculator::pasteEntry(std::string_view text) {
    const UserAction action(*this);
    const std::optional<std::string> entry = pastedEntryText(text);
    std::optional<double> value;
    try {
        if (entry)
            value = parseNumber(*entry);
    } catch (const Failure&) {
        // beyond the double range
    }
    if (!value) {
        host_.beep();
        announceText(blank(text) ? ORBETTA_WORDS("Calculator", "nothing to paste")
                                 : ORBETTA_WORDS("Calculator", "the clipboard holds no number"));
        return;
    }
    entryText = *entry;
    show(entryText);
    if (entryText.size() > kLongDisplay)
        show(formatScientific(*value, 6));
    entering = true;
    announceDisplay();
}

// ---- Arithmetic ----

void Calculator::applyOperation(Value& operation, Value& first, Value& second) {
    const auto code = static_cast<Operation>(operation.isZero() ? 0 : operation.asInteger());
    const double a = first.toDouble();
    const double b = second.toDouble();
    double value = 0.0;
    bool computed = true;
    switch (code) {
    case Operation::Add:
        value = a + b;
        break;
    case Operation::Subtract:
        value = a - b;
        break;
    case Operation::Multiply:
        value = a * b;
        break;
    case Operation::Divide:
        if (b == 0.0) {
            refuse(ORBETTA_WORDS("Calculator", "can't divide by 0!"));
            computed = false;
        } else {
            value = a / b;
        }
        break;
    default:
        computed = false;
    }
    if (computed) {
        if (!std::isfinite(value))
            throw Failure(FailureKind::Overflow);
        result = value;
    }
    first = result;
    second = std::int16_t{0};
    operation = chainedOperation;
    chainedOperation = std::int16_t{0};
}

void Calculator::pressEqual() {
    const UserAction action(*this);
    // Equal run by an operation key ends with the operation key's empty display, which is not told.
    if (action.outermost())
        announceDisplay();
    entering = false;
    // Run by an operation key, the operand goes on the tape with that key, and no total: none is shown.
    const bool total = action.outermost();
    const int closing = total ? 0 : static_cast<int>(chainedOperation.toDouble());
    guarded([this, total, closing] {
        if (functionPending) {
            result = entryValue();
            evaluateFunction(result, lastFunction);
            functionPending = false;
            if (firstHeld) {
                secondOperand = result;
                record(tape_line::operand(result.toText(), static_cast<Operation>(closing)));
                chainOperandRecorded_ = true;
                applyOperation(pendingOperation, firstOperand, secondOperand);
            }
        } else if (firstHeld) {
            secondOperand = entryValue();
            if (operationPending()) {
                record(tape_line::operand(secondOperand.toText(), static_cast<Operation>(closing)));
                chainOperandRecorded_ = true;
                applyOperation(pendingOperation, firstOperand, secondOperand);
            }
        } else {
            // Nothing to compute: the entry is still read, so text that is no number is reported.
            firstOperand = entryValue();
            secondOperand = std::int16_t{0};
        }
        entryText = result.toText();
        show(entryText);
        if (display_.size() > kLongDisplay)
            show(formatScientific(parseNumber(entryText), 3));
        firstOperand = std::int16_t{0};
        secondOperand = std::int16_t{0};
        firstHeld = false;
        operationPressed = false;
        host_.setListVisible(false);
        if (total) {
            record(tape_line::total(entryText));
            endCalculation();
        }
    });
}

void Calculator::pressOperation(int operation) {
    const UserAction action(*this);
    chainOperandRecorded_ = false;
    if (operationPressed) {
        chainedOperation = static_cast<std::int16_t>(operation);
        pressEqual();
    }
    const bool chained = chainOperandRecorded_;
    operationPressed = true;
    entering = false;
    guarded([this, operation, chained] {
        if (functionPending) {
            result = entryValue();
            evaluateFunction(result, lastFunction);
            entryText = result.toText();
            functionPending = false;
        }
        if (!firstHeld) {
            firstOperand = entryValue();
            // After a chained equal the operand is the hidden intermediate result, already on the tape as
            // the second operand with this key.
            if (!chained)
                record(tape_line::operand(firstOperand.toText(), static_cast<Operation>(operation)));
            firstHeld = true;
            entryText.clear();
            show("");
            pendingOperation = static_cast<std::int16_t>(operation);
        } else {
            // Only after the equal above failed before it released the first operand.
            secondOperand = entryValue();
            pressEqual();
        }
    });
}

void Calculator::pressClearAll() {
    const UserAction action(*this);
    announceText(ORBETTA_WORDS("Calculator", "cleared"));
    show("");
    entryText.clear();
    result = std::int16_t{0};
    firstOperand = std::int16_t{0};
    secondOperand = std::int16_t{0};
    pendingOperation = std::int16_t{0};
    chainedOperation = std::int16_t{0};
    firstHeld = false;
    entering = false;
    functionPending = false;
    operationPressed = false;
    host_.setListVisible(false);
    endCalculation();
}

// ---- Keyboard ----

int Calculator::handleCharacter(int code) {
    if (code >= '0' && code <= '9') {
        pressDigit(code - '0');
        return code;
    }
    for (const OperationRow& row : kOperations) {
        if (code == row.typed) {
            pressOperation(static_cast<int>(row.operation));
            return code;
        }
    }
    switch (code) {
    case '.':
        pressDecimalPoint();
        return code;
    case kEnterCode:
    case '=':
    case 'l':
        pressEqual();
        return code;
    case 'C':
    case 'c':
        pressClearAll();
        return code;
    case kBackspaceCode:
        pressBackspace();
        return code;
    default: {
        const UserAction action(*this);
        host_.beep();
        announceText(refusedCharacterWords(code));
        return 0;
    }
    }
}

void Calculator::receiveTwoValueResult(std::string_view text, std::string_view step) {
    const UserAction action(*this);
    announceDisplay();
    show(text);
    entryText = std::string(text);
    if (!step.empty())
        record(step);
}

} // namespace orbetta
