#include "ui/CPinBoardDlg.h"

#include "port/PortDiscovery.h"

namespace {

// Only the bits that some pin shows count as a change.
constexpr std::uint8_t STATUS_CHANGE_MASK = 0xF8;
constexpr std::uint8_t CONTROL_CHANGE_MASK = 0x0F;

} // namespace

void CPinBoardDlg::OnTimer(int)
{
    const std::uint8_t status = ReadPortByte(static_cast<PortAddress>(g_portBase + STATUS_REGISTER));
    if ((status ^ g_statusShadow) & STATUS_CHANGE_MASK) {
        g_statusShadow = status;
        ShowStatusPins();
    }

    const std::uint8_t control = ReadPortByte(static_cast<PortAddress>(g_portBase + CONTROL_REGISTER));
    if ((control ^ g_controlShadow) & CONTROL_CHANGE_MASK) {
        g_controlShadow = control;
        ShowControlPins();
    }

    const std::uint8_t data = ReadPortByte(static_cast<PortAddress>(g_portBase + DATA_REGISTER));
    if (data != g_dataShadow) {
        g_dataShadow = data;
        ShowDataPins();
    }
}
