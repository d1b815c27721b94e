// ToArgb: COLORREF colours of records and settings turned into GDI+ ARGB values.
#pragma once
#include <windows.h>

#include <cstdint>

namespace skin {

// The ARGB value of the same colour: red and blue change places and `alpha` (its low byte;
// opaque by default) goes into the high byte. ToArgb(0x0000FF, 128) is 0x80FF0000.
constexpr std::uint32_t ToArgb(COLORREF color, int alpha = 255) {
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | ((color & 0xFFu) << 16) |
           (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

}  // namespace skin
