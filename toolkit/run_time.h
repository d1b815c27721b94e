// The GUI run time: initialisation, the message loop and the end-of-program hook.
#pragma once

namespace toolkit {

class Form;

// Initialises COM for the embedded browser (single-threaded apartment) and the common
// controls. Safe to call more than once.
void InitRunTime();

// The routine EndRunTime calls once, after the last window is gone; replaces any earlier one.
void SetEndOfProgramHook(void (*hook)());

// Dispatches messages until `mainForm`'s window has been destroyed (or WM_QUIT arrives).
void RunMessageLoop(const Form& mainForm);

// Calls the end-of-program hook (once) and undoes InitRunTime.
void EndRunTime();

}  // namespace toolkit
