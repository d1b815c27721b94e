// GUI run time: COM and common-control set-up, the message loop, the end-of-program hook.
#include "toolkit/run_time.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "toolkit/form.h"

namespace toolkit {

namespace {
void (*endOfProgramHook)() = nullptr;
int comInitialisations = 0;
}  // namespace

void InitRunTime() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // OleInitialize (not CoInitialize): in-place activation of the browser needs OLE.
    if (SUCCEEDED(OleInitialize(nullptr))) ++comInitialisations;
}

void SetEndOfProgramHook(void (*hook)()) { endOfProgramHook = hook; }

void RunMessageLoop(const Form& mainForm) {
    MSG message;
    while (mainForm.IsAlive()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void EndRunTime() {
    if (auto hook = endOfProgramHook) {
        endOfProgramHook = nullptr;
        hook();
    }
    while (comInitialisations > 0) {
        --comInitialisations;
        OleUninitialize();
    }
}

}  // namespace toolkit
