// The recording doubles: journal lines, remembered arguments and scripted answers.
#include "toolkit/recording_services.h"

#include <cstdio>

#include "toolkit/hot_key_routes.h"

namespace toolkit {

void RecordingSound::PlayOnce(const graphics::Bytes& wave) {
    played.push_back(wave);
    journal_.push_back(name ? "sound " + name(wave) : "sound");
}

void RecordingHotKeys::Press(HWND owner, int id) {
    SendMessageW(owner, WM_HOTKEY, static_cast<WPARAM>(id), 0);
}

int RecordingHotKeys::Register(HWND owner, HWND receiver, UINT modifiers, UINT virtualKey) {
    int id = next_++;
    if (!ids.empty()) {
        id = ids.front();
        ids.pop_front();
    }
    char line[32];
    std::snprintf(line, sizeof line, "hotkey 0x%02X", virtualKey);
    journal_.push_back(line);
    registrations.push_back({owner, receiver, modifiers, virtualKey, id});
    // The route is the toolkit's own: a press sent as WM_HOTKEY travels the real path.
    if (id != 0) AddHotKeyRoute(owner, id, receiver);
    return id;
}

namespace {
class RecordingBrowser : public Browser {
public:
    RecordingBrowser(RecordingBrowsers& owner, Journal& journal) : owner_(owner), journal_(journal) {}
    void Navigate(const std::string& address) override {
        owner_.addresses.push_back(address);
        journal_.push_back("navigate " + address);
    }
    void Resize(int, int) override {}

private:
    RecordingBrowsers& owner_;
    Journal& journal_;
};
}  // namespace

std::unique_ptr<Browser> RecordingBrowsers::Create(HWND) {
    ++created;
    return std::make_unique<RecordingBrowser>(*this, journal_);
}

int RecordingMessageBox::Show(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    shown.push_back({owner, text, title, flags});
    journal_.push_back("message box");
    return answer;
}

int ScriptedRandom::Next(std::optional<int>, std::optional<int>) {
    if (values.empty()) return 0;
    const int value = values.front();
    values.pop_front();
    return value;
}

}  // namespace toolkit
