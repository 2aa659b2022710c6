#include "port/Bidirectional.h"

namespace {

constexpr std::uint8_t BIT5 = 0x20;
constexpr std::uint8_t BIT6 = 0x40;

// With the data lines supposedly turned around, nothing we write may show on them.
bool DataLinesIgnoreWrites(PortAddress data)
{
    const std::uint8_t first = ReadPortByte(data);
    WritePortByte(data, 0xFF);
    if (ReadPortByte(data) != first)
        return false;
    WritePortByte(data, 0x00);
    return ReadPortByte(data) == first;
}

void WriteControlShadow(PortAddress base)
{
    WritePortByte(static_cast<PortAddress>(base + CONTROL_REGISTER), g_controlShadow);
}

} // namespace

BidirMode RunBidirTest(PortAddress base)
{
    const PortAddress data = static_cast<PortAddress>(base + DATA_REGISTER);
    const PortAddress control = static_cast<PortAddress>(base + CONTROL_REGISTER);

    BidirMode found = BIDIR_NONE;
    const std::uint8_t saved = ReadPortByte(data);
    std::uint8_t work = ReadPortByte(control);

    work |= BIT5;
    WritePortByte(control, work);
    if (DataLinesIgnoreWrites(data))
        found = BIDIR_BIT5;
    work &= ~BIT5;
    WritePortByte(control, work);
    WritePortByte(data, saved);
    if (found == BIDIR_BIT5)
        return found;

    work |= BIT6;
    work &= ~BIT5;
    WritePortByte(control, work);
    if (DataLinesIgnoreWrites(data))
        found = BIDIR_BIT6;
    // Back as the bit-6 chips want it: bit 5 up while bit 6 drops, then both low.
    work &= ~BIT6;
    work |= BIT5;
    WritePortByte(control, work);
    WritePortByte(data, saved);
    work &= ~BIT5;
    WritePortByte(control, work);
    return found;
}

void EnterInputDirection(PortAddress base, BidirMode mode)
{
    if (mode == BIDIR_BIT5) {
        g_controlShadow |= BIT5;
        WriteControlShadow(base);
    } else if (mode == BIDIR_BIT6) {
        g_controlShadow |= BIT6;
        g_controlShadow &= ~BIT5;
        WriteControlShadow(base);
    }
}

void LeaveInputDirection(PortAddress base, BidirMode mode)
{
    if (mode == BIDIR_BIT5) {
        g_controlShadow &= ~BIT5;
        WriteControlShadow(base);
    } else if (mode == BIDIR_BIT6) {
        g_controlShadow &= ~BIT6;
        g_controlShadow |= BIT5;
        WriteControlShadow(base);
        g_controlShadow &= ~BIT5;
        WriteControlShadow(base);
    }
}
