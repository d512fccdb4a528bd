#include "shell/settings_file.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include <fcntl.h>

namespace orbetta {

namespace fs = std::filesystem;

namespace {

// ---- The text format ----

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

bool isComment(std::string_view line) {
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// The name of a section line such as "[Settings]" (anything after the bracket is ignored), or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(line.substr(1, close - 1));
}

// Where a key lives in the text of a settings file, or where it would go. Only the first section of the name
// and the first key of the name in it count, for reading and writing alike.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0; // the value without its surrounding blanks, when the key was found
    std::size_t valueEnd = 0;
    std::size_t insertAt = 0;      // after the section's last line that is not blank nor a comment
    bool insertNeedsBreak = false; // that line is the last of the file and has no line break
};

KeyPlace findKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    // A byte-order mark is not part of the first line.
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        const auto lineBreak = text.find('\n', pos);
        const bool lastLine = lineBreak == std::string_view::npos;
        std::size_t contentEnd = lastLine ? text.size() : lineBreak;
        if (contentEnd > pos && text[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        const std::size_t next = lastLine ? text.size() : lineBreak + 1;
        const std::string_view line = trimmed(text.substr(pos, contentEnd - pos));

        if (const auto name = sectionName(line)) {
            if (inSection) {
                return place; // the section ended without the key
            }
            if (sameName(*name, section)) {
                inSection = true;
                place.sectionFound = true;
                place.insertAt = next;
                place.insertNeedsBreak = lastLine;
            }
        } else if (inSection && !line.empty() && !isComment(line)) {
            place.insertAt = next;
            place.insertNeedsBreak = lastLine;
            const auto equals = line.find('=');
            if (equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key)) {
                const std::string_view value = trimmed(line.substr(equals + 1));
                place.keyFound = true;
                place.valueBegin = static_cast<std::size_t>(value.data() - text.data());
                place.valueEnd = place.valueBegin + value.size();
                return place;
            }
        }
        pos = next;
    }
    return place;
}

// New lines follow the file's own line ending; a file without one gets LF.
std::string_view lineEnding(std::string_view text) {
    const auto lineBreak = text.find('\n');
    return (lineBreak != std::string_view::npos && lineBreak > 0 && text[lineBreak - 1] == '\r') ? "\r\n"
                                                                                                 : "\n";
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const KeyPlace place = findKey(text, section, key);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (place.keyFound) {
        result.append(text.substr(0, place.valueBegin));
        result.append(value);
        result.append(text.substr(place.valueEnd));
        return result;
    }

    const std::string_view eol = lineEnding(text);
    // A file that ends without a line break keeps ending without one.
    const bool openEnd = !text.empty() && text.back() != '\n';
    std::string keyLine = std::string(key) + "=" + std::string(value);
    if (place.sectionFound) {
        const bool atEnd = place.insertAt == text.size();
        result.append(text.substr(0, place.insertAt));
        if (place.insertNeedsBreak) {
            result.append(eol);
        }
        result.append(keyLine);
        if (!(atEnd && openEnd)) {
            result.append(eol);
        }
        result.append(text.substr(place.insertAt));
        return result;
    }

    result.append(text);
    if (openEnd) {
        result.append(eol);
    }
    result.append("[").append(section).append("]").append(eol);
    result.append(keyLine);
    if (!openEnd) {
        result.append(eol);
    }
    return result;
}

// A name or value that would not read back as written: line breaks and NUL bytes would split or cut the
// line, a "]" would end the section name, an "=" would end the key, and a key that looks like a section or
// a comment would not be found again.
bool canWrite(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
    };
    if (section.empty() || key.empty() || hasBreak(section) || hasBreak(key) || hasBreak(value)) {
        return false;
    }
    return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != '[' && !isComment(key);
}

// ---- Files ----

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

// Creates a new file beside the target for the new contents; its name starts with a dot and the target's
// name.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                                   std::to_string(counter++) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
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
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

fs::path homeDirectory() {
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
    const fs::path home = homeDirectory();
    return home.empty() ? fs::path() : home / ".config";
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
    const KeyPlace place = findKey(text, trimmed(section), trimmed(key));
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
    fs::path path = settingsPath(file);
    if (path.empty() || !canWrite(section, key, value)) {
        return false;
    }
    // A settings file that is a link to another file is updated where it really lies; the link stays.
    std::error_code error;
    if (fs::exists(path, error)) {
        path = fs::canonical(path, error);
        if (error) {
            return false;
        }
    }

    std::string text;
    mode_t mode = 0;
    switch (loadFile(path, text, &mode)) {
    case Load::Unusable:
        return false; // rewriting a file we cannot read would lose it
    case Load::Missing:
        if (path.has_parent_path()) {
            fs::create_directories(path.parent_path(), error);
            if (error) {
                return false;
            }
        }
        return replaceFile(path, withValue("", section, key, value), std::nullopt);
    case Load::Read:
        break;
    }
    if (::access(path.c_str(), W_OK) != 0) {
        return false; // a file made read-only is meant to stay as it is
    }
    const std::string updated = withValue(text, section, key, value);
    if (updated.size() > kMaxSettingsFileSize) {
        return false; // it could not be read back
    }
    return replaceFile(path, updated, mode);
}

} // namespace orbetta
