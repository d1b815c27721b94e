// Preparing background pictures: their average colour and their edges faded into a colour.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "graphics/bytes.h"

namespace skin {

// The COLORREF of an ARGB colour (red moves to the low byte); its alpha goes to `alpha`.
COLORREF ArgbToColorref(std::uint32_t argb, BYTE& alpha);

// The average colour of `sampleCount` pixels of the picture (the file `fileName` when one
// is named, else `pictureBytes`), drawn from the bottom-right `rightBand` x `bottomBand`
// corner when those are given. Positions are pseudo-random but repeat within one calendar
// day. The result is a COLORREF with 255 in its high byte; black for a picture that cannot
// be decoded.
COLORREF SampleAverageColor(const graphics::Bytes& pictureBytes, int sampleCount,
                            std::optional<int> rightBand = std::nullopt,
                            std::optional<int> bottomBand = std::nullopt,
                            const std::string& fileName = std::string());

// The picture with two edges blended into `color` over `fadeWidth` pixels (30 % of its
// width when absent), encoded as PNG: the right and bottom edges, or the left and bottom
// edges when fadeRight is given as 0. Empty for a picture that cannot be decoded.
graphics::Bytes ComposeFadedBackground(const graphics::Bytes& pictureBytes,
                                       std::optional<int> fadeWidth, COLORREF color,
                                       std::optional<int> fadeRight = std::nullopt,
                                       const std::string& fileName = std::string());

// A window's background picture as the engine keeps it: faded into `average` (its average
// colour) at the right and bottom edges for the top-left layout, at the left and bottom
// edges for the top-right layout, and unchanged for every other layout.
graphics::Bytes PrepareWindowPicture(const graphics::Bytes& picture, int layout, COLORREF average);

}  // namespace skin
