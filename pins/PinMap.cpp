#include "pins/PinMap.h"

#include "res/ResourceIds.h"

namespace {

constexpr PinInfo Data(int pin)
{
    return {pin, PinKind::Data, pin - 2, false, pin - 1, IDB_DATA_LOW, IDB_DATA_HIGH};
}
constexpr PinInfo Status(int pin, int bit, bool inverted, int index)
{
    return {pin, PinKind::Status, bit, inverted, index, IDB_STATUS_LOW, IDB_STATUS_HIGH};
}
constexpr PinInfo Control(int pin, int bit, bool inverted, int index)
{
    return {pin, PinKind::Control, bit, inverted, index, IDB_CONTROL_LOW, IDB_CONTROL_HIGH};
}
constexpr PinInfo Ground(int pin)
{
    return {pin, PinKind::Ground, -1, false, pin - 18, IDB_PIN_GROUND, IDB_PIN_GROUND};
}

} // namespace

const std::array<PinInfo, PIN_COUNT> PIN_TABLE = {{
    Control(1, 0, true, 0),
    Data(2), Data(3), Data(4), Data(5), Data(6), Data(7), Data(8), Data(9),
    Status(10, 6, false, 0),
    Status(11, 7, true, 1),
    Status(12, 5, false, 2),
    Status(13, 4, false, 3),
    Control(14, 1, true, 9),
    Status(15, 3, false, 4),
    Control(16, 2, false, 10),
    Control(17, 3, true, 11),
    Ground(18), Ground(19), Ground(20), Ground(21), Ground(22), Ground(23), Ground(24), Ground(25),
}};

const PinInfo& PinAt(int pin)
{
    return PIN_TABLE[static_cast<std::size_t>(pin - 1)];
}

int PinId(int pin)
{
    return IDC_PIN_BASE + pin;
}

int IsDataPin(int pin)
{
    return pin >= 2 && pin <= 9 ? 1 : 0;
}

int IsStatusPin(int pin)
{
    return (pin >= 10 && pin <= 13) || pin == 15 ? 1 : 0;
}

int ShownLevel(const PinInfo& info, std::uint8_t registerValue)
{
    const bool bit = TestBit(registerValue, info.bit);
    return (bit != info.inverted) ? 1 : 0;
}

PortAddress PinRegister(const PinInfo& info)
{
    switch (info.kind) {
    case PinKind::Data:
        return DATA_REGISTER;
    case PinKind::Status:
        return STATUS_REGISTER;
    default:
        return CONTROL_REGISTER;
    }
}
