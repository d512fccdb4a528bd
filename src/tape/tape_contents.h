#pragma once
// What a tape file holds: where it lies, and reading it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbetta::tape {

// The tape keeps its newest lines; older ones are dropped when the file is trimmed and never shown.
inline constexpr std::size_t kKeptLines = 10000;
// A line of a file longer than this is cut: the program writes none that long.
inline constexpr std::size_t kMaxLineBytes = 1024;
// At most this much of a file's end is read, so a huge file costs no more than a full tape.
inline constexpr std::size_t kMaxReadBytes = std::size_t{4} << 20;

// Where the tape is kept: orbetta/tape.txt in $XDG_STATE_HOME when it is absolute, else in
// ~/.local/state. Empty when there is no home.
std::filesystem::path tapePath();

// What could be read of a tape file, and in one line what was wrong with it (empty when nothing was).
struct Contents {
    std::vector<std::string> lines; // the newest kKeptLines, oldest first
    std::string problem;
    bool older = false; // the file holds older lines than these
    // The file holds what these lines cannot give back: bytes that are not text, lines cut, or more than was
    // read. A rewrite from these lines sets the file aside first.
    bool lossy = false;
};

// The lines of a file's bytes: lines end at LF (a CR before it is dropped); bytes after the last LF are a
// line cut short (by a full disk or a kill in the middle of a write) and no line; bytes that are not UTF-8
// text (NUL, other control characters, invalid sequences) become U+FFFD, over-long lines are cut. When the
// bytes start inside a line (the end of a larger file), that partial line is dropped.
Contents parse(std::string_view bytes, bool startsInsideLine = false);

// Reads a tape file without ever blocking: a missing file is an empty tape; a folder, a pipe, a device, a
// link or an unreadable file gives no lines and says why.
Contents read(const std::filesystem::path& path);

// The file opened without following a link and without blocking on a pipe; only a regular file is kept
// open. -1 when it is anything else, with what is wrong in problem, or with missing set when it is not there.
int openRegular(const std::filesystem::path& path, int flags, std::string& problem, bool& missing);
// The system's description of an error number.
std::string reason(int error);

// Where a file of size bytes whose last bytes are tail (all of them when the file is shorter) is cut to
// remove a line cut short: after its last LF, or at 0 when it has none. Nothing when the file ends on a whole
// line or what follows its last LF is longer than any line the program writes, which is no piece of a line.
std::optional<std::size_t> pieceStart(std::string_view tail, std::size_t size);

} // namespace orbetta::tape
