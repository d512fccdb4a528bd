#pragma once
// The words the user reads or hears, in the user's language. The engine is standard C++: it marks its texts
// with ORBETTA_WORDS(context, text), which lupdate collects under the context and which looks the text up in
// the translator the window side installs; the rows of the keys' table are marked with ORBETTA_NOOP and are
// translated by the window side itself. Without a translator every text is its English original.

#include <initializer_list>
#include <string>
#include <string_view>

// A text for a table: collected for translation, left as it is here.
#define ORBETTA_NOOP(context, text) text
// A text translated where it is used.
#define ORBETTA_WORDS(context, text) ::orbetta::words(context, text)

namespace orbetta {

// The window side's translation of a text of a context; nullptr leaves every text in English.
using Translator = std::string (*)(const char* context, std::string_view text);
void setTranslator(Translator translator);

// The text in the user's language.
std::string words(const char* context, std::string_view text);

// The pattern with %1, %2, ... replaced by the values in their order; a translation may move them about.
std::string withValues(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace orbetta
