#pragma once
// The working database doubles as the single-instance guard: the running
// viewer holds an exclusive lock on it for the whole run.

#include <QString>

namespace vantor {

class SingleInstanceLock {
  public:
    enum class Result { Locked, HeldByOther, CannotOpen };

    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Opens (creating when missing) and locks `path` without waiting.
    Result Acquire(const QString& path);
    // Replaces the locked file's content with `templatePath`'s, keeping the
    // lock (the file is rewritten in place, not replaced).
    bool CopyFrom(const QString& templatePath);
    void Release();
    bool IsHeld() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace vantor
