// The GDI+ object library: include this one header to draw with it.
//
// Every wrapper holds one native GDI+ object and offers the flat GDI+ functions as operations
// named without the "Gdip" prefix. Start GDI+ (GdiplusStartup) before using any wrapper and
// shut it down after the last one is gone; the library starts and stops nothing itself.
// A typical paint: create an empty Graphics on a memory DC with CreateFromHDC, create pens,
// brushes and paths (an empty wrapper plus a create operation each), draw, then let the
// wrappers go (or delete them explicitly), the Graphics before the DC.
#pragma once

#include "graphics/bytes.h"
#include "graphics/gdiplus_object.h"
#include "graphics/memory_stream.h"
#include "graphics/graphics_surface.h"
#include "graphics/image.h"
#include "graphics/bitmap.h"
#include "graphics/pen.h"
#include "graphics/brush.h"
#include "graphics/solid_brush.h"
#include "graphics/linear_gradient_brush.h"
#include "graphics/path_gradient_brush.h"
#include "graphics/graphics_path.h"
#include "graphics/region.h"
#include "graphics/font.h"
#include "graphics/font_family.h"
#include "graphics/font_collection.h"
#include "graphics/string_format.h"
#include "graphics/tool_tip.h"
