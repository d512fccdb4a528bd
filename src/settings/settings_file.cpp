#include "settings/settings_file.h"

#include "files/atomic_replace.h"
#include "files/folders.h"
#include "files/regular_file.h"
#include "settings/settings_text.h"

#include <cerrno>
#include <optional>
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
    const OpenedFile opened = openRegularFile(path, O_RDONLY, true);
    if (opened.fd < 0) {
        return opened.failure == OpenFailure::Missing ? Load::Missing : Load::Unusable;
    }
    const int fd = opened.fd;
    struct stat info {};
    Load status = Load::Read;
    if (::fstat(fd, &info) != 0) {
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

// ---- Links ----

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

std::string firstCharacters(std::string_view text) {
    text = text.substr(0, text.find('\0')); // the classic reader hands out a C string
    return std::string(text.substr(0, kMaxSettingLength));
}

} // namespace

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
        if (!createFolders(path.parent_path())) {
            return false;
        }
        return replaceFileAtomically(path, settings_text::withValue("", section, key, value), std::nullopt);
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
    return replaceFileAtomically(path, updated, mode);
}

} // namespace orbetta
