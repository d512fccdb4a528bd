// The settings file: any bytes as a file are read without a failure; writing a value and reading it again
// gives the value back, and every other line of the file stays as it was.
#include "settings/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace orbetta;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The lines of a text, each with its line break: LF, CR LF or a lone CR.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        line.push_back(text[i]);
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            out.push_back(line);
            line.clear();
        }
    }
    if (!line.empty())
        out.push_back(line);
    return out;
}

bool isLineBreak(std::string_view text) {
    return text == "\n" || text == "\r\n" || text == "\r";
}

// The new file differs from the old one by one changed line (the value) or by at most two inserted lines
// (the key, or a new section and its key); no other line, nor its line break, changes.
bool onlyTheValueChanged(const std::string& before, const std::string& after) {
    const auto a = lines(before);
    const auto b = lines(after);
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const std::size_t removed = a.size() - prefix - suffix;
    const std::size_t added = b.size() - prefix - suffix;
    if ((removed == 1 && added == 1) || (removed == 0 && added <= 2))
        return true;
    // A last line without a line break gets one before the new lines follow.
    return removed == 1 && prefix == a.size() - 1 && (added == 2 || added == 3) &&
           b[prefix].starts_with(a[prefix]) &&
           isLineBreak(std::string_view(b[prefix]).substr(a[prefix].size()));
}

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path = [] {
        std::string dir = (std::filesystem::temp_directory_path() / "orbetta-fuzz-XXXXXX").string();
        check(mkdtemp(dir.data()) != nullptr);
        return std::filesystem::path(dir) / "orbetta.ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& path = scratchFile();
    const std::string content(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
    }
    const std::string file = path.string();
    const std::string before = readProfileString("Settings", "Option4", "&HC0C0C0", file);
    check(before.size() <= kMaxSettingLength);

    const std::string value = std::to_string(size * 2654435761u % 16777216u);
    if (writeProfileString("Settings", "Option4", value, file)) {
        check(readProfileString("settings", "OPTION4", "&HC0C0C0", file) == value);
        check(onlyTheValueChanged(content, slurp(path)));
    } else {
        check(slurp(path) == content);
    }
    return 0;
}
