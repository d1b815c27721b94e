// The engine object: its callback adapters, options and the operations it offers.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "engine/core/executable_code.h"
#include "engine/core/method_adapter.h"

namespace skin {

class SkinEngine {
public:
    // Builds the window-procedure adapter (4 arguments) and the caption-button adapter
    // (2 arguments) for this instance and reads the system's button-face colour.
    SkinEngine();
    // Destroys the default icon, then shuts GDI+ down with gdiplusToken (when non-zero), then
    // frees the adapters. Destroying any engine ends the use of GDI+ for the whole process.
    virtual ~SkinEngine();

    // An engine is not copied: its adapters carry this instance's address.
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // Window procedure of attached top-level windows, reached through windowProcAdapter.
    virtual LRESULT HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the action of caption button `buttonNumber` (1-based) of record `windowIndex`.
    virtual void ClickCaptionButton(int windowIndex, int buttonNumber);
    // skinControls := skin; controlAlpha := alpha or 160; translucentControls := alpha given;
    // trackBarFrame := frame or 1. Takes effect at the next attach or paint.
    virtual void SetOptions(int skin, std::optional<int> alpha = std::nullopt,
                            std::optional<int> frame = std::nullopt);

    // Builds a callback adapter that routes a stdcall callback with `argumentCount` 32-bit
    // arguments to `operation` of this instance, as found in its table of virtual operations
    // now. Empty when the operation has no entry or the argument bytes are outside 0..1024.
    template <class Operation>
    ExecutableCode MakeMethodAdapter(Operation operation, int argumentCount,
                                     bool callerRemovesArguments = false) const {
        const void* instance = nullptr;
        const std::uintptr_t entry = MemberEntry(this, operation, &instance);
        return BuildMethodAdapter(instance, entry, argumentCount, callerRemovesArguments);
    }

    ExecutableCode windowProcAdapter;  // its entry is installed as the attached windows' procedure
    int frameWidth = 0;                // 3 once a window is attached; places the caption buttons
    int hoverTarget = 0;               // caption button under the mouse, 0 for none
    ExecutableCode buttonActionAdapter;
    std::uintptr_t buttonActionEntry = 0;  // caption-button actions run only while non-zero
};

}  // namespace skin
