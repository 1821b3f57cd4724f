#include "verifier/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace sealcheck {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : mFd(fd) {}
    ~FileDescriptor() {
        if (mFd >= 0) ::close(mFd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return mFd; }

  private:
    int mFd;
};

ssize_t ReadSome(int fd, std::uint8_t* buffer, std::size_t length) {
    constexpr std::size_t kMaxPiece = std::size_t{1} << 30;
    for (;;) {
        const ssize_t n = ::read(fd, buffer, length < kMaxPiece ? length : kMaxPiece);
        if (n >= 0 || errno != EINTR) return n;
    }
}

} // namespace

WholeFileStatus ReadWholeFile(const char* path, std::size_t minimumSize, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    struct stat before {};
    if (::stat(path, &before) != 0 || !S_ISREG(before.st_mode)) return WholeFileStatus::CannotRead;
    if (before.st_size < 0 ||
        static_cast<std::uintmax_t>(before.st_size) > std::numeric_limits<std::size_t>::max())
        return WholeFileStatus::CannotRead;
    const auto size = static_cast<std::size_t>(before.st_size);
    if (size < minimumSize) return WholeFileStatus::TooShort;

    // O_NONBLOCK: should the path have been replaced by a pipe since the check
    // above, opening it must not wait for a writer.
    FileDescriptor fd(::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return WholeFileStatus::CannotRead;
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != before.st_dev ||
        opened.st_ino != before.st_ino || opened.st_size != before.st_size)
        return WholeFileStatus::CannotRead;

    std::vector<std::uint8_t> buffer;
    try {
        buffer.resize(size);
    } catch (const std::bad_alloc&) {
        return WholeFileStatus::CannotRead;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ReadSome(fd.get(), buffer.data() + done, size - done);
        if (n <= 0) return WholeFileStatus::CannotRead; // error, or the file shrank
        done += static_cast<std::size_t>(n);
    }
    std::uint8_t extra = 0;
    if (ReadSome(fd.get(), &extra, 1) != 0) return WholeFileStatus::CannotRead; // error, or the file grew

    bytes = std::move(buffer);
    return WholeFileStatus::Read;
}

} // namespace sealcheck
