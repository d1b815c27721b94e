// The client background of an attached window: its picture prepared for the window's layout.
#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/graphics.h"

namespace skin {

// The colour the back buffer is cleared to: it stays outside the rounded client shape, where
// the window region hides it.
constexpr std::uint32_t KEY_MAGENTA = 0xFFFF00FF;

// The layout that applies to a window: its own when it has its own picture, else the
// engine's default layout.
int EffectiveBackgroundLayout(int windowIndex);

// The picture behind record `windowIndex` (its own, else the engine's default) as a bitmap
// ready to draw: for the tiled layout a strip as wide as `clientRect` and as high as the
// picture, copies alternately as loaded and mirrored; otherwise the decoded picture. An
// empty bitmap when there is no picture or it cannot be decoded.
graphics::Bitmap PrepareBackgroundPicture(int windowIndex, const RECT& clientRect);

}  // namespace skin
