#include "ui/CPinBoardDlg.h"

#include "pins/PinMap.h"
#include "port/PortDiscovery.h"

// Flips one output line: the new register value is composed from its shadow, never
// read back from the port, so bits that no click owns go out as last remembered.
void CPinBoardDlg::ToggleOutputPin(int pin)
{
    const PinInfo& info = PinAt(pin);
    if (info.kind == PinKind::Data && m_inputDirection != 0)
        return;

    std::uint8_t& shadow = info.kind == PinKind::Data ? g_dataShadow : g_controlShadow;
    const auto setMask = static_cast<std::uint8_t>(1u << info.bit);
    if (TestBit(shadow, info.bit))
        shadow &= static_cast<std::uint8_t>(~setMask);
    else
        shadow |= setMask;
    WritePortByte(static_cast<PortAddress>(g_portBase + PinRegister(info)), shadow);
    SetPinState(ShownLevel(info, shadow), pin);
}
