// The program's start-up and shutdown order.
#include "app/program.h"

#include <float.h>

#include "app/main_window.h"
#include "toolkit/run_time.h"
#include "toolkit/system_services.h"

namespace app {

skin::SkinEngine* skinEngine = nullptr;

namespace {
void ResetFloatingPoint() {
    __asm__ __volatile__("cld");
    _fpreset();
}
}  // namespace

void ConstructGlobals() {
    skinEngine = new skin::SkinEngine();
    skin::windowRecords.clear();
    skin::memoryDcTable.clear();
}

void DestroyGlobals() {
    delete skinEngine;
    skinEngine = nullptr;
    skin::ReleaseEngineTables();
}

int RunPlayer(toolkit::Services& services, void (*engineModuleSetUp)()) {
    toolkit::InitRunTime();
    ResetFloatingPoint();
    ConstructGlobals();
    toolkit::SetEndOfProgramHook(&DestroyGlobals);
    // The four other modules have nothing to set up; the engine's comes last.
    if (engineModuleSetUp) engineModuleSetUp();
    {
        MainWindow mainWindow(services);
        // Without a window (no desktop) the loop ends at once and shutdown runs as usual.
        if (mainWindow.Create()) toolkit::RunMessageLoop(mainWindow.form());
    }  // the window's controls and their graphics go before GDI+ does
    toolkit::EndRunTime();
    return 0;
}

int ProgramMain() {
    toolkit::SystemServices system;
    toolkit::Services services = system.Wire();
    return RunPlayer(services, &skin::EngineModuleSetUp);
}

}  // namespace app
