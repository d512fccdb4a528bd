#include "tape/tape_file.h"

#include "files/atomic_replace.h"
#include "files/folders.h"

#include "core/words.h"
#include <cerrno>
#include <chrono>
#include <ctime>
#include <optional>
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

// Whether the open file is still the one of that name: a rewrite replaces it by rename, and a program that
// stops keeping the tape removes it or sets it aside, all under the lock that the caller holds or does not
// need.
bool stillNamed(int fd, const fs::path& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The lock, waiting a little for other programs' appends, which hold their shared lock only while they write.
bool lockWithin(int fd, int operation) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(fd, operation | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// The last bytes of the file, at most count of them.
std::string tailOf(int fd, off_t size, std::size_t count) {
    const off_t from = size > static_cast<off_t>(count) ? size - static_cast<off_t>(count) : 0;
    std::string tail(static_cast<std::size_t>(size - from), '\0');
    std::size_t got = 0;
    while (got < tail.size()) {
        const ssize_t n = ::pread(fd, tail.data() + got, tail.size() - got, from + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    tail.resize(got);
    return tail;
}

// A name beside the file for a copy of it, with the day and time, that no file has yet.
fs::path asideName(const fs::path& path) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
    const std::string base = path.stem().string() + "-set-aside-" + stamp;
    fs::path name = path.parent_path() / (base + path.extension().string());
    struct stat info {};
    for (int n = 2; ::lstat(name.c_str(), &info) == 0; ++n)
        name = path.parent_path() / (base + "-" + std::to_string(n) + path.extension().string());
    return name;
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

TapeFile::TapeFile(fs::path path, std::function<bool()> stillKept)
    : path_(std::move(path)), stillKept_(std::move(stillKept)) {}

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

std::string TapeFile::notice() const {
    const std::lock_guard lock(mutex_);
    return notice_;
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
        if (keptOff_) {
            // Another program stopped keeping the tape: what is left here is not written.
            queue_.clear();
            batch.clear();
            written = 0;
        }
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
        problem = ORBETTA_WORDS("Tape", "There is no home folder to keep the tape in.");
        return false;
    }
    if (!createFolders(path_.parent_path())) {
        problem = withValues(ORBETTA_WORDS("Tape", "The folder %1 cannot be made."),
                             {path_.parent_path().string()});
        return false;
    }
    bool missing = false;
    int fd = openRegular(path_, O_RDWR | O_APPEND, problem, missing);
    if (fd < 0 && missing) {
        // Made anew only while the tape is still kept: another program may have stopped keeping it.
        if (stillKept_ && !stillKept_()) {
            keptOff_ = true;
            return false;
        }
        fd = openRegular(path_, O_RDWR | O_APPEND | O_CREAT, problem, missing);
    }
    if (fd < 0)
        return false;
    fd_ = fd;
    return true;
}

void TapeFile::closeFile() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::size_t TapeFile::writeLines(const std::deque<std::string>& lines, std::string& problem) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    // A few times at most: a file that was replaced (trimmed by another program, removed, set aside) is
    // opened again, and one that ends inside a line is mended first.
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (!openFile(problem))
            return 0;
        if (!lockWithin(fd_, LOCK_SH)) {
            problem = ORBETTA_WORDS("Tape",
                                    "The tape file is being trimmed; the line is written with the next one.");
            return 0;
        }
        if (!stillNamed(fd_, path_)) {
            closeFile();
            continue;
        }
        struct stat info {};
        char last = '\n';
        if (::fstat(fd_, &info) == 0 && info.st_size > 0 && ::pread(fd_, &last, 1, info.st_size - 1) != 1)
            last = '\n';
        if (last != '\n') {
            ::flock(fd_, LOCK_UN);
            if (!mendTail(problem))
                return 0;
            continue;
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
        // The lines written whole are done; the rest is written again once the piece of a line is removed.
        std::size_t at = 0;
        std::size_t written = 0;
        while (written < lines.size() && at + lines[written].size() + 1 <= done)
            at += lines[written++].size() + 1;
        writtenSinceTrim_ += written;
        if (error != 0) {
            problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be written: %2."),
                                 {path_.string(), reason(error)});
            if (done > at) {
                std::string ignored; // tried again before the next write when it fails now
                mendTail(ignored);
            }
            closeFile();
        }
        return written;
    }
    return 0;
}

bool TapeFile::mendTail(std::string& problem) {
    if (!lockWithin(fd_, LOCK_EX)) {
        problem = ORBETTA_WORDS("Tape", "The tape file is in use; the line is written with the next one.");
        return false;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !stillNamed(fd_, path_)) {
        closeFile();
        return true; // replaced meanwhile: the next attempt opens the new file
    }
    const std::string tail = tailOf(fd_, info.st_size, kMaxLineBytes + 1);
    if (tail.empty() || tail.back() == '\n') {
        ::flock(fd_, LOCK_UN);
        return true;
    }
    if (const std::optional<std::size_t> cut = pieceStart(tail, static_cast<std::size_t>(info.st_size))) {
        const bool removed = ::ftruncate(fd_, static_cast<off_t>(*cut)) == 0;
        if (!removed)
            problem = withValues(
                ORBETTA_WORDS("Tape", "The tape file %1 ends inside a line that cannot be removed: %2."),
                {path_.string(), reason(errno)});
        ::flock(fd_, LOCK_UN);
        return removed;
    }
    // What follows the last line is too long to be one: the file is kept aside as it is and begun again
    // with the lines that can be read.
    const Contents now = read(path_);
    const bool begun =
        setAside(problem, [&] { return replaceFileAtomically(path_, joined(now.lines), 0600); });
    if (!begun && problem.empty())
        problem =
            withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be rewritten."), {path_.string()});
    closeFile(); // and with it the lock
    return begun;
}

bool TapeFile::setAside(std::string& problem, const std::function<bool()>& replace) {
    const fs::path aside = asideName(path_);
    if (::link(path_.c_str(), aside.c_str()) != 0) {
        problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 holds what the tape cannot show, and it "
                                                   "cannot be kept aside: %2. It is left as it is."),
                             {path_.string(), reason(errno)});
        return false;
    }
    if (!replace()) {
        ::unlink(aside.c_str()); // the file stays as it was, under its own name
        return false;
    }
    const std::lock_guard lock(mutex_);
    notice_ = withValues(
        ORBETTA_WORDS("Tape", "The tape file held what the tape cannot show (bytes that are not text, or "
                              "more than is read); it is kept as %1, and the tape goes on in a new file."),
        {aside.string()});
    return true;
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
    if (!stillNamed(fd_, path_)) {
        closeFile();
        if (!openFile(problem))
            return false;
    }
    // Appends of other programs wait for the rewrite (they keep their lines meanwhile).
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        problem = ORBETTA_WORDS("Tape", "The tape file is in use; it was not rewritten.");
        return false;
    }
    std::vector<std::string> lines = first;
    Contents now = read(path_);
    if (keepFile) {
        lines.insert(lines.end(), std::make_move_iterator(now.lines.begin()),
                     std::make_move_iterator(now.lines.end()));
    }
    if (lines.size() > kKeptLines)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(kKeptLines));
    const auto replace = [&] { return replaceFileAtomically(path_, joined(lines), 0600); };
    // Nothing the file holds is lost without a word: what its lines cannot give back is kept aside.
    const bool replaced = now.lossy ? setAside(problem, replace) : replace();
    if (!replaced && problem.empty())
        problem =
            withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be rewritten."), {path_.string()});
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

std::string TapeFile::remove() {
    const std::lock_guard file(fileMutex_);
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        problem_.clear();
    }
    closeFile();
    struct stat info {};
    // Only the tape's own regular file; whatever else stands there is not ours to delete.
    if (::lstat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    std::string problem;
    const auto unlink = [&] {
        if (::unlink(path_.c_str()) == 0)
            return true;
        problem = withValues(ORBETTA_WORDS("Tape", "The tape file %1 cannot be removed: %2."),
                             {path_.string(), reason(errno)});
        return false;
    };
    if (read(path_).lossy)
        setAside(problem, unlink);
    else
        unlink();
    return problem;
}

} // namespace orbetta::tape
