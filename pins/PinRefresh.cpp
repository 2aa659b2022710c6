#include "ui/CPinBoardDlg.h"

#include "pins/PinMap.h"
#include "port/PortDiscovery.h"

namespace {

template <std::size_t N>
void ShowPins(CPinBoardDlg& board, const std::array<int, N>& pins, std::uint8_t value)
{
    for (int pin : pins)
        board.SetPinState(ShownLevel(PinAt(pin), value), pin);
}

std::uint8_t ReadRegister(PortAddress offset)
{
    return ReadPortByte(static_cast<PortAddress>(g_portBase + offset));
}

} // namespace

void CPinBoardDlg::ShowDataPins()
{
    ShowPins(*this, DATA_PINS, g_dataShadow);
}

void CPinBoardDlg::ShowStatusPins()
{
    ShowPins(*this, STATUS_PINS, g_statusShadow);
}

void CPinBoardDlg::ShowControlPins()
{
    ShowPins(*this, CONTROL_PINS, g_controlShadow);
}

void CPinBoardDlg::RefreshDataPins()
{
    g_dataShadow = ReadRegister(DATA_REGISTER);
    ShowDataPins();
}

void CPinBoardDlg::RefreshStatusPins()
{
    g_statusShadow = ReadRegister(STATUS_REGISTER);
    ShowStatusPins();
}

void CPinBoardDlg::RefreshControlPins()
{
    g_controlShadow = ReadRegister(CONTROL_REGISTER);
    ShowControlPins();
}
