#pragma once

#include "port/PortAccess.h"

// Where ReadPortByte and WritePortByte go: the real I/O space, a simulated bus, or a
// recorder around either. Chosen once at start-up; tests swap it freely.
class PortBackend {
public:
    virtual ~PortBackend() = default;
    virtual std::uint8_t In(PortAddress address) = 0;
    virtual void Out(PortAddress address, std::uint8_t value) = 0;
};

// The backend is not owned. Passing nullptr restores the empty bus, where every
// address reads 0xFF and writes go nowhere, so a stray access can never crash.
void SetPortBackend(PortBackend* backend);
PortBackend& CurrentPortBackend();
