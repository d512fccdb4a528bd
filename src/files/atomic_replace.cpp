#include "files/atomic_replace.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orbetta {

namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// ---- Temporary files ----
//
// New contents go to ".<name>.<pid>.<n>.tmp" beside the file, <pid> being the writing process and <n> its
// count of writes. A writer killed before its rename leaves that file behind; the next successful write
// removes it once its writer is known to be gone.

// A stale file's writer may be a process that ended while a new one took its number; no write takes this
// long.
constexpr std::time_t kAbandonedAfterSeconds = 60 * 60;

// The temporary files this process is writing now, which no clean-up of its own may take.
std::mutex& inFlightMutex() {
    static std::mutex mutex;
    return mutex;
}
std::set<std::string>& inFlight() {
    static std::set<std::string> names;
    return names;
}

std::string temporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".";
}

// Creates a new file beside the target for the new contents and marks it as being written.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename(temporaryPrefix(target) + std::to_string(::getpid()) + "." +
                                   std::to_string(counter++) + ".tmp");
        {
            const std::lock_guard lock(inFlightMutex());
            inFlight().insert(temporary.filename().string());
        }
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            return fd;
        }
        const int error = errno;
        {
            const std::lock_guard lock(inFlightMutex());
            inFlight().erase(temporary.filename().string());
        }
        if (error != EEXIST) {
            return -1;
        }
    }
    return -1;
}

void finishTemporary(const fs::path& temporary) {
    const std::lock_guard lock(inFlightMutex());
    inFlight().erase(temporary.filename().string());
}

// The writer's process number in a name of the temporary pattern, or nothing for any other name.
std::optional<pid_t> temporaryWriter(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    name.remove_suffix(4);
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    const auto allDigits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view pid = name.substr(0, dot);
    if (!allDigits(pid) || !allDigits(name.substr(dot + 1))) {
        return std::nullopt;
    }
    pid_t number = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), number);
    if (error != std::errc() || end != pid.data() + pid.size() || number <= 0) {
        return std::nullopt;
    }
    return number;
}

// A temporary file is stale when its writer cannot be writing it any more: its process is gone, or it is
// this process and the file is none of its writes under way, or it was last changed so long ago that its
// number now belongs to another process.
bool isStale(const std::string& name, pid_t writer, const struct stat& info) {
    if (writer == ::getpid()) {
        const std::lock_guard lock(inFlightMutex());
        return !inFlight().contains(name);
    }
    if (::kill(writer, 0) != 0 && errno == ESRCH) {
        return true;
    }
    const std::time_t now = std::time(nullptr);
    return now - info.st_mtime > kAbandonedAfterSeconds;
}

// Removes the stale temporary files of the target's own pattern in the target's folder; nothing else.
void removeStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::optional<pid_t> writer = temporaryWriter(name, prefix);
        struct stat info {};
        if (!writer || ::lstat(entry->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        if (isStale(name, *writer, info)) {
            ::unlink(entry->path().c_str()); // a file another clean-up took first is gone all the same
        }
    }
}

void syncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the rename is durable once the directory is; a failure here loses nothing
        ::close(fd);
    }
}

} // namespace

bool replaceFileAtomically(const fs::path& target, std::string_view contents, std::optional<unsigned> mode) {
    fs::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = (!mode || ::fchmod(fd, static_cast<mode_t>(*mode)) == 0) && writeAll(fd, contents) &&
              ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    finishTemporary(temporary);
    if (!ok) {
        return false;
    }
    syncDirectory(target.parent_path());
    removeStaleTemporaries(target);
    return true;
}

} // namespace orbetta
