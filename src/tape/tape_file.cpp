#include "tape/tape_file.h"

#include "files/atomic_replace.h"
#include "files/folders.h"

#include <cerrno>
#include <chrono>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

namespace orbetta::tape {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTrimEvery = 1000; // appends between two looks at the file's length
// After a write (and the request that the disk keep it) the writing thread takes new lines together for this
// long: a person makes a line far less often, so each is still written and kept as it is made, while a burst
// of lines costs one write.
constexpr std::chrono::milliseconds kSyncInterval{20};

// Whether the open file still has its name: a rewrite replaces it by rename, and a program that stops keeping
// the tape removes it, both under the lock that the caller holds or does not need.
bool stillNamed(int fd) {
    struct stat open {};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

TapeFile::TapeFile(fs::path path) : path_(std::move(path)) {}

TapeFile::~TapeFile() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        failed_ = false; // one more try for what is left
    }
    wanted_.notify_one();
    if (writer_.joinable())
        writer_.join();
    const std::lock_guard file(fileMutex_);
    closeFile();
}

void TapeFile::append(std::string_view line) {
    bool wake = false;
    {
        const std::lock_guard lock(mutex_);
        queue_.emplace_back(line);
        if (queue_.size() > kKeptLines)
            queue_.pop_front();
        failed_ = false;
        if (!writer_.joinable())
            writer_ = std::thread([this] { writerLoop(); });
        wake = idle_;
    }
    // While the thread waits out its interval, waking it would cost a switch of threads for nothing.
    if (wake)
        wanted_.notify_one();
}

bool TapeFile::flush() {
    std::unique_lock lock(mutex_);
    if (queue_.empty() && inFlight_ == 0)
        return true;
    if (!writer_.joinable())
        writer_ = std::thread([this] { writerLoop(); });
    // The lines queued now are tried by the thread's next attempt, or the one after if it is writing.
    const unsigned long until = attempts_ + (inFlight_ > 0 ? 2 : 1);
    failed_ = false;
    flushWanted_ = true;
    wanted_.notify_one();
    tried_.wait(lock, [&] { return attempts_ >= until; });
    return queue_.empty() && inFlight_ == 0;
}

std::size_t TapeFile::unwritten() const {
    const std::lock_guard lock(mutex_);
    return queue_.size() + inFlight_;
}

std::string TapeFile::problem() const {
    const std::lock_guard lock(mutex_);
    return problem_;
}

void TapeFile::writerLoop() {
    std::unique_lock lock(mutex_);
    while (true) {
        idle_ = true;
        wanted_.wait(lock, [this] { return (!queue_.empty() && !failed_) || flushWanted_ || stopping_; });
        idle_ = false;
        flushWanted_ = false;
        if (queue_.empty() || failed_) {
            ++attempts_;
            tried_.notify_all();
            if (stopping_)
                return;
            continue;
        }
        lock.unlock();
        std::deque<std::string> batch;
        std::string problem;
        std::size_t written = 0;
        {
            // The file first, then the lines: a removal or rewrite under way finishes before they are taken.
            const std::lock_guard file(fileMutex_);
            lock.lock();
            batch.swap(queue_);
            inFlight_ = batch.size();
            lock.unlock();
            written = batch.empty() ? 0 : writeLines(batch, problem);
            if (written > 0) {
                ::fdatasync(fd_);
                trimFile();
            }
        }
        lock.lock();
        // What was not written goes back before the lines that came meanwhile.
        queue_.insert(queue_.begin(),
                      std::make_move_iterator(batch.begin() + static_cast<std::ptrdiff_t>(written)),
                      std::make_move_iterator(batch.end()));
        while (queue_.size() > kKeptLines)
            queue_.pop_front();
        inFlight_ = 0;
        failed_ = written < batch.size();
        problem_ = std::move(problem);
        ++attempts_;
        tried_.notify_all();
        if (stopping_)
            return;
        // Lines made in a burst (a key held down, a pasted sequence) share the next write.
        wanted_.wait_for(lock, kSyncInterval, [this] { return stopping_ || flushWanted_; });
    }
}

