#include "app/single_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace vantor {

SingleInstanceLock::~SingleInstanceLock() {
    Release();
}

SingleInstanceLock::Result SingleInstanceLock::Acquire(const QString& path) {
    Release();
    const QByteArray native = QFile::encodeName(path);
    int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Result::CannotOpen;
    // flock, not fcntl: SQLite's own fcntl locks on the same file must not
    // be dropped or confused by ours.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::HeldByOther : Result::CannotOpen;
    }
    fd_ = fd;
    return Result::Locked;
}

bool SingleInstanceLock::CopyFrom(const QString& templatePath) {
    if (fd_ < 0) return false;
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly)) return false;
    const QByteArray content = source.readAll();
    if (source.error() != QFile::NoError) return false;
    if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0) return false;
    const char* data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        ssize_t written = ::write(fd_, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return ::fsync(fd_) == 0;
}

void SingleInstanceLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace vantor
