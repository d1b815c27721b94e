// MainWindow's handlers: start-up, hot keys, hide/show, help box, exit.
#include "app/main_window.h"

#include "app/embedded_data.h"
#include "app/program.h"
#include "app/texts.h"
#include "toolkit/toolkit.h"

namespace app {

namespace {
constexpr UINT HOT_KEYS[] = {VK_F8, VK_F9, VK_F10, VK_F11};
constexpr UINT HELP_BOX_FLAGS = MB_OK | MB_ICONINFORMATION;  // 64
}  // namespace

MainWindow::MainWindow(toolkit::Services& services) : services_(services) {}

bool MainWindow::Create(bool show) {
    form_ = std::make_unique<toolkit::Form>(Definition(show), services_);
    return form_->Build();
}

void MainWindow::PlayStartupClip() { services_.sound.PlayOnce(STARTUP_CLIP()); }

void MainWindow::PlayClickClip() { services_.sound.PlayOnce(CLICK_CLIP()); }

void MainWindow::SetLabelText(const char* name, const char* text) {
    if (auto* label = form_->Get<toolkit::TransparentLabelControl>(name)) label->SetText(text);
}

void MainWindow::LoadAddress(const char* address) {
    if (auto* view = form_->Get<toolkit::WebViewControl>("超文本浏览框1")) view->SetAddress(address);
}

void MainWindow::OnMainWindowCreated() {
    PlayStartupClip();
    // The engine attaches to no window of the player; these options only set its state.
    if (skinEngine) skinEngine->SetOptions(1, 0);
    SetLabelText("透明标签1", TITLE);
    SetLabelText("透明标签2", FOOTER_LINE);
    SetLabelText("操作说明", HELP_LINK_TEXT);
    SetLabelText("退出软件", EXIT_LINK_TEXT);
    LoadAddress(MUSIC_SITE_ADDRESS);
    toolkit::Control* receiver = form_->Find("标签1");
    for (size_t i = 0; i < hotKeyIds.size(); ++i) {
        hotKeyIds[i] = services_.hotKeys.Register(form_->Handle(), receiver ? receiver->Handle() : nullptr,
                                                  0, HOT_KEYS[i]);
    }
}

void MainWindow::OnHotKeyFeedback(int id, int) {
    // Every slot is tested, even after a match. A slot of 0 is a key that failed to
    // register: it must never match anything.
    if (id == 0) return;
    if (id == hotKeyIds[0]) OnContinueClicked();
    if (id == hotKeyIds[1]) OnNextSongClicked();
    if (id == hotKeyIds[2]) OnStopClicked();
    if (id == hotKeyIds[3]) OnHideShowClicked();
}

void MainWindow::OnContinueClicked() {
    PlayClickClip();
    LoadAddress(MUSIC_SITE_ADDRESS);
}

void MainWindow::OnNextSongClicked() {
    // Reloading the site starts it anew, on another song.
    PlayClickClip();
    LoadAddress(MUSIC_SITE_ADDRESS);
}

void MainWindow::OnStopClicked() {
    PlayClickClip();
    LoadAddress(QUIET_PAGE_ADDRESS);
}

void MainWindow::OnHideShowClicked() {
    PlayClickClip();
    // The caption carries the state: "隐藏" while the window is shown.
    auto* button = form_->Get<toolkit::PushButtonControl>("按钮1");
    if (!button) return;
    if (button->Text() == HIDE_CAPTION) {
        form_->Hide();
        button->SetText(SHOW_CAPTION);
    } else {
        button->SetText(HIDE_CAPTION);
        form_->Show();
    }
}

void MainWindow::OnHelpLinkPressed() {
    services_.messageBox.Show(nullptr, HELP_TEXT, MESSAGE_BOX_TITLE, HELP_BOX_FLAGS);
}

void MainWindow::OnExitLinkPressed() { form_->Destroy(); }

void MainWindow::OnFramePressed() {}

COLORREF MainWindow::RandomColor() {
    const int red = services_.random.Next();
    const int green = services_.random.Next();
    const int blue = services_.random.Next();
    return RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}

void MainWindow::OnTitleTimerTick() {
    if (auto* title = form_->Get<toolkit::TransparentLabelControl>("透明标签1"))
        title->SetTextColor(RandomColor());
}

void MainWindow::OnFrameTimerTick() {
    if (auto* frame = form_->Get<toolkit::ShapeBoxControl>("外形框1")) frame->SetLineColor(RandomColor());
}

}  // namespace app
