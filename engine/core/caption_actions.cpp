// ClickCaptionButton: what each kind of caption button does when it is clicked.
#include "engine/core/invoke_callback.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"

namespace skin {

void SkinEngine::ClickCaptionButton(int windowIndex, int buttonNumber) {
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->captionButtons.Contains(buttonNumber)) return;
    const CaptionButton& button = record->captionButtons.At(buttonNumber);
    HWND hwnd = record->hwnd;
    // The system commands are sent, so the window procedure has handled them (and the
    // record may have moved) by the time SendMessageA returns.
    switch (button.kind) {
    case CAPTION_CLOSE:
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CAPTION_MAXIMIZE:
        record->needsFullRepaint = 1;
        if (record->isMaximized) {
            record->isMinimized = 0;
            record->isMaximized = 0;
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            record->isMaximized = 1;
            record->isMinimized = 0;
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case CAPTION_MINIMIZE:
        record->isMinimized = 1;
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case CAPTION_HELP:
        InvokeCallback(record->helpCallback, {}, 0);
        break;
    case CAPTION_MENU:
        InvokeCallback(record->menuCallback, {}, 0);
        break;
    case CAPTION_CUSTOM:
        InvokeCallback(button.callback, {}, 0);
        break;
    default:
        break;
    }
}

}  // namespace skin
