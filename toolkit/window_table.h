// The one window procedure of the toolkit's windows and the window-to-control table.
#pragma once
#include <windows.h>

namespace toolkit {

class Control;

// Window class names of the toolkit's own kinds; every one uses ToolkitWindowProcedure.
extern const wchar_t FORM_CLASS[];
extern const wchar_t SURFACE_CLASS[];  // shape boxes, picture boxes, labels, transparent labels
extern const wchar_t WEB_VIEW_CLASS[];

// Registers the toolkit's window classes once per process; false when registration failed.
bool RegisterToolkitClasses();

// The control a native window belongs to (ours or a standard control we created), or null.
Control* ControlFromHandle(HWND hwnd);
void MapHandle(HWND hwnd, Control* control);
void UnmapHandle(HWND hwnd);

LRESULT CALLBACK ToolkitWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace toolkit
