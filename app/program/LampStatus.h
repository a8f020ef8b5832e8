#pragma once
// The device's lamp status word and what the main window's lamps show of it. Each lamp has an
// "on" bit and, one above it, a "blinks" bit: power bits 0-1, LAN 2-3, 802.11g 4-5, 802.11a 6-7.
#include <cstdint>
#include <string>

class Lamp;

struct LampBits {
    bool On = false;
    bool Blink = false;
};

struct LampStatus {
    LampBits Power;
    LampBits Lan;
    LampBits Band11g;
    LampBits Band11a;
};

LampStatus DecodeLampStatus(int32_t status);
// The status word from its value text; 0 (all lamps off) when the text is not a number.
int32_t LampStatusFromText(const std::string& text);

// Green when on, black when off; the lamp's Tag holds the blink flag (1 blinks, 0 steady).
void ShowLamp(Lamp& lamp, LampBits bits);
// One blink step: a blinking lamp turns black when lit and green when black.
void BlinkLamp(Lamp& lamp);
