// Caption mouse handling: the hover fade of the caption buttons, presses, releases, double clicks.
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_messages.h"
#include "engine/core/window_queries.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

constexpr UINT HOVER_PERIOD = 20;  // ms
constexpr int FADE_STEPS = 8;
constexpr int LEVEL_STEP = 30;     // eight steps to 240

// Draws caption button `number` into the back buffer and onto the screen.
void DrawButton(SkinEngine& engine, int index, int number, std::optional<int> pressed,
                std::optional<int> level) {
    graphics::Graphics surface;
    engine.DrawCaptionButton(index, number, surface, 0, pressed, level);
}

}  // namespace

int IsInCaptionButtonStrip(int windowIndex, LPARAM lParam) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return 0;
    const int x = LOWORD(lParam);
    const int y = HIWORD(lParam);
    return x >= record->buttonStripX - 2 && x <= record->buttonStripX + record->buttonStripWidth &&
           y <= record->buttonStripHeight && (y & 0x8000) == 0;
}

void OnCaptionMouseMove(SkinEngine& engine, int index, HWND hwnd, LPARAM lParam) {
    WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    if (record->mouseTracked == 0) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd, 1};
        TrackMouseEvent(&track);
    }
    if (record->captionEnabled == 0) return;

    if (IsInCaptionButtonStrip(index, lParam)) {
        if (record->hoverTimerRunning == 0) {
            SetTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd), HOVER_PERIOD, nullptr);
            record->hoverTimerRunning = 1;
        }
    } else {
        record->hoverTimerRunning = 0;  // the timer runs on until the fades are over
    }

    engine.hoverTarget = engine.HitTestCaptionButton(index, PointX(lParam), PointY(lParam));
    const int target = engine.hoverTarget;
    if (record->hotCaptionButton > 0 && target != record->hotCaptionButton) {
        // The mouse left the hot button: an unfinished fade-out ends at once.
        if (record->fadeOut.step < FADE_STEPS) DrawButton(engine, index, record->fadeOut.button, 0, 0);
        record->fadeOut = {record->hotCaptionButton, 0};
    }
    if (target > 0 && target != record->hotCaptionButton) record->fadeIn = {target, 0};
    record->hotCaptionButton = target;
    if (record->isMaximized == 0) engine.UpdateResizeCursor(index, lParam, client);
}

void OnCaptionMouseLeave(SkinEngine& engine, int index) {
    WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    record->mouseTracked = 0;
    if (record->hotCaptionButton > 0 && record->captionEnabled != 0) {
        if (record->fadeOut.step < FADE_STEPS && record->fadeIn.step < FADE_STEPS) {
            // Both fades unfinished: the fading button goes plain at once, the other fades
            // out from where the fade-in stopped.
            DrawButton(engine, index, record->fadeOut.button, std::nullopt, std::nullopt);
            record->fadeIn = {0, 0};
        }
        record->fadeOut = {record->hotCaptionButton, 0};
        record->hotCaptionButton = 0;
    }
}

void OnCaptionTimer(SkinEngine& engine, int index, HWND hwnd) {
    WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    if (record->fadeIn.button >= 1 && record->fadeIn.step <= FADE_STEPS - 1) {
        record->fadeIn.step += 1;
        DrawButton(engine, index, record->fadeIn.button, 0, LEVEL_STEP * record->fadeIn.step);
    }
    if (record->fadeOut.button >= 1 && record->fadeOut.step <= FADE_STEPS - 1) {
        record->fadeOut.step += 1;
        DrawButton(engine, index, record->fadeOut.button, 0,
                   LEVEL_STEP * FADE_STEPS - LEVEL_STEP * record->fadeOut.step);
    }
    if (record->mouseTracked != 0 && record->hoverTimerRunning != 0) return;
    if (record->fadeOut.step > FADE_STEPS - 1 || record->fadeOut.button == 0) {
        record->hoverTimerRunning = 0;
        KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
        record->hotCaptionButton = 0;
        record->fadeIn = {0, 0};
        record->fadeOut = {0, 0};
    }
}

void OnCaptionButtonDown(SkinEngine& engine, int index, HWND hwnd, LPARAM lParam) {
    WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    record->fadeIn.button = 0;
    if (record->captionEnabled == 0) return;
    if (record->isMaximized == 0 && record->isMinimized == 0) {
        // May run the system's move or size loop before it returns.
        engine.HandleCaptionMouseDown(index, lParam, client);
    }
    engine.hoverTarget = engine.HitTestCaptionButton(index, PointX(lParam), PointY(lParam));
    if (engine.hoverTarget > 0) DrawButton(engine, index, engine.hoverTarget, 1, std::nullopt);
}

void OnCaptionButtonUp(SkinEngine& engine, int index) {
    const WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    // The button under the mouse at the release is the one clicked.
    if (engine.buttonActionEntry != 0 && engine.hoverTarget > 0 &&
        engine.hoverTarget <= record->captionButtons.Count() && record->captionEnabled != 0) {
        engine.ClickCaptionButton(index, engine.hoverTarget);
    }
}

void OnCaptionDoubleClick(SkinEngine& engine, int index, LPARAM lParam) {
    const WindowSkinRecord* record = RecordAt(index);
    if (!record) return;
    if (PointY(lParam) <= record->captionHeight && record->resizable != 0) {
        const int maximize = engine.FindMaximizeButton(index);
        if (maximize > 0) engine.ClickCaptionButton(index, maximize);
    }
}

}  // namespace skin
