#include "app/program/LampStatus.h"

#include "app/program/Lamp.h"
#include "platform/Convert.h"

namespace {
LampBits Bits(int32_t status, int shift) {
    return LampBits{(status >> shift & 1) != 0, (status >> (shift + 1) & 1) != 0};
}
} // namespace

LampStatus DecodeLampStatus(int32_t status) {
    return LampStatus{Bits(status, 0), Bits(status, 2), Bits(status, 4), Bits(status, 6)};
}

int32_t LampStatusFromText(const std::string& text) {
    int32_t status = 0;
    return TryStrToInt(text, status) ? status : 0;
}

void ShowLamp(Lamp& lamp, LampBits bits) {
    lamp.SetBrushColor(bits.On ? Lamp::OnColor() : Lamp::OffColor());
    lamp.Tag = bits.Blink ? 1 : 0;
}

void BlinkLamp(Lamp& lamp) {
    if (lamp.Tag == 1)
        lamp.SetBrushColor(lamp.IsOff() ? Lamp::OnColor() : Lamp::OffColor());
}
