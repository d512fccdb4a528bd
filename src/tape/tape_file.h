#pragma once
// The tape's file: one UTF-8 line per step, appended as it is made, kept between runs.

#include "tape/tape_contents.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace orbetta::tape {

// Appends lines to the file with O_APPEND, the lines of a moment in one write, so that a kill loses at most
// the line being written and two programs appending to one file lose none of each other's lines. A line cut
// short (a full disk, a kill in the middle of a write) is removed before the next write, under an exclusive
// lock that the appends, which hold a shared one, keep out; readers skip it meanwhile. The writing
// and the request that the disk keep what was written (fdatasync) are done by a thread of its own, so a key
// press makes no system call and a slow disk never holds it up: a line made while the thread waits is
// written at once; lines made in a burst are written together a few milliseconds later. A line that could not
// be written is kept and written with the next one. Now and then the file is trimmed to its newest
// kKeptLines by an atomic rewrite, under a lock that keeps the appends of other programs out meanwhile.
class TapeFile {
public:
    // stillKept, when given, is asked before the file is made anew where it is missing: another program may
    // have stopped keeping the tape and removed it, and then this one writes no more.
    explicit TapeFile(std::filesystem::path path, std::function<bool()> stillKept = {});
    // Writes what it can of the lines not written yet.
    ~TapeFile();
    TapeFile(const TapeFile&) = delete;
    TapeFile& operator=(const TapeFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Hands the line to the writing thread; the lines that failed before go first.
    void append(std::string_view line);
    // Waits until every line handed over has been tried once more; returns whether all reached the file.
    bool flush();
    // Lines handed over that are not in the file (yet).
    std::size_t unwritten() const;
    // What went wrong with the last write, in one line; empty when it succeeded.
    std::string problem() const;
    // What was done to the file that the user should know of (a damaged file set aside), in one line; empty
    // when nothing was.
    std::string notice() const;
    // The file was found removed and stillKept said no: nothing is written until resume().
    bool keptOff() const { return keptOff_; }
    void resume() { keptOff_ = false; }

    // Rewrites the file atomically with the lines first and then, when keepFile is set, the lines the file
    // holds now, keeping the newest kKeptLines. Returns whether the file was rewritten.
    bool rewrite(const std::vector<std::string>& first, bool keepFile);
    // Removes the file and forgets the lines not written. A file that holds more than its lines give back is
    // set aside instead. Returns what went wrong, in one line; empty when the file is gone.
    std::string remove();

private:
    void writerLoop();
    // With fileMutex_ held: the file's part of the work.
    bool openFile(std::string& problem);
    void closeFile();
    std::size_t writeLines(const std::deque<std::string>& lines, std::string& problem);
    bool rewriteFile(const std::vector<std::string>& first, bool keepFile, std::string& problem);
    void trimFile();
    // With the file open and no lock of this program's on it: a line cut short at the file's end is removed,
    // under the exclusive lock; a tail too long for a line sets the file aside and begins it again.
    bool mendTail(std::string& problem);
    // Gives the file a second name beside it, which keeps its bytes when replace() replaces or removes the
    // tape's file, and says so in the notice; when replace() fails, the second name goes again.
    bool setAside(std::string& problem, const std::function<bool()>& replace);

    std::filesystem::path path_;
    std::function<bool()> stillKept_;
    std::atomic<bool> keptOff_ = false;

    // Shared by the caller and the writing thread.
    mutable std::mutex mutex_;
    std::condition_variable wanted_; // lines to write, a flush, or the end
    std::condition_variable tried_;  // the thread has tried its lines
    std::deque<std::string> queue_;  // lines not in the file, oldest first
    std::size_t inFlight_ = 0;       // lines the thread is writing now
    bool idle_ = false;              // the thread waits for lines (not out its interval)
    bool failed_ = false;            // the last write failed: tried again with the next line or a flush
    bool flushWanted_ = false;
    bool stopping_ = false;
    unsigned long attempts_ = 0;
    std::string problem_;
    std::string notice_;
    std::thread writer_;

    // Only the holder of fileMutex_ touches the file.
    std::mutex fileMutex_;
    int fd_ = -1;
    std::size_t writtenSinceTrim_ = 0;
    bool trimLooked_ = false; // the first write looks too: a run may be shorter than the interval
};

} // namespace orbetta::tape
