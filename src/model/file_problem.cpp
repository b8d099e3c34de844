#include "model/file_problem.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileProblem ProblemOf(int errorNumber) {
    return {SystemReason(errorNumber), errorNumber == ENOENT};
}

FileProblem ProblemOfType(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return ProblemOf(EISDIR);
    return {QStringLiteral("Not a regular file")};
}

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

QString SystemReason(int errorNumber) {
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(errorNumber, buffer, sizeof buffer));
}

FileProblem RegularFileProblem(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return ProblemOf(errno);
    return ProblemOfType(info.st_mode);
}

OwnFileContent ReadOwnFile(const QString& path, qint64 maxBytes) {
    // Opening without blocking: a FIFO would otherwise wait for a writer for ever.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return {{}, ProblemOf(errno)};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return {{}, ProblemOf(errno)};
    if (const FileProblem problem = ProblemOfType(info.st_mode); !problem.none())
        return {{}, problem};
    if (info.st_size > maxBytes) return {{}, ProblemOf(EFBIG)};

    // The file may grow while it is read: the limit holds for what is read.
    QByteArray bytes;
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {{}, ProblemOf(errno)};
        if (got == 0) break;
        bytes.append(chunk, qsizetype(got));
        if (bytes.size() > maxBytes) return {{}, ProblemOf(EFBIG)};
    }
    return {bytes, {}};
}
