// Owned byte buffers: encoded pictures, WAVE clips and UTF-16 text travel as these.
#pragma once
#include <vector>

namespace graphics {
using Bytes = std::vector<unsigned char>;
}
