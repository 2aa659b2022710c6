#pragma once

#include "port/PortAccess.h"

#include <array>
#include <cstdint>

// The standard parallel-port bases, in the order they are probed.
constexpr std::array<PortAddress, 3> PORT_CANDIDATES = {0x378, 0x278, 0x3BC};

// The ports that answered the probe, in probe order; entries past g_portCount mean nothing.
extern PortAddress* g_portList;
extern std::uint8_t g_portCount;
// The current port: every register access of the pin board goes to it.
extern PortAddress g_portBase;

// Probes the data register of every candidate (write 0x00 and 0xFF, read each back)
// and fills the table. An accepted port gets its data register back as it was.
void DiscoverPorts();

// Back to the state before discovery, shadows included. For tests and benchmarks.
void ResetPortState();
