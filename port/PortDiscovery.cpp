#include "port/PortDiscovery.h"

PortAddress* g_portList = nullptr;
std::uint8_t g_portCount = 0;
PortAddress g_portBase = 0;

namespace {

// Room for every candidate; lives as long as the process.
std::array<PortAddress, PORT_CANDIDATES.size()> s_portTable{};

// Write 0x00 and 0xFF, reading each back at once. A rejected address keeps the
// last pattern written; an accepted one is listed and gets its data back.
void ProbeCandidate(PortAddress address)
{
    const std::uint8_t saved = ReadPortByte(address);
    WritePortByte(address, 0x00);
    if (ReadPortByte(address) != 0x00)
        return;
    WritePortByte(address, 0xFF);
    if (ReadPortByte(address) != 0xFF)
        return;
    s_portTable[g_portCount++] = address;
    WritePortByte(address, saved);
}

} // namespace

void DiscoverPorts()
{
    g_portList = s_portTable.data();
    g_portCount = 0;
    for (PortAddress candidate : PORT_CANDIDATES)
        ProbeCandidate(candidate);
}

void ResetPortState()
{
    g_portList = nullptr;
    g_portCount = 0;
    g_portBase = 0;
    g_dataShadow = 0;
    g_statusShadow = 0;
    g_controlShadow = 0;
}
