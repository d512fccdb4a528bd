// The tape file's reader: any bytes give lines of valid UTF-8 text without line breaks or control
// characters, none longer than a tape line may be, at most the kept number of them, and the same from the
// file as from the bytes, with or without a line cut short at their end; the value a line holds, if any, is
// a number.
#include "core/conversions.h"
#include "core/tape_line.h"
#include "tape/tape_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace orbetta;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

bool isCleanText(const std::string& line) {
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > line.size())
            return false;
        if (length == 1 && ((c < 0x20 && c != '\t') || c == 0x7F))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path = [] {
        std::string dir = (std::filesystem::temp_directory_path() / "orbetta-fuzz-XXXXXX").string();
        check(mkdtemp(dir.data()) != nullptr);
        return std::filesystem::path(dir) / "tape.txt";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (bool inside : {false, true}) {
        const tape::Contents contents = tape::parse(bytes, inside);
        check(contents.lines.size() <= tape::kKeptLines);
        for (const std::string& line : contents.lines) {
            check(line.size() <= tape::kMaxLineBytes);
            check(isCleanText(line));
            if (const auto value = tape_line::value(line))
                parseNumber(*value); // throws, and so fails, when it is no number
        }
        check(contents.problem.find('\n') == std::string::npos);
    }
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    check(tape::read(scratchFile()).lines == tape::parse(bytes).lines);
    // A line cut short after the last whole one is no line.
    if (bytes.empty() || bytes.back() == '\n')
        check(tape::parse(bytes + "= 12").lines == tape::parse(bytes).lines);
    return 0;
}
