// Public header of the skin engine library.
#pragma once
#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"
#include "engine/core/skin_engine.h"
