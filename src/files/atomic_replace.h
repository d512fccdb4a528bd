#pragma once
// Replacing a file's contents so that it is always either the old file or the new one.

#include <filesystem>
#include <optional>
#include <string_view>

namespace orbetta {

// Replaces the file by the contents so that, whatever happens, it is either the old file or the new one: the
// contents go to a temporary file beside it, reach the disk, and then take the target's name. The new file
// gets the mode; without one, a new file's mode follows the umask. Temporary files that earlier writes of the
// same file left behind when they were killed are removed. Returns false when it failed; the old file is then
// intact.
bool replaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                           std::optional<unsigned> mode);

} // namespace orbetta
