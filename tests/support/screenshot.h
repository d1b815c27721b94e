// Screenshots: a DC's or a window's image saved as PNG under the build folder's artifacts/.
#pragma once
#include <windows.h>

#include <string>

namespace qtest {

// The folder screenshots go to (created on demand), as a path Windows programs accept.
std::string ArtifactsFolder();

// Saves the width x height area at the top left of `dc` as artifacts/<name>.png. GDI+ must be
// running. Returns the file's path, empty when saving failed.
std::string SaveScreenshot(HDC dc, int width, int height, const std::string& name);

// The same for what `window` shows on the screen, frame included.
std::string SaveWindowScreenshot(HWND window, const std::string& name);

}  // namespace qtest
