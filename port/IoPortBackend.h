#pragma once

#include "port/PortBackend.h"

#include <string>

// Direct x86 port instructions on the three parallel-port windows.
class IoPortBackend final : public PortBackend {
public:
    std::uint8_t In(PortAddress address) override;
    void Out(PortAddress address, std::uint8_t value) override;
};

enum class PortPermission {
    Granted,
    Refused,     // the kernel said no: the process lacks CAP_SYS_RAWIO
    Unavailable, // no direct port access on this system at all
};

struct PortPermissionResult {
    PortPermission outcome;
    int error;           // errno of the refusal, 0 when granted
    std::string message; // what to tell the user when not granted
};

// ioperm() on exactly the three 3-byte windows, never iopl(). Must run before any
// privilege is dropped; the grant outlives the drop.
PortPermissionResult RequestPortPermission();
