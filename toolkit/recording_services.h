// Recording doubles of the services for tests: everything they are asked lands in one journal.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/services.h"

namespace toolkit {

// The order in which the services were used, one line per call ("sound click",
// "navigate example.org", "hotkey 0x77", "message box").
using Journal = std::vector<std::string>;

class RecordingSound : public SoundPlayer {
public:
    explicit RecordingSound(Journal& journal) : journal_(journal) {}
    // Names a clip for the journal; by default every clip is "sound".
    std::function<std::string(const graphics::Bytes&)> name;
    std::vector<graphics::Bytes> played;
    void PlayOnce(const graphics::Bytes& wave) override;

private:
    Journal& journal_;
};

class RecordingHotKeys : public HotKeyService {
public:
    explicit RecordingHotKeys(Journal& journal) : journal_(journal) {}
    struct Registration {
        HWND owner, receiver;
        UINT modifiers, virtualKey;
        int id;
    };
    // Ids handed out in turn (0 makes a registration fail); when empty, 101, 102, ...
    std::deque<int> ids;
    std::vector<Registration> registrations;
    // Delivers a press of hot key `id` to `owner` the way the system does (WM_HOTKEY).
    static void Press(HWND owner, int id);
    int Register(HWND owner, HWND receiver, UINT modifiers, UINT virtualKey) override;

private:
    Journal& journal_;
    int next_ = 101;
};

class RecordingBrowsers : public BrowserFactory {
public:
    explicit RecordingBrowsers(Journal& journal) : journal_(journal) {}
    std::vector<std::string> addresses;  // every address loaded, by any browser
    int created = 0;
    std::unique_ptr<Browser> Create(HWND host) override;

private:
    Journal& journal_;
};

class RecordingMessageBox : public MessageBoxService {
public:
    explicit RecordingMessageBox(Journal& journal) : journal_(journal) {}
    struct Shown {
        HWND owner;
        std::string text, title;
        UINT flags;
    };
    std::vector<Shown> shown;
    int answer = IDOK;
    int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) override;

private:
    Journal& journal_;
};

class ScriptedRandom : public RandomSource {
public:
    std::deque<int> values;  // returned in turn; 0 when they run out
    int Next(std::optional<int> low, std::optional<int> high) override;
};

// All doubles with one journal, wired like the real bundle.
struct RecordingServices {
    Journal journal;
    RecordingSound sound{journal};
    RecordingHotKeys hotKeys{journal};
    RecordingBrowsers browsers{journal};
    RecordingMessageBox messageBox{journal};
    ScriptedRandom random;

    Services Wire() { return {sound, hotKeys, browsers, messageBox, random}; }
};

}  // namespace toolkit
