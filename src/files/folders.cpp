#include "files/folders.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orbetta {

namespace fs = std::filesystem;

namespace {

// The directory an environment variable names when it is absolute, else the given folder under the home.
fs::path userDirectory(const char* variable, const fs::path& underHome) {
    if (const char* named = std::getenv(variable); named != nullptr && fs::path(named).is_absolute()) {
        return named;
    }
    const fs::path home = homeDirectory();
    return home.empty() ? fs::path() : home / underHome;
}

} // namespace

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
    return userDirectory("XDG_CONFIG_HOME", ".config");
}

fs::path stateDirectory() {
    return userDirectory("XDG_STATE_HOME", fs::path(".local") / "state");
}

bool createFolders(const fs::path& folder) {
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
    if (parent != folder && !createFolders(parent)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) == 0) {
        return true;
    }
    // Another process may have made it meanwhile.
    return errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace orbetta
