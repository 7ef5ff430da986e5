#include "support/FileSystemFaults.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    rlimit limit{bytes, bytes};
    if (::sigaction(SIGXFSZ, &ignore, &savedAction_) != 0 || ::getrlimit(RLIMIT_FSIZE, &saved_) != 0)
        throw std::runtime_error("cannot limit the file size");
    limit.rlim_max = saved_.rlim_max;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the file size");
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &savedAction_, nullptr);
}

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

Capabilities currentCapabilities()
{
    Capabilities capabilities;
    if (::syscall(SYS_capget, &capabilities.header, capabilities.data) != 0)
        throw std::runtime_error("cannot read the capabilities");
    return capabilities;
}

bool setCapabilities(Capabilities& capabilities)
{
    return ::syscall(SYS_capset, &capabilities.header, capabilities.data) == 0;
}

}  // namespace

NoPermissionOverride::NoPermissionOverride()
{
    Capabilities capabilities = currentCapabilities();
    savedEffective_[0] = capabilities.data[0].effective;
    savedEffective_[1] = capabilities.data[1].effective;
    capabilities.data[0].effective &= ~(1U << CAP_DAC_OVERRIDE);
    if (!setCapabilities(capabilities))
        throw std::runtime_error("cannot drop a capability");
}

NoPermissionOverride::~NoPermissionOverride()
{
    Capabilities capabilities;
    if (::syscall(SYS_capget, &capabilities.header, capabilities.data) != 0)
        return;
    capabilities.data[0].effective = savedEffective_[0];
    capabilities.data[1].effective = savedEffective_[1];
    setCapabilities(capabilities);
}
