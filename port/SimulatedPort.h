#pragma once

#include "port/PortBackend.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Levels on the 25 pins of the connector: bit p is pin p (bit 0 unused).
using PinLevels = std::uint32_t;

constexpr PinLevels PinBit(int pin)
{
    return PinLevels{1} << pin;
}

// What a device puts on the lines: the pins in mask, at the levels in levels.
struct PinDrive {
    PinLevels mask = 0;
    PinLevels levels = 0;
};

// Something plugged into the connector. It sees the lines as the port drives them
// (undriven lines float high) and answers with the lines it drives itself.
class PortDevice {
public:
    virtual ~PortDevice() = default;
    virtual PinDrive Drive(PinLevels lines) const = 0;
};

// Wires data pins 2, 3, 4, 5, 6 to status pins 15, 13, 12, 10, 11.
class LoopbackPlug final : public PortDevice {
public:
    PinDrive Drive(PinLevels lines) const override;
};

// Holds chosen lines at chosen levels, like a bench supply on a few pins.
class LineDriver final : public PortDevice {
public:
    void SetLevel(int pin, bool high);
    void Release(int pin);
    // Drives pins 2 to 9 with a byte, bit 0 on pin 2.
    void DriveDataLines(std::uint8_t value);
    PinDrive Drive(PinLevels lines) const override;

private:
    PinDrive m_drive;
};

// How the data lines of a chip are turned into inputs, if at all.
enum class SimChipKind {
    OutputOnly,    // "spp": the data register always reads back its latch
    Bit5Direction, // "ps2": control bit 5 set turns the data lines to input
    Bit6Direction, // "bit6": control bit 6 set with bit 5 clear does it
};

// One parallel-port chip with its three registers and whatever is plugged into it.
class SimulatedChip {
public:
    explicit SimulatedChip(SimChipKind kind);

    std::uint8_t Read(int offset) const;
    void Write(int offset, std::uint8_t value);

    // Devices are shared so that a test can keep driving one it attached.
    void Attach(std::shared_ptr<PortDevice> device);

    SimChipKind Kind() const { return m_kind; }
    bool DataLinesAreInputs() const;
    std::uint8_t DataLatch() const { return m_dataLatch; }
    std::uint8_t ControlRegister() const { return m_control; }
    // Status bits 0 to 2 belong to no pin; chips use them for flags of their own.
    void SetStatusFlagBits(std::uint8_t bits);
    // The levels on every pin as a meter on the connector would see them.
    PinLevels Lines() const;

private:
    PinLevels PortDrivenLines(PinLevels& mask) const;

    SimChipKind m_kind;
    std::uint8_t m_dataLatch = 0x00;
    std::uint8_t m_control = 0x0C;
    std::uint8_t m_statusFlags = 0x07;
    std::vector<std::shared_ptr<PortDevice>> m_devices;
};

// The I/O space of a machine with simulated chips: an address that no chip decodes
// reads 0xFF and drops writes, as an empty ISA bus does.
class SimulatedBus final : public PortBackend {
public:
    SimulatedChip& AddChip(PortAddress base, SimChipKind kind);
    SimulatedChip* ChipAt(PortAddress base);

    std::uint8_t In(PortAddress address) override;
    void Out(PortAddress address, std::uint8_t value) override;

private:
    SimulatedChip* Decode(PortAddress address, int& offset);

    // A handful at most: a list is the quickest to search.
    std::vector<std::pair<PortAddress, std::unique_ptr<SimulatedChip>>> m_chips;
};
