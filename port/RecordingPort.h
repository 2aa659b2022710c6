#pragma once

#include "port/PortBackend.h"

#include <functional>
#include <string>
#include <vector>

struct PortAccess {
    enum Kind { Read, Write };
    Kind kind;
    PortAddress address;
    std::uint8_t value;

    bool operator==(const PortAccess&) const = default;
};

// "read  0x379 -> 0x7F" or "write 0x37A <- 0x0C".
std::string FormatAccess(const PortAccess& access);

// Passes every access through to another backend and notes it, in order: the log
// that tests compare with the register traffic the program must produce, and the
// live trace for a person debugging hardware.
class RecordingPort final : public PortBackend {
public:
    explicit RecordingPort(PortBackend& inner, bool keepLog = true);

    std::uint8_t In(PortAddress address) override;
    void Out(PortAddress address, std::uint8_t value) override;

    // Called for each access as it happens.
    void SetListener(std::function<void(const PortAccess&)> listener);

    const std::vector<PortAccess>& Accesses() const { return m_log; }
    std::size_t Count() const { return m_count; }
    void Clear();

private:
    void Note(const PortAccess& access);

    PortBackend& m_inner;
    bool m_keepLog;
    std::size_t m_count = 0;
    std::vector<PortAccess> m_log;
    std::function<void(const PortAccess&)> m_listener;
};
