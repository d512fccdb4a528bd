#include "tape/tape_contents.h"

#include "files/folders.h"
#include "files/regular_file.h"

#include "core/words.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

namespace orbetta::tape {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

std::string sizeText(off_t bytes) {
    const double mib = static_cast<double>(bytes) / (1024.0 * 1024.0);
    if (mib >= 1024.0)
        return std::to_string(static_cast<long long>(mib / 1024.0 + 0.5)) + " GB";
    return std::to_string(static_cast<long long>(mib + 0.5)) + " MB";
}

// The length of the valid UTF-8 sequence at the start of text, or 0 when it is none.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

struct Cleaned {
    std::string text;
    bool replaced = false;
    bool cut = false;
};

// A line as text: what is no UTF-8 text becomes U+FFFD, and the line is cut at kMaxLineBytes.
Cleaned clean(std::string_view line) {
    Cleaned out;
    out.text.reserve(std::min(line.size(), kMaxLineBytes));
    while (!line.empty()) {
        std::size_t length = sequenceLength(line);
        const unsigned char first = static_cast<unsigned char>(line.front());
        const bool control = length == 1 && ((first < 0x20 && first != '\t') || first == 0x7F);
        const std::string_view piece = length == 0 || control ? kReplacement : line.substr(0, length);
        if (length == 0 || control) {
            out.replaced = true;
            length = 1;
        }
        if (out.text.size() + piece.size() > kMaxLineBytes) {
            out.cut = true;
            break;
        }
        out.text += piece;
        line.remove_prefix(length);
    }
    return out;
}

} // namespace

std::string reason(int error) {
    return std::strerror(error);
}

int openRegular(const fs::path& path, int flags, std::string& problem, bool& missing) {
    missing = false;
    const OpenedFile opened = openRegularFile(path, flags, false);
    switch (opened.failure) {
    case OpenFailure::None:
        break;
    case OpenFailure::Missing:
        missing = true;
        break;
    case OpenFailure::Link:
        problem =
            withValues(ORBETTA_WORDS("Tape", "The tape file %1 is a symbolic link, which is not followed."),
                       {path.string()});
        break;
    case OpenFailure::Folder:
        problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 is a folder."), {path.string()});
        break;
    case OpenFailure::NotRegular:
        problem =
            withValues(ORBETTA_WORDS("Tape", "The tape file %1 is not a regular file."), {path.string()});
        break;
    case OpenFailure::Other:
        problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be opened: %2."),
                             {path.string(), reason(opened.error)});
        break;
    }
    return opened.fd;
}

std::optional<std::size_t> pieceStart(std::string_view tail, std::size_t size) {
    if (tail.empty() || tail.back() == '\n')
        return std::nullopt;
    const std::size_t lastBreak = tail.rfind('\n');
    const std::size_t piece = lastBreak == std::string_view::npos ? tail.size() : tail.size() - lastBreak - 1;
    // The program writes no line longer than a tape line may be, nor its break.
    if (piece > kMaxLineBytes || (lastBreak == std::string_view::npos && tail.size() < size))
        return std::nullopt;
    return size - piece;
}

fs::path tapePath() {
    const fs::path state = stateDirectory();
    return state.empty() ? fs::path() : state / "orbetta" / "tape.txt";
}

Contents parse(std::string_view bytes, bool startsInsideLine) {
    Contents contents;
    if (startsInsideLine) {
        const std::size_t end = bytes.find('\n');
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    }
    // Only the newest lines are shown, so only they are looked at, from the end.
    std::vector<std::string_view> newest;
    // A piece of a line after the last break was cut short while it was written: it is no line.
    const std::size_t lastBreak = bytes.rfind('\n');
    // What follows the last break when it is too long to be a piece of a line is not the program's.
    contents.lossy = !bytes.empty() && bytes.back() != '\n' && !pieceStart(bytes, bytes.size());
    if (lastBreak == std::string_view::npos)
        return contents;
    bytes = bytes.substr(0, lastBreak + 1);
    std::size_t end = bytes.size() - 1; // the last line's break ends it; no empty line follows
    while (newest.size() < kKeptLines) {
        const std::size_t start = end == 0 ? std::string_view::npos : bytes.rfind('\n', end - 1);
        const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
        std::string_view line = bytes.substr(from, end - from);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        newest.push_back(line);
        if (start == std::string_view::npos)
            break;
        end = start;
        contents.older = newest.size() == kKeptLines;
    }
    bool replaced = false;
    bool cut = false;
    contents.lines.reserve(newest.size());
    for (auto it = newest.rbegin(); it != newest.rend(); ++it) {
        Cleaned line = clean(*it);
        replaced = replaced || line.replaced;
        cut = cut || line.cut;
        contents.lines.push_back(std::move(line.text));
    }
    contents.lossy = contents.lossy || replaced || cut;
    if (replaced)
        contents.problem = ORBETTA_WORDS(
            "Tape", "The tape file holds bytes that are not text; they are shown as \xEF\xBF\xBD.");
    else if (cut)
        contents.problem =
            ORBETTA_WORDS("Tape", "The tape file holds lines too long for a tape; they are cut.");
    return contents;
}

Contents read(const fs::path& path) {
    std::string problem;
    bool missing = false;
    const int fd = openRegular(path, O_RDONLY, problem, missing);
    if (fd < 0)
        return Contents{{}, problem};
    struct stat info {};
    ::fstat(fd, &info);
    const off_t size = info.st_size;
    const off_t from =
        size > static_cast<off_t>(kMaxReadBytes) ? size - static_cast<off_t>(kMaxReadBytes) : 0;
    std::string bytes(static_cast<std::size_t>(size - from), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, from + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be read: %2."),
                                 {path.string(), reason(errno)});
            break;
        }
        if (n == 0)
            break; // cut short meanwhile
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    Contents contents = parse(bytes, from > 0);
    contents.older = contents.older || from > 0;
    contents.lossy = contents.lossy || from > 0;
    if (!problem.empty())
        contents.problem = problem;
    else if (from > 0)
        contents.problem =
            withValues(ORBETTA_WORDS("Tape", "The tape file is %1 long; only its newest lines were read."),
                       {sizeText(size)});
    return contents;
}
} // namespace orbetta::tape
