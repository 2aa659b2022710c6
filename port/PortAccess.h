#pragma once

#include <cstdint>

// A 16-bit x86 I/O address. A parallel port has three byte registers from its base.
using PortAddress = std::uint16_t;

enum : PortAddress {
    DATA_REGISTER = 0,
    STATUS_REGISTER = 1,
    CONTROL_REGISTER = 2,
};

// Bit 4 of the control register enables the port's interrupt; this program never wants it.
constexpr std::uint8_t CONTROL_INTERRUPT_ENABLE = 0x10;

// One input or output instruction each, issued at once and in program order:
// the probe and the bidirectional test write a value and read it straight back.
std::uint8_t ReadPortByte(PortAddress address);
void WritePortByte(PortAddress address, std::uint8_t value);

// Bit n of a byte as 0 or 1.
constexpr bool TestBit(std::uint8_t value, int bit)
{
    return ((value >> bit) & 1) != 0;
}

// Clears the interrupt-enable bit on the hardware, from what the register holds now.
void DisablePortInterrupt(PortAddress base);

// What the program last took over from, or wrote to, each register of the current port.
extern std::uint8_t g_dataShadow;
extern std::uint8_t g_statusShadow;
extern std::uint8_t g_controlShadow;
