#pragma once
// The user's folders, and folders only the user can enter.

#include <filesystem>

namespace orbetta {

// The user's home directory: $HOME when it is absolute, else the password database's entry; empty when none.
std::filesystem::path homeDirectory();
// The per-user configuration directory: $XDG_CONFIG_HOME when it is absolute, else ~/.config; empty when
// there is no home.
std::filesystem::path configDirectory();
// The per-user state directory: $XDG_STATE_HOME when it is absolute, else ~/.local/state; empty when there is
// no home.
std::filesystem::path stateDirectory();
// Creates the missing folders of a path, each with mode 0700 as the base-directory convention asks for the
// folders of a user's configuration and state; folders that exist keep their mode.
bool createFolders(const std::filesystem::path& folder);

} // namespace orbetta
