// The GDI+ object library: include this one header to draw with it.
//
// Every wrapper holds one native GDI+ object and offers the flat GDI+ functions as operations
// named without the "Gdip" prefix (Graphics::DrawLine calls GdipDrawLine). How they behave:
//
// - GDI+ itself: start it (GdiplusStartup) before the first wrapper is made and shut it down
//   after the last one is gone; the library starts and stops nothing.
// - Results: an action returns 1 on success and 0 on failure; a getter of one value returns
//   it (0 on failure); getters of several values write them into reference arguments and
//   return 1 or 0. The GDI+ status of the latest call is in graphics::lastStatus (0 = Ok).
// - Lifetime: a wrapper starts empty; a create operation (Create..., Clone..., Load...) gives
//   it a native object, first deleting the one it held. The delete operation (DeletePen,
//   DisposeImage, ...) and the destructor delete it; deleting an empty wrapper does nothing.
//   Wrappers are moved, not copied; a Clone operation makes a second native object.
// - Arguments: other wrappers are passed by reference and stand for their native object; an
//   empty wrapper stands for none, which GDI+ refuses with InvalidParameter (2) without
//   drawing. Arguments that may be left out are pointers (null) or have defaults. Lists are
//   std::vector and pass their length as the count.
// - Text: std::string in the system's ANSI code page (936 here); the operations ending in
//   "W" take the UTF-16 text as bytes (graphics::WideToBytes makes them).
// - Pictures travel as encoded bytes (graphics::Bytes): Image::LoadImageFromBytes and
//   Bitmap::CreateBitmapFromBytes decode them, Image::SaveImageToBytes encodes.
//
// A typical paint: a Graphics on a memory DC (CreateFromHDC), quality modes, pens, brushes and
// paths (an empty wrapper plus a create operation each), drawing, then the wrappers go out of
// scope, the Graphics before the DC is released.
#pragma once

#include "graphics/bytes.h"
#include "graphics/gdiplus_object.h"
#include "graphics/memory_stream.h"
#include "graphics/graphics_surface.h"
#include "graphics/image.h"
#include "graphics/image_attributes.h"
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
