// The routines every skin painter shares, in one include.
#pragma once
#include "engine/core/argb.h"
#include "engine/core/background_capture.h"
#include "engine/core/child_windows.h"
#include "engine/core/control_queries.h"
#include "engine/core/gdi_guards.h"
#include "engine/core/memory_dc.h"
#include "engine/core/path_shapes.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_rects.h"
