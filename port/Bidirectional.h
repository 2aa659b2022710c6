#pragma once

#include "port/PortAccess.h"

// How a port turns its data lines into inputs: 0 not known, 1 by control bit 5,
// 2 by control bit 6 with bit 5 clear.
using BidirMode = int;

constexpr BidirMode BIDIR_NONE = 0;
constexpr BidirMode BIDIR_BIT5 = 1;
constexpr BidirMode BIDIR_BIT6 = 2;

constexpr bool IsBidirMode(int value)
{
    return value == BIDIR_BIT5 || value == BIDIR_BIT6;
}

// Tries bit 5, then bit 6, by reading the data lines back after writing 0xFF and 0x00
// with the direction bit set. Works on the registers only: the shadows stay as they
// are. Leaves the data register as it was and the direction bits clear (bit 6 is
// left alone when bit 5 worked). Returns the mode found.
BidirMode RunBidirTest(PortAddress base);

// Switch the data lines of a port with a known mode, composing each control write
// from g_controlShadow; the register is never read first. Other modes do nothing.
void EnterInputDirection(PortAddress base, BidirMode mode);
void LeaveInputDirection(PortAddress base, BidirMode mode);
