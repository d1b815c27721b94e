// The clips and pictures embedded in the program's resources, as byte buffers.
#pragma once
#include "graphics/bytes.h"

namespace app {

// Read from the executable's RCDATA once and kept until exit; empty when missing.
const graphics::Bytes& STARTUP_CLIP();
const graphics::Bytes& CLICK_CLIP();
const graphics::Bytes& BACKGROUND_PICTURE();
const graphics::Bytes& BADGE_PICTURE();

}  // namespace app
