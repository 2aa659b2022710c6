#pragma once

#include "port/PortDiscovery.h"
#include "port/RecordingPort.h"
#include "port/SimulationConfig.h"

#include <string_view>
#include <vector>

// A machine with simulated ports, every access recorded. Installs itself as the
// port backend for its lifetime and starts from a clean port state.
struct PortFixture {
    SimulatedBus bus;
    RecordingPort recorder{bus};

    explicit PortFixture(std::string_view ports = "none")
    {
        const SimulationParse parsed = ParseSimulatedPorts(ports);
        BuildSimulatedBus(bus, parsed.ports);
        ResetPortState();
        SetPortBackend(&recorder);
    }
    ~PortFixture() { SetPortBackend(nullptr); }

    PortFixture(const PortFixture&) = delete;
    PortFixture& operator=(const PortFixture&) = delete;

    SimulatedChip& Chip(PortAddress base) { return *bus.ChipAt(base); }
    const std::vector<PortAccess>& Log() const { return recorder.Accesses(); }
    void ClearLog() { recorder.Clear(); }

    // Discovery as start-up does it: the first port becomes current.
    void Discover()
    {
        DiscoverPorts();
        if (g_portCount > 0)
            g_portBase = g_portList[0];
    }
};

inline PortAccess R(PortAddress address, std::uint8_t value)
{
    return {PortAccess::Read, address, value};
}

inline PortAccess W(PortAddress address, std::uint8_t value)
{
    return {PortAccess::Write, address, value};
}
