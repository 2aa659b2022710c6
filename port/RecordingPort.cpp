#include "port/RecordingPort.h"

#include <cstdio>

std::string FormatAccess(const PortAccess& access)
{
    char line[40];
    if (access.kind == PortAccess::Read)
        std::snprintf(line, sizeof line, "read  0x%03X -> 0x%02X", access.address, access.value);
    else
        std::snprintf(line, sizeof line, "write 0x%03X <- 0x%02X", access.address, access.value);
    return line;
}

RecordingPort::RecordingPort(PortBackend& inner, bool keepLog)
    : m_inner(inner)
    , m_keepLog(keepLog)
{
}

std::uint8_t RecordingPort::In(PortAddress address)
{
    const std::uint8_t value = m_inner.In(address);
    Note({PortAccess::Read, address, value});
    return value;
}

void RecordingPort::Out(PortAddress address, std::uint8_t value)
{
    m_inner.Out(address, value);
    Note({PortAccess::Write, address, value});
}

void RecordingPort::SetListener(std::function<void(const PortAccess&)> listener)
{
    m_listener = std::move(listener);
}

void RecordingPort::Clear()
{
    m_log.clear();
    m_count = 0;
}

void RecordingPort::Note(const PortAccess& access)
{
    ++m_count;
    if (m_keepLog)
        m_log.push_back(access);
    if (m_listener)
        m_listener(access);
}
