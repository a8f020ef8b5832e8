#pragma once
// Colours as the class library wrote them: 0x00BBGGRR, or a system colour.
#include <QColor>
#include <cstdint>

using TColor = uint32_t;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clBtnFace = 0x8000000F;

// The colour to paint for a TColor; system colours follow the application's palette.
QColor ToQColor(TColor color);
