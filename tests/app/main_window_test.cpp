// MainWindow's handlers with recording services: start-up, hot keys, hide/show, help, exit.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/embedded_data.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "toolkit/recording_services.h"
#include "toolkit/toolkit.h"

namespace {

using toolkit::Journal;

const std::string MUSIC = std::string("navigate ") + app::MUSIC_SITE_ADDRESS;
const std::string QUIET = std::string("navigate ") + app::QUIET_PAGE_ADDRESS;

class MainWindowTest : public testing::Test {
protected:
    toolkit::RecordingServices doubles;
    toolkit::Services services = doubles.Wire();
    std::unique_ptr<app::MainWindow> window;

    // Hidden unless asked: hiding or destroying a shown window takes seconds under a display
    // without a window manager.
    void Create(std::deque<int> ids = {}, bool show = false) {
        doubles.hotKeys.ids = std::move(ids);
        doubles.sound.name = [](const graphics::Bytes& clip) {
            return clip == app::CLICK_CLIP() ? "click" : clip == app::STARTUP_CLIP() ? "startup" : "other";
        };
        window = std::make_unique<app::MainWindow>(services);
        ASSERT_TRUE(window->Create(show));
    }
    toolkit::Form& form() { return window->form(); }
    // What happened after start-up.
    Journal Since(size_t start) { return Journal(doubles.journal.begin() + start, doubles.journal.end()); }
    void Press(int id) { toolkit::RecordingHotKeys::Press(form().Handle(), id); }
    std::string Caption() { return form().Get<toolkit::PushButtonControl>("按钮1")->Text(); }
    std::string Text(const char* label) { return form().Find(label)->Text(); }
};

TEST_F(MainWindowTest, StartUpPlaysTheChimeLoadsTheMusicAndRegistersFourKeys) {
    Create();
    EXPECT_EQ(doubles.journal, (Journal{"sound startup", MUSIC, "hotkey 0x77", "hotkey 0x78", "hotkey 0x79", "hotkey 0x7A"}));
    EXPECT_EQ(window->hotKeyIds, (std::array<int, 4>{101, 102, 103, 104}));
    HWND receiver = form().Find("标签1")->Handle();
    for (const auto& registration : doubles.hotKeys.registrations) {
        EXPECT_EQ(registration.owner, form().Handle());
        EXPECT_EQ(registration.receiver, receiver);
        EXPECT_EQ(registration.modifiers, 0u);
    }
    EXPECT_EQ(Text("透明标签1"), "Qorvel音乐播放器");
    EXPECT_EQ(Text("透明标签2"), app::FOOTER_LINE);
    EXPECT_EQ(Text("操作说明"), "操作说明");
    EXPECT_EQ(Text("退出软件"), "退出软件");
    EXPECT_EQ(Text("透明标签3"), "F9  换一首歌");
    EXPECT_EQ(Text("透明标签4"), "F10 停止播放");
    EXPECT_EQ(Caption(), "隐藏");
    EXPECT_EQ(form().Get<toolkit::WebViewControl>("超文本浏览框1")->Address(), app::MUSIC_SITE_ADDRESS);
}

TEST_F(MainWindowTest, EachMusicKeyClicksThenLoadsItsPage) {
    Create();
    struct Case {
        int slot;
        std::string page;
    } cases[] = {{2, QUIET}, {0, MUSIC}, {0, MUSIC}, {1, MUSIC}, {2, QUIET}, {1, MUSIC}};
    for (const Case& c : cases) {
        const size_t start = doubles.journal.size();
        Press(window->hotKeyIds[c.slot]);
        EXPECT_EQ(Since(start), (Journal{"sound click", c.page})) << "F" << 8 + c.slot;
    }
}

TEST_F(MainWindowTest, F11HidesThenShowsTheWindowWithTheCaptionAsState) {
    Create({}, true);
    const int f11 = window->hotKeyIds[3];
    const size_t start = doubles.journal.size();
    Press(f11);
    EXPECT_FALSE(IsWindowVisible(form().Handle()));
    EXPECT_EQ(Caption(), "显示");
    Press(f11);
    EXPECT_TRUE(IsWindowVisible(form().Handle()));
    EXPECT_EQ(Caption(), "隐藏");
    EXPECT_EQ(Since(start), (Journal{"sound click", "sound click"}));
}

TEST_F(MainWindowTest, EveryIdIsComparedEvenAfterAMatch) {
    Create({7, 8, 7, 9});  // the service gave F8 and F10 the same id
    const size_t start = doubles.journal.size();
    Press(7);
    EXPECT_EQ(Since(start), (Journal{"sound click", MUSIC, "sound click", QUIET}));
}

TEST_F(MainWindowTest, AKeyThatFailedToRegisterDoesNothing) {
    Create({0, 102, 0, 104});
    EXPECT_EQ(window->hotKeyIds, (std::array<int, 4>{0, 102, 0, 104}));
    const size_t start = doubles.journal.size();
    window->OnHotKeyFeedback(0, 0);  // an id of 0 must not match the failed slots
    Press(0);
    Press(103);
    EXPECT_EQ(Since(start), Journal{});
    Press(102);
    EXPECT_EQ(Since(start), (Journal{"sound click", MUSIC}));
}

TEST_F(MainWindowTest, TheHelpLinkShowsSixLinesUnderTheTitleWithTheInformationIcon) {
    Create();
    const size_t start = doubles.journal.size();
    SendMessageW(form().Find("操作说明")->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_EQ(doubles.messageBox.shown.size(), 1u);
    const auto& box = doubles.messageBox.shown[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.title, "Qorvel音乐播放器提醒您：");
    EXPECT_EQ(box.flags, 64u);  // MB_OK | MB_ICONINFORMATION
    const std::string firstFive = "快捷键：\r\nF8   继续播放\r\nF9   换一首歌\r\nF10 停止播放\r\nF11 隐藏/显示软件\r\n";
    ASSERT_GT(box.text.size(), firstFive.size());
    EXPECT_EQ(box.text.substr(0, firstFive.size()), firstFive);
    const std::string sixth = box.text.substr(firstFive.size());
    EXPECT_EQ(sixth.find('\r'), std::string::npos);  // one more line, and only one
    EXPECT_EQ(Since(start), Journal{"message box"});  // no clip
}

TEST_F(MainWindowTest, TheExitLinkDestroysTheWindowWithoutAClip) {
    Create();
    const size_t start = doubles.journal.size();
    SendMessageW(form().Find("退出软件")->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_FALSE(form().IsAlive());
    EXPECT_EQ(Since(start), Journal{});
}

TEST_F(MainWindowTest, TimerTicksColourFromTheLowBytesOfThreeRandomNumbers) {
    Create();
    doubles.random.values = {0x1FF, 0x102, 0x7F03, 256, 0x7FFF, 17};
    window->OnTitleTimerTick();
    window->OnFrameTimerTick();
    EXPECT_EQ(form().Get<toolkit::TransparentLabelControl>("透明标签1")->TextColor(), RGB(0xFF, 0x02, 0x03));
    EXPECT_EQ(form().Get<toolkit::ShapeBoxControl>("外形框1")->LineColor(), RGB(0, 0xFF, 17));
    EXPECT_EQ(form().Get<toolkit::TimerControl>("时钟1")->Period(), 0);  // they never tick by themselves
}

}  // namespace
