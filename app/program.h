// Program start-up and shutdown: the engine object, the engine tables and the run order.
#pragma once
#include "engine/skin_engine.h"
#include "toolkit/services.h"

namespace app {

// The only engine instance, from ConstructGlobals to DestroyGlobals.
extern skin::SkinEngine* skinEngine;

// Creates skinEngine, then empties the engine tables. Touches no graphics.
void ConstructGlobals();
// The end-of-program hook: destroys skinEngine (icon, then GDI+), then frees the tables.
void DestroyGlobals();

// The process entry: reads no command line, returns 0.
int ProgramMain();

// The start-up order of ProgramMain with the services and the engine module's set-up given:
// run time, FPU reset, globals, end hook, module set-up, main window, message loop, end.
int RunPlayer(toolkit::Services& services, void (*engineModuleSetUp)());

}  // namespace app
