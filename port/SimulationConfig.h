#pragma once

#include "port/SimulatedPort.h"

#include <string>
#include <string_view>
#include <vector>

// One simulated port as the user names it: "378", "0x3bc:spp", "278:bit6+loopback".
struct SimulatedPortSetup {
    PortAddress base;
    SimChipKind kind;
    bool loopback;

    bool operator==(const SimulatedPortSetup&) const = default;
};

// What a bare --simulate means: one bidirectional port with a loopback plug.
constexpr std::string_view DEFAULT_SIMULATION = "378:ps2+loopback";

struct SimulationParse {
    bool ok = false;
    std::vector<SimulatedPortSetup> ports;
    std::string error; // one line, naming the part that is wrong
};

// A comma-separated list of ADDRESS[:KIND][+loopback], or "none" for a machine
// without a parallel port.
SimulationParse ParseSimulatedPorts(std::string_view text);

void BuildSimulatedBus(SimulatedBus& bus, const std::vector<SimulatedPortSetup>& ports);
