#pragma once
// The tape's file: one UTF-8 line per step, appended as it is made, kept between runs.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
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
};

// The lines of a file's bytes: lines end at LF (a CR before it is dropped), a last line without one is read
// as far as it goes, bytes that are not UTF-8 text (NUL, other control characters, invalid sequences)
// become U+FFFD, over-long lines are cut. When the bytes start inside a line (the end of a larger file),
// that partial line is dropped.
Contents parse(std::string_view bytes, bool startsInsideLine = false);

// Reads a tape file without ever blocking: a missing file is an empty tape; a folder, a pipe, a device, a
// link or an unreadable file gives no lines and says why.
Contents read(const std::filesystem::path& path);

// Appends lines to the file, each in one write with O_APPEND, so that a kill loses at most the line being
// written and two programs appending to one file lose none of each other's lines. The disk is asked to
// keep each line (fdatasync) on a thread of its own, so a slow disk never holds up a key press. A line that
// could not be written is kept and written before the next one. Now and then the file is trimmed to its
// newest kKeptLines by an atomic rewrite, under a lock that keeps appends out meanwhile.
class TapeFile {
public:
    explicit TapeFile(std::filesystem::path path);
    ~TapeFile();
    TapeFile(const TapeFile&) = delete;
    TapeFile& operator=(const TapeFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the line, after those that failed before it. Returns whether all of them reached the file.
    bool append(std::string_view line);
    // Tries again to write the lines not written yet; returns whether none is left.
    bool flush();
    // Lines given to append() that are not in the file yet.
    std::size_t unwritten() const { return pending_.size(); }
    // What went wrong with the last append, in one line; empty when it succeeded.
    const std::string& problem() const { return problem_; }

    // Rewrites the file atomically with the lines first and then, when keepFile is set, the lines the file
    // holds now, keeping the newest kKeptLines. Returns whether the file was rewritten.
    bool rewrite(const std::vector<std::string>& first, bool keepFile);
    // Trims the file when it holds more than kKeptLines lines.
    bool trim();
    // Removes the file and forgets the lines not written.
    void remove();

private:
    bool openFile();
    void closeFile();
    bool writePending();
    void requestSync();
    void syncLoop();

    std::filesystem::path path_;
    int fd_ = -1;
    std::deque<std::string> pending_;
    bool needsBreak_ = false; // a write stopped inside a line: the next starts a new one
    std::string problem_;
    std::size_t appendedSinceTrim_ = 0; // the first append looks too: a run may be shorter than the interval

    // The thread that asks the disk to keep what was written.
    std::mutex syncMutex_;
    std::condition_variable syncWanted_;
    bool syncPending_ = false;
    bool stopping_ = false;
    std::thread syncer_;
};

} // namespace orbetta::tape
