#include "platform/posix/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

std::FILE *OpenRegularFile(const std::string &posixPath, bool &special) {
    special = false;
    // O_NONBLOCK keeps the open itself from waiting for a writer on a named pipe.
    const int descriptor = open(posixPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        special = true;
        close(descriptor);
        errno = EINVAL;
        return nullptr;
    }
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE *file = fdopen(descriptor, "rb");
    if (file == nullptr) {
        const int failure = errno;
        close(descriptor);
        errno = failure;
    }
    return file;
}
