// The full repaint's helpers: the rounded window region and invalidating controls.
#pragma once
#include <windows.h>

namespace skin {

// The property that remembers the client size the window's region was last made for.
constexpr char REGION_SIZE_PROPERTY[] = "Qv_RgnSize";

// Gives the window a region with rounded corners around its client area. The region
// belongs to the window from then on.
void ApplyRoundedRegion(HWND hwnd);

// Invalidates the skinned controls of record `windowIndex` that sit directly on its window
// (not those inside containers, and not headers): list-type controls with their children,
// combo and edit boxes erasing, the other kinds without erasing.
void RepaintDirectControls(int windowIndex);

// Invalidates `hwnd` with erasing and, when `children` is non-zero, each visible direct
// child of it.
void InvalidateWithChildren(HWND hwnd, int children);

// Invalidates, without erasing, every header control of record `windowIndex`.
void RepaintHeaders(int windowIndex);

}  // namespace skin
