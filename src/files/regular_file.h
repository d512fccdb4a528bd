#pragma once
// Opening a file that must be a regular one, without ever blocking on a pipe or a device.

#include <filesystem>

namespace orbetta {

enum class OpenFailure { None, Missing, Link, Folder, NotRegular, Other };

struct OpenedFile {
    int fd = -1; // -1 unless the file is open
    OpenFailure failure = OpenFailure::None;
    int error = 0; // the system's error number for OpenFailure::Other
};

// Opens the path with the flags (O_CREAT creates it with mode 0600) without blocking on a pipe, and keeps it
// open only when it is a regular file; reads and writes of it then do not wait. A link is followed only when
// followLinks is set; otherwise it fails with OpenFailure::Link.
OpenedFile openRegularFile(const std::filesystem::path& path, int flags, bool followLinks);

} // namespace orbetta
