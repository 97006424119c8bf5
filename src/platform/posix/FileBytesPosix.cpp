#include "FileBytes.h"

#include "ProgramTexts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::u16string Reason(int error) {
    const std::string message = std::strerror(error);
    return std::u16string(message.begin(), message.end()); // the C library speaks ASCII here
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileBytes ReadFileBytes(const std::filesystem::path& path) {
    FileBytes result;
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        result.Failure = Reason(errno);
        return result;
    }
    struct stat status {};
    if (fstat(file.get(), &status) != 0) {
        result.Failure = Reason(errno);
        return result;
    }
    if (S_ISDIR(status.st_mode)) {
        result.Failure = Reason(EISDIR);
        return result;
    }
    if (static_cast<unsigned long long>(status.st_size) > MaxFileBytes) {
        result.Failure = texts::FileTooLargeReason;
        return result;
    }
    try {
        result.Bytes.reserve(static_cast<size_t>(status.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = read(file.get(), buffer, sizeof buffer);
            if (got < 0) {
                if (errno == EINTR) {
                    continue;
                }
                result.Failure = Reason(errno);
                result.Bytes.clear();
                return result;
            }
            if (got == 0) {
                break;
            }
            result.Bytes.append(buffer, static_cast<size_t>(got));
            if (result.Bytes.size() > MaxFileBytes) { // a device or pipe that does not end
                result.Bytes = std::string();
                result.Failure = texts::FileTooLargeReason;
                return result;
            }
        }
    } catch (const std::bad_alloc&) {
        result.Bytes = std::string();
        result.Failure = texts::OutOfMemoryReason;
        return result;
    }
    result.Read = true;
    return result;
}
