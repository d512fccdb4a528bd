#include "core/words.h"

#include <atomic>

namespace orbetta {

namespace {
// Set once at start-up; the tape file's thread reads it too.
std::atomic<Translator> installed{nullptr};
} // namespace

void setTranslator(Translator translator) {
    installed.store(translator);
}

std::string words(const char* context, std::string_view text) {
    const Translator translator = installed.load();
    return translator ? translator(context, text) : std::string(text);
}

std::string withValues(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += *(values.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace orbetta
