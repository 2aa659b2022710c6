#include "port/SimulationConfig.h"

#include "port/PortDiscovery.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool ParseAddress(std::string_view text, PortAddress& address)
{
    std::string digits = Lower(text);
    if (digits.starts_with("0x"))
        digits.erase(0, 2);
    if (digits.empty() || digits.size() > 4 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        }))
        return false;
    const unsigned long value = std::stoul(digits, nullptr, 16);
    for (PortAddress candidate : PORT_CANDIDATES) {
        if (candidate == value) {
            address = candidate;
            return true;
        }
    }
    return false;
}

struct KindName {
    std::string_view name;
    SimChipKind kind;
};
constexpr KindName KIND_NAMES[] = {
    {"spp", SimChipKind::OutputOnly},
    {"ps2", SimChipKind::Bit5Direction},
    {"bit6", SimChipKind::Bit6Direction},
};

SimulationParse Fail(std::string message)
{
    SimulationParse result;
    result.error = std::move(message);
    return result;
}

} // namespace

SimulationParse ParseSimulatedPorts(std::string_view text)
{
    text = Trim(text);
    if (Lower(text) == "none") {
        SimulationParse result;
        result.ok = true;
        return result;
    }
    if (text.empty())
        return Fail("no simulated port given (use ADDRESS[:KIND][+loopback], or none)");

    SimulationParse result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = Trim(text.substr(start, comma - start));
        const std::string quoted = std::string(1, '\'').append(item).append(1, '\'');
        if (item.empty())
            return Fail("empty entry in the simulated port list");

        std::string_view rest = item;
        bool loopback = false;
        if (const std::size_t plus = rest.find('+'); plus != std::string_view::npos) {
            if (Lower(Trim(rest.substr(plus + 1))) != "loopback")
                return Fail("unknown device '" + std::string(rest.substr(plus + 1)) + "' in " + quoted
                            + " (the only device is loopback)");
            loopback = true;
            rest = rest.substr(0, plus);
        }
        SimChipKind kind = SimChipKind::Bit5Direction;
        if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
            const std::string name = Lower(Trim(rest.substr(colon + 1)));
            const auto known = std::find_if(std::begin(KIND_NAMES), std::end(KIND_NAMES),
                                            [&](const KindName& k) { return k.name == name; });
            if (known == std::end(KIND_NAMES))
                return Fail("unknown port kind '" + std::string(Trim(rest.substr(colon + 1))) + "' in " + quoted
                            + " (use spp, ps2 or bit6)");
            kind = known->kind;
            rest = rest.substr(0, colon);
        }
        PortAddress base = 0;
        if (!ParseAddress(Trim(rest), base))
            return Fail("bad port address '" + std::string(Trim(rest)) + "' in " + quoted
                        + " (use 378, 278 or 3BC)");
        for (const SimulatedPortSetup& earlier : result.ports) {
            if (earlier.base == base)
                return Fail("port address '" + std::string(Trim(rest)) + "' is given twice");
        }
        result.ports.push_back({base, kind, loopback});
        start = comma + 1;
    }
    result.ok = true;
    return result;
}

void BuildSimulatedBus(SimulatedBus& bus, const std::vector<SimulatedPortSetup>& ports)
{
    for (const SimulatedPortSetup& port : ports) {
        SimulatedChip& chip = bus.AddChip(port.base, port.kind);
        if (port.loopback)
            chip.Attach(std::make_shared<LoopbackPlug>());
    }
}
