#include "port/SimulatedPort.h"

#include <array>

namespace {

constexpr int DATA_FIRST_PIN = 2;
constexpr PinLevels ALL_PINS = 0x03FFFFFE; // pins 1 to 25

// Status bits 3 to 7 and the pins they carry; bit 7 reads the inverse of its pin.
struct StatusLine {
    int bit;
    int pin;
    bool inverted;
};
constexpr StatusLine STATUS_LINES[] = {
    {3, 15, false}, {4, 13, false}, {5, 12, false}, {6, 10, false}, {7, 11, true},
};

// Control bits 0 to 3 and the pins they drive; three of them through inverters.
struct ControlLine {
    int bit;
    int pin;
    bool inverted;
};
constexpr ControlLine CONTROL_LINES[] = {
    {0, 1, true}, {1, 14, true}, {2, 16, false}, {3, 17, true},
};

constexpr PinLevels CONTROL_PIN_MASK = PinBit(1) | PinBit(14) | PinBit(16) | PinBit(17);
constexpr PinLevels DATA_PIN_MASK = PinLevels{0xFF} << DATA_FIRST_PIN;

// The levels on the control pins for each value of control bits 0 to 3, worked out
// once from the table above: the poll reads the status register twenty times a second.
constexpr std::array<PinLevels, 16> CONTROL_PIN_LEVELS = [] {
    std::array<PinLevels, 16> levels{};
    for (unsigned value = 0; value < 16; ++value) {
        for (const ControlLine& line : CONTROL_LINES) {
            if (((value >> line.bit) & 1) != unsigned(line.inverted))
                levels[value] |= PinBit(line.pin);
        }
    }
    return levels;
}();

// Loopback wiring: data pin -> status pin.
constexpr std::pair<int, int> LOOPBACK_WIRES[] = {
    {2, 15}, {3, 13}, {4, 12}, {5, 10}, {6, 11},
};

bool Level(PinLevels lines, int pin)
{
    return (lines & PinBit(pin)) != 0;
}

} // namespace

PinDrive LoopbackPlug::Drive(PinLevels lines) const
{
    PinDrive drive;
    for (auto [from, to] : LOOPBACK_WIRES) {
        drive.mask |= PinBit(to);
        if (Level(lines, from))
            drive.levels |= PinBit(to);
    }
    return drive;
}

void LineDriver::SetLevel(int pin, bool high)
{
    m_drive.mask |= PinBit(pin);
    if (high)
        m_drive.levels |= PinBit(pin);
    else
        m_drive.levels &= ~PinBit(pin);
}

void LineDriver::Release(int pin)
{
    m_drive.mask &= ~PinBit(pin);
    m_drive.levels &= ~PinBit(pin);
}

void LineDriver::DriveDataLines(std::uint8_t value)
{
    for (int bit = 0; bit < 8; ++bit)
        SetLevel(DATA_FIRST_PIN + bit, (value >> bit) & 1);
}

PinDrive LineDriver::Drive(PinLevels) const
{
    return m_drive;
}

SimulatedChip::SimulatedChip(SimChipKind kind)
    : m_kind(kind)
{
}

bool SimulatedChip::DataLinesAreInputs() const
{
    switch (m_kind) {
    case SimChipKind::OutputOnly:
        return false;
    case SimChipKind::Bit5Direction:
        return (m_control & 0x20) != 0;
    case SimChipKind::Bit6Direction:
        return (m_control & 0x60) == 0x40;
    }
    return false;
}

void SimulatedChip::SetStatusFlagBits(std::uint8_t bits)
{
    m_statusFlags = bits & 0x07;
}

void SimulatedChip::Attach(std::shared_ptr<PortDevice> device)
{
    m_devices.push_back(std::move(device));
}

PinLevels SimulatedChip::PortDrivenLines(PinLevels& mask) const
{
    PinLevels levels = CONTROL_PIN_LEVELS[m_control & 0x0F];
    mask = CONTROL_PIN_MASK;
    if (!DataLinesAreInputs()) {
        mask |= DATA_PIN_MASK;
        levels |= PinLevels{m_dataLatch} << DATA_FIRST_PIN;
    }
    return levels;
}

PinLevels SimulatedChip::Lines() const
{
    PinLevels portMask = 0;
    const PinLevels portLevels = PortDrivenLines(portMask);
    // Lines the port leaves alone float high through the pull-ups.
    const PinLevels seen = portLevels | (ALL_PINS & ~portMask);
    PinLevels lines = seen;
    for (const auto& device : m_devices) {
        const PinDrive drive = device->Drive(seen);
        const PinLevels free = drive.mask & ~portMask;
        lines = (lines & ~free) | (drive.levels & free);
    }
    return lines;
}

std::uint8_t SimulatedChip::Read(int offset) const
{
    switch (offset) {
    case DATA_REGISTER: {
        if (!DataLinesAreInputs())
            return m_dataLatch;
        return static_cast<std::uint8_t>(Lines() >> DATA_FIRST_PIN);
    }
    case STATUS_REGISTER: {
        const PinLevels lines = Lines();
        std::uint8_t status = m_statusFlags;
        for (const StatusLine& line : STATUS_LINES) {
            if (Level(lines, line.pin) != line.inverted)
                status |= static_cast<std::uint8_t>(1u << line.bit);
        }
        return status;
    }
    case CONTROL_REGISTER:
        return m_control;
    }
    return 0xFF;
}

void SimulatedChip::Write(int offset, std::uint8_t value)
{
    if (offset == DATA_REGISTER)
        m_dataLatch = value;
    else if (offset == CONTROL_REGISTER)
        m_control = value;
    // The status register is read-only: writes to it go nowhere.
}

SimulatedChip& SimulatedBus::AddChip(PortAddress base, SimChipKind kind)
{
    for (auto& [existing, chip] : m_chips) {
        if (existing == base) {
            chip = std::make_unique<SimulatedChip>(kind);
            return *chip;
        }
    }
    m_chips.emplace_back(base, std::make_unique<SimulatedChip>(kind));
    return *m_chips.back().second;
}

SimulatedChip* SimulatedBus::ChipAt(PortAddress base)
{
    for (auto& [existing, chip] : m_chips) {
        if (existing == base)
            return chip.get();
    }
    return nullptr;
}

SimulatedChip* SimulatedBus::Decode(PortAddress address, int& offset)
{
    for (auto& [base, chip] : m_chips) {
        if (address >= base && address < base + 3) {
            offset = address - base;
            return chip.get();
        }
    }
    return nullptr;
}

std::uint8_t SimulatedBus::In(PortAddress address)
{
    int offset = 0;
    SimulatedChip* chip = Decode(address, offset);
    return chip ? chip->Read(offset) : 0xFF;
}

void SimulatedBus::Out(PortAddress address, std::uint8_t value)
{
    int offset = 0;
    if (SimulatedChip* chip = Decode(address, offset))
        chip->Write(offset, value);
}
