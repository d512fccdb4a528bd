#include "settings/settings_file.h"

#include "settings/settings_text.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include <fcntl.h>

namespace orbetta {

namespace fs = std::filesystem;
using settings_text::trimmed;

namespace {

enum class Load { Read, Missing, Unusable };

// Reads a regular file of at most kMaxSettingsFileSize bytes. Anything else (a directory, a pipe, a device,
// an unreadable or oversized file) is unusable; a pipe is opened without blocking so it cannot hang us.
Load loadFile(const fs::path& path, std::string& contents, mode_t* mode = nullptr) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? Load::Missing : Load::Unusable;
    }
    struct stat info {};
    Load status = Load::Read;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        status = Load::Unusable;
    } else {
        if (mode != nullptr) {
            *mode = info.st_mode & 07777;
        }
        contents.clear();
        std::vector<char> chunk(64 * 1024);
        while (true) {
            const ssize_t n = ::read(fd, chunk.data(), chunk.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                status = Load::Unusable;
                break;
            }
            if (n == 0) {
                break;
            }
            if (contents.size() + static_cast<std::size_t>(n) > kMaxSettingsFileSize) {
                status = Load::Unusable;
                break;
            }
            contents.append(chunk.data(), static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (status != Load::Read) {
        contents.clear();
    }
    return status;
}

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

// Replaces the target by the new contents so that, whatever happens, the file is either the old one or the
// new one: the contents go to a temporary file beside it, reach the disk, and then take the target's name.
bool replaceFile(const fs::path& target, std::string_view contents, std::optional<mode_t> mode) {
    fs::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = (!mode || ::fchmod(fd, *mode) == 0) && writeAll(fd, contents) && ::fsync(fd) == 0;
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

// ---- Folders and links ----

// Creates the missing folders of a path, each with mode 0700 as the base-directory convention asks for the
// folders of a user's configuration; folders that exist keep their mode.
bool makeFolders(const fs::path& folder) {
    if (folder.empty()) {
        return true;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) {
        return S_ISDIR(info.st_mode);
    }
    if (errno != ENOENT) {
        return false;
    }
    const fs::path parent = folder.parent_path();
    if (parent != folder && !makeFolders(parent)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) == 0) {
        return true;
    }
    // Another process may have made it meanwhile.
    return errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Where a write of the settings file lands. A settings file that is a link is updated where the link leads,
// even when nothing is there yet, so the link stays a link. Nothing for a loop of links.
std::optional<fs::path> linkTarget(fs::path path) {
    constexpr int kMostLinks = 40; // as many as the system follows when it opens a path
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            return path;
        }
        std::error_code error;
        const fs::path to = fs::read_symlink(path, error);
        if (error || to.empty()) {
            return std::nullopt;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return std::nullopt;
}

// ---- Where the file lies ----

fs::path userHome() {
    if (const char* home = std::getenv("HOME"); home != nullptr && fs::path(home).is_absolute()) {
        return home;
    }
    std::vector<char> buffer(16 * 1024);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && fs::path(found->pw_dir).is_absolute()) {
        return found->pw_dir;
    }
    return {};
}

fs::path configDirectory() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME");
        config != nullptr && fs::path(config).is_absolute()) {
        return config;
    }
    const fs::path home = userHome();
    return home.empty() ? fs::path() : home / ".config";
}

std::string firstCharacters(std::string_view text) {
    text = text.substr(0, text.find('\0')); // the classic reader hands out a C string
    return std::string(text.substr(0, kMaxSettingLength));
}

} // namespace

fs::path homeDirectory() {
    return userHome();
}

bool createFolders(const fs::path& folder) {
    return makeFolders(folder);
}

bool replaceFileAtomically(const fs::path& target, std::string_view contents, unsigned mode) {
    return replaceFile(target, contents, static_cast<mode_t>(mode));
}

fs::path settingsPath(std::string_view file) {
    if (file.empty() || file.find('\0') != std::string_view::npos) {
        return {};
    }
    const fs::path name(file);
    if (name.has_parent_path()) {
        return name;
    }
    if (name == "." || name == "..") {
        return {};
    }
    const fs::path directory = configDirectory();
    return directory.empty() ? fs::path() : directory / name;
}

std::string readProfileString(std::string_view section, std::string_view key, std::string_view fallback,
                              std::string_view file) {
    const fs::path path = settingsPath(file);
    std::string text;
    if (path.empty() || loadFile(path, text) != Load::Read) {
        return firstCharacters(fallback);
    }
    const settings_text::KeyPlace place = settings_text::findKey(text, trimmed(section), trimmed(key));
    if (!place.keyFound) {
        return firstCharacters(fallback);
    }
    return firstCharacters(
        std::string_view(text).substr(place.valueBegin, place.valueEnd - place.valueBegin));
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
    section = trimmed(section);
    key = trimmed(key);
    const fs::path named = settingsPath(file);
    if (named.empty() || !settings_text::canWrite(section, key, value)) {
        return false;
    }
    const std::optional<fs::path> target = linkTarget(named);
    if (!target) {
        return false;
    }
    const fs::path& path = *target;

    std::string text;
    mode_t mode = 0;
    switch (loadFile(path, text, &mode)) {
    case Load::Unusable:
        return false; // rewriting a file we cannot read would lose it
    case Load::Missing:
        if (!makeFolders(path.parent_path())) {
            return false;
        }
        return replaceFile(path, settings_text::withValue("", section, key, value), std::nullopt);
    case Load::Read:
        break;
    }
    if (::access(path.c_str(), W_OK) != 0) {
        return false; // a file made read-only is meant to stay as it is
    }
    const std::string updated = settings_text::withValue(text, section, key, value);
    if (updated.size() > kMaxSettingsFileSize) {
        return false; // it could not be read back
    }
    return replaceFile(path, updated, mode);
}

} // namespace orbetta
