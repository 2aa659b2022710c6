#pragma once

#include "port/PortAccess.h"

#include <array>

enum class PinKind { Data, Status, Control, Ground };

// One pin of the DB-25 connector: where its level comes from and how it is shown.
struct PinInfo {
    int pin;
    PinKind kind;
    int bit;          // in the register of its kind; -1 for ground
    bool inverted;    // the port inverts the line: the disc shows the complement
    int widgetIndex;  // in m_outputPins, m_statusPins or m_groundPins
    int lowImage;     // image id of the "0" disc (the "G" disc for ground)
    int highImage;
};

constexpr int PIN_COUNT = 25;
constexpr int OUTPUT_PIN_COUNT = 12;
constexpr int STATUS_PIN_COUNT = 5;
constexpr int GROUND_PIN_COUNT = 8;
constexpr int LAST_SIGNAL_PIN = 17;

// Indexed by pin - 1.
extern const std::array<PinInfo, PIN_COUNT> PIN_TABLE;

const PinInfo& PinAt(int pin); // pin 1 to 25
int PinId(int pin);            // the widget's command id

int IsDataPin(int pin);
int IsStatusPin(int pin);

// The order in which each register's pins are redrawn.
constexpr std::array<int, 8> DATA_PINS = {2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int, STATUS_PIN_COUNT> STATUS_PINS = {10, 11, 12, 13, 15};
constexpr std::array<int, 4> CONTROL_PINS = {1, 14, 16, 17};

// The level a pin shows for a register value: its bit, or the complement.
int ShownLevel(const PinInfo& info, std::uint8_t registerValue);

// The register offset that carries a signal pin's bit.
PortAddress PinRegister(const PinInfo& info);
