#pragma once
// The tape's file: one UTF-8 line per step, appended as it is made, kept between runs.

#include "tape/tape_contents.h"

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

// Appends lines to the file with O_APPEND, the lines of a moment in one write, so that a kill loses at most
// the line being written and two programs appending to one file lose none of each other's lines. The writing
// and the request that the disk keep what was written (fdatasync) are done by a thread of its own, so a key
// press makes no system call and a slow disk never holds it up: a line made while the thread waits is
// written at once; lines made in a burst are written together a few milliseconds later. A line that could not
// be written is kept and written with the next one. Now and then the file is trimmed to its newest
// kKeptLines by an atomic rewrite, under a lock that keeps the appends of other programs out meanwhile.
class TapeFile {
public:
    explicit TapeFile(std::filesystem::path path);
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

    // Rewrites the file atomically with the lines first and then, when keepFile is set, the lines the file
    // holds now, keeping the newest kKeptLines. Returns whether the file was rewritten.
    bool rewrite(const std::vector<std::string>& first, bool keepFile);
    // Removes the file and forgets the lines not written.
    void remove();

private:
    void writerLoop();
    // With fileMutex_ held: the file's part of the work.
    bool openFile(std::string& problem);
    void closeFile();
    std::size_t writeLines(const std::deque<std::string>& lines, std::string& problem);
    bool rewriteFile(const std::vector<std::string>& first, bool keepFile, std::string& problem);
    void trimFile();

    std::filesystem::path path_;

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
    std::thread writer_;

    // Only the holder of fileMutex_ touches the file.
    std::mutex fileMutex_;
    int fd_ = -1;
    bool needsBreak_ = false; // the file ends inside a line: the next write starts a new one
    std::size_t writtenSinceTrim_ = 0;
    bool trimLooked_ = false; // the first write looks too: a run may be shorter than the interval
};

} // namespace orbetta::tape
