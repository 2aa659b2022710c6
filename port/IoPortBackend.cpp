#include "port/IoPortBackend.h"

#include "port/PortDiscovery.h"

#include <cerrno>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define KELVARO_HAS_PORT_IO 1
#else
#define KELVARO_HAS_PORT_IO 0
#endif

namespace {

constexpr unsigned long PORT_WINDOW = 3;

const char* const HOW_TO_GRANT =
    "Direct access to the parallel port needs the CAP_SYS_RAWIO capability. Start kelvaro with sudo, "
    "or grant it once to the program file: sudo setcap cap_sys_rawio+ep $(command -v kelvaro). "
    "Kelvaro drops the privilege again before it opens any window. To try kelvaro without a port, "
    "use --simulate.";

} // namespace

#if KELVARO_HAS_PORT_IO

std::uint8_t IoPortBackend::In(PortAddress address)
{
    return inb(address);
}

void IoPortBackend::Out(PortAddress address, std::uint8_t value)
{
    outb(value, address);
}

PortPermissionResult RequestPortPermission()
{
    for (PortAddress base : PORT_CANDIDATES) {
        if (ioperm(base, PORT_WINDOW, 1) == 0)
            continue;
        const int error = errno;
        // Give back what was granted so far: all three windows or none.
        for (PortAddress granted : PORT_CANDIDATES) {
            if (granted == base)
                break;
            ioperm(granted, PORT_WINDOW, 0);
        }
        if (error == EPERM || error == EACCES)
            return {PortPermission::Refused, error,
                    std::string("Permission to access the parallel port registers was refused (")
                        + std::strerror(error) + "). " + HOW_TO_GRANT};
        return {PortPermission::Unavailable, error,
                std::string("This system offers no direct access to I/O ports (") + std::strerror(error)
                    + "), so no parallel port can be driven here. Use --simulate to work with a "
                      "simulated port."};
    }
    return {PortPermission::Granted, 0, {}};
}

#else

std::uint8_t IoPortBackend::In(PortAddress)
{
    return 0xFF;
}

void IoPortBackend::Out(PortAddress, std::uint8_t)
{
}

PortPermissionResult RequestPortPermission()
{
    return {PortPermission::Unavailable, ENOSYS,
            "Direct parallel-port access exists only on x86 PCs; this machine is not one. Use --simulate "
            "to work with a simulated port."};
}

#endif
