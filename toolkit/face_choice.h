// Picks an installed face for a wanted one, falling back to a bold-capable CJK face.
#pragma once
#include <string>

namespace toolkit {

// `wanted` when it is installed, else the first installed of the CJK fallbacks, else
// `wanted` unchanged (the font mapper then does what it can).
std::wstring ChooseFace(const std::wstring& wanted);

bool FaceInstalled(const std::wstring& face);

}  // namespace toolkit
