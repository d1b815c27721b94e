// Draws a transparent label's line of text: shadow first when asked, then the text.
#pragma once
#include <windows.h>

#include <string>

#include "toolkit/definition.h"

namespace toolkit {

// The logical font of a label: pixel character height, weight, charset and the face as
// chosen by ChooseFace.
LOGFONTW LabelFont(const TransparentLabel& style);

// `box` is the label's rectangle in `dc`; the line is left-aligned and vertically centred,
// without wrapping or mnemonic prefixes.
void DrawLabelText(HDC dc, const RECT& box, const std::wstring& text, const TransparentLabel& style);

}  // namespace toolkit