bool TapeFile::openFile(std::string& problem) {
    if (fd_ >= 0)
        return true;
    if (path_.empty()) {
        problem = "There is no home folder to keep the tape in.";
        return false;
    }
    if (!createFolders(path_.parent_path())) {
        problem = "The folder " + path_.parent_path().string() + " cannot be made.";
        return false;
    }
    bool missing = false;
    const int fd = openRegular(path_, O_RDWR | O_APPEND | O_CREAT, problem, missing);
    if (fd < 0)
        return false;
    // A file whose last line was cut short (a power cut, a full disk) gets the next line on a line of its
    // own.
    struct stat info {};
    char last = '\n';
    if (::fstat(fd, &info) == 0 && info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1)
        last = '\n';
    needsBreak_ = last != '\n';
    fd_ = fd;
    return true;
}

void TapeFile::closeFile() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::size_t TapeFile::writeLines(const std::deque<std::string>& lines, std::string& problem) {
    // Twice at most: a file that was replaced (trimmed by another program, removed) is opened again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!openFile(problem))
            return 0;
        if (::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
            problem = "The tape file is being trimmed; the line is written with the next one.";
            return 0;
        }
        if (!stillNamed(fd_)) {
            closeFile();
            continue;
        }
        std::string text = needsBreak_ ? "\n" : "";
        for (const std::string& line : lines) {
            text += line;
            text += '\n';
        }
        std::size_t done = 0;
        int error = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                error = n < 0 ? errno : ENOSPC;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        ::flock(fd_, LOCK_UN);
        // The lines written whole are done; one cut short is written again, on a line of its own.
        std::size_t at = needsBreak_ ? 1 : 0;
        if (done >= at)
            needsBreak_ = false;
        std::size_t written = 0;
        while (written < lines.size() && at + lines[written].size() + 1 <= done)
            at += lines[written++].size() + 1;
        if (done > at)
            needsBreak_ = true;
        writtenSinceTrim_ += written;
        if (error != 0) {
            problem = "The tape file " + path_.string() + " cannot be written: " + reason(error) + ".";
            closeFile();
        }
        return written;
    }
    return 0;
}

bool TapeFile::rewrite(const std::vector<std::string>& first, bool keepFile) {
    flush(); // the lines handed over are in the file that is rewritten
    std::string problem;
    bool done = false;
    {
        const std::lock_guard file(fileMutex_);
        done = rewriteFile(first, keepFile, problem);
    }
    const std::lock_guard lock(mutex_);
    problem_ = problem;
    return done;
}

bool TapeFile::rewriteFile(const std::vector<std::string>& first, bool keepFile, std::string& problem) {
    if (!openFile(problem))
        return false;
    if (!stillNamed(fd_)) {
        closeFile();
        if (!openFile(problem))
            return false;
    }
    // Appends of other programs wait for the rewrite (they keep their lines meanwhile).
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        problem = "The tape file is in use; it was not rewritten.";
        return false;
    }
    std::vector<std::string> lines = first;
    if (keepFile) {
        Contents now = read(path_);
        lines.insert(lines.end(), std::make_move_iterator(now.lines.begin()),
                     std::make_move_iterator(now.lines.end()));
    }
    if (lines.size() > kKeptLines)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(kKeptLines));
    const bool replaced = replaceFileAtomically(path_, joined(lines), 0600);
    if (!replaced)
        problem = "The tape file " + path_.string() + " cannot be rewritten.";
    closeFile(); // and with it the lock; the next write opens the new file
    return replaced;
}

void TapeFile::trimFile() {
    if (fd_ < 0 || (trimLooked_ && writtenSinceTrim_ < kTrimEvery))
        return;
    trimLooked_ = true;
    writtenSinceTrim_ = 0;
    struct stat info {};
    // A tape line is rarely shorter than 4 bytes; a shorter file cannot hold too many.
    if (::fstat(fd_, &info) != 0 || info.st_size < static_cast<off_t>(4 * kKeptLines))
        return;
    if (!read(path_).older)
        return;
    std::string ignored; // a trim that fails is tried again later
    rewriteFile({}, true, ignored);
}

void TapeFile::remove() {
    const std::lock_guard file(fileMutex_);
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        problem_.clear();
    }
    closeFile();
    needsBreak_ = false;
    struct stat info {};
    // Only the tape's own regular file; whatever else stands there is not ours to delete.
    if (::lstat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        ::unlink(path_.c_str());
}

} // namespace orbetta::tape
