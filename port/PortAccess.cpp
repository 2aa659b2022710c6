#include "port/PortAccess.h"

#include "port/PortBackend.h"

std::uint8_t g_dataShadow = 0;
std::uint8_t g_statusShadow = 0;
std::uint8_t g_controlShadow = 0;

namespace {

class EmptyBus final : public PortBackend {
public:
    std::uint8_t In(PortAddress) override { return 0xFF; }
    void Out(PortAddress, std::uint8_t) override {}
};

EmptyBus s_emptyBus;
PortBackend* s_backend = &s_emptyBus;

} // namespace

void SetPortBackend(PortBackend* backend)
{
    s_backend = backend ? backend : &s_emptyBus;
}

PortBackend& CurrentPortBackend()
{
    return *s_backend;
}

std::uint8_t ReadPortByte(PortAddress address)
{
    return s_backend->In(address);
}

void WritePortByte(PortAddress address, std::uint8_t value)
{
    s_backend->Out(address, value);
}

void DisablePortInterrupt(PortAddress base)
{
    const PortAddress control = static_cast<PortAddress>(base + CONTROL_REGISTER);
    const std::uint8_t now = ReadPortByte(control);
    WritePortByte(control, static_cast<std::uint8_t>(now & ~CONTROL_INTERRUPT_ENABLE));
}
