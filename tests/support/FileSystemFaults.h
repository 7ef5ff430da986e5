// Scope objects that make the file system refuse writes in this process.
//
//   {
//       FileSizeLimit diskFull(100);       // writes beyond 100 bytes fail
//       NoPermissionOverride asUser;       // folder permissions hold for root too
//       ...
//   }
#ifndef KFA_TESTS_FILE_SYSTEM_FAULTS_H
#define KFA_TESTS_FILE_SYSTEM_FAULTS_H

#include <sys/resource.h>

#include <csignal>

// Files cannot grow beyond `bytes`: a write past it fails as on a full disk
// (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

// Drops the capability that lets root ignore file permissions, so that a
// folder without write permission refuses new files also when the tests
// run as root.
class NoPermissionOverride {
public:
    NoPermissionOverride();
    ~NoPermissionOverride();
    NoPermissionOverride(const NoPermissionOverride&) = delete;
    NoPermissionOverride& operator=(const NoPermissionOverride&) = delete;

private:
    unsigned savedEffective_[2] = {0, 0};
};

#endif
