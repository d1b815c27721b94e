// Public header of the skin engine library.
//
// A program starts the engine once (EngineModuleSetUp, then one SkinEngine), hands its
// top-level windows to SkinEngine::AttachWindow and destroys the engine after its last
// attached window. Everything else is reached through the engine's operations.
#pragma once
#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "graphics/graphics.h"
