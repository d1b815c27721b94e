// MainWindow: the player's one window, its hot keys and the handlers of its controls.
#pragma once
#include <array>
#include <memory>

#include "toolkit/form.h"
#include "toolkit/services.h"

namespace app {

class MainWindow {
public:
    explicit MainWindow(toolkit::Services& services);

    // Builds the window from its definition; OnMainWindowCreated runs before it is shown.
    // `show` false keeps it hidden until something shows it (tests drawing off-screen).
    bool Create(bool show = true);
    toolkit::Form& form() { return *form_; }

    // Ids of the F8, F9, F10 and F11 hot keys; 0 until registered, and for a key that could
    // not be registered.
    std::array<int, 4> hotKeyIds{};

    void PlayStartupClip();
    void PlayClickClip();

    void OnMainWindowCreated();
    void OnHotKeyFeedback(int id, int keyData);
    void OnContinueClicked();
    void OnNextSongClicked();
    void OnStopClicked();
    void OnHideShowClicked();
    void OnHelpLinkPressed();
    void OnExitLinkPressed();
    void OnFramePressed();
    void OnTitleTimerTick();
    void OnFrameTimerTick();

private:
    toolkit::FormDefinition Definition(bool show);
    void SetLabelText(const char* name, const char* text);
    void LoadAddress(const char* address);
    COLORREF RandomColor();

    toolkit::Services& services_;
    std::unique_ptr<toolkit::Form> form_;
};

}  // namespace app
