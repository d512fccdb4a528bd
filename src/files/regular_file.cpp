#include "files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbetta {

OpenedFile openRegularFile(const std::filesystem::path& path, int flags, bool followLinks) {
    OpenedFile opened;
    flags |= O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (!followLinks) {
        flags |= O_NOFOLLOW;
    }
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0) {
        const int error = errno;
        opened.failure = error == ENOENT   ? OpenFailure::Missing
                         : error == ELOOP  ? OpenFailure::Link
                         : error == EISDIR ? OpenFailure::Folder
                                           : OpenFailure::Other;
        opened.error = error;
        return opened;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        opened.failure = S_ISDIR(info.st_mode) ? OpenFailure::Folder : OpenFailure::NotRegular;
        ::close(fd);
        return opened;
    }
    // Reads and writes of a regular file do not wait for anyone; the flag only served the opening.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    opened.fd = fd;
    return opened;
}

} // namespace orbetta
