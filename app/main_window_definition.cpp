// MainWindow's stored definition: window settings, then every control, parents first.
#include "app/embedded_data.h"
#include "app/main_window.h"

namespace app {

namespace {

using namespace toolkit;

constexpr COLORREF LABEL_COLOR = RGB(236, 236, 236);
const char LABEL_FACE[] = "迷你简铁筋隶书";

TransparentLabel LabelStyle(const char* text, int pixelHeight, Cursor cursor = Cursor::Arrow,
                            bool shadow = false) {
    return {text, LABEL_FACE, pixelHeight, FW_BOLD, GB2312_CHARSET, LABEL_COLOR, shadow, cursor};
}

}  // namespace

FormDefinition MainWindow::Definition(bool show) {
    auto on = [this](Event event, void (MainWindow::*handler)()) {
        return std::vector<EventBinding>{{event, [this, handler](int, int) { (this->*handler)(); }}};
    };
    const std::vector<EventBinding> none;
    const std::string window;  // the window itself as parent

    WindowSettings settings;
    settings.name = "MainWindow";
    settings.x = 50, settings.y = 50, settings.width = 401, settings.height = 305;
    settings.border = false;        // no caption, system menu, minimise or maximise button
    settings.centred = true;        // so the stored position is never used
    settings.dragAnywhere = true;
    settings.inTaskBar = false;
    settings.topMost = false;
    settings.background = RGB(0, 0, 0);  // covered by the frame
    settings.visible = show;

    // Everything at x >= 464 lies outside 图片框1's 384 x 288 client area: never seen, never
    // clicked. The timers keep no period: a random colour every tick would flicker and could
    // make the title unreadable, so the frame and title keep their colours.
    return {
        settings,
        on(Event::Created, &MainWindow::OnMainWindowCreated),
        {
            // name            parent     x    y    w    h    settings, handler
            {"外形框1", window, 0, 0, 400, 304, ShapeBox{8, RGB(37, 37, 37)},
             on(Event::LeftButtonDown, &MainWindow::OnFramePressed)},
            {"图片框1", "外形框1", 8, 8, 384, 288, PictureBox{BACKGROUND_PICTURE(), PictureLayout::Stretch}, none},
            {"图片框2", "图片框1", 32, 104, 104, 100, PictureBox{BADGE_PICTURE(), PictureLayout::NaturalSize}, none},
            {"标签1", "图片框1", 472, 48, 64, 24, Label{},
             {{Event::Feedback, [this](int id, int keyData) { OnHotKeyFeedback(id, keyData); }}}},
            {"按钮1", "图片框1", 464, 48, 56, 40, PushButton{"隐藏"}, on(Event::Clicked, &MainWindow::OnHideShowClicked)},
            {"F8", "图片框1", 488, 64, 40, 40, PushButton{"F8"}, on(Event::Clicked, &MainWindow::OnContinueClicked)},
            {"F10", "图片框1", 480, 80, 56, 40, PushButton{"F10"}, on(Event::Clicked, &MainWindow::OnStopClicked)},
            {"F9", "图片框1", 480, 56, 56, 40, PushButton{"F9"}, on(Event::Clicked, &MainWindow::OnNextSongClicked)},
            {"超文本浏览框1", "图片框1", 488, 232, 56, 40, WebView{""}, none},
            {"时钟2", "图片框1", 352, 136, 26, 26, Timer{0}, on(Event::TimerTick, &MainWindow::OnFrameTimerTick)},
            {"时钟1", "图片框1", 352, 104, 26, 26, Timer{0}, on(Event::TimerTick, &MainWindow::OnTitleTimerTick)},
            {"透明标签4", "图片框1", 184, 160, 152, 32, LabelStyle("F10 停止播放", 20), none},
            {"透明标签3", "图片框1", 184, 112, 144, 32, LabelStyle("F9  换一首歌", 20), none},
            {"退出软件", "图片框1", 200, 240, 88, 24, LabelStyle("", 16, Cursor::Hand),
             on(Event::LeftButtonDown, &MainWindow::OnExitLinkPressed)},
            {"操作说明", "图片框1", 112, 240, 88, 24, LabelStyle("", 16, Cursor::Help),
             on(Event::LeftButtonDown, &MainWindow::OnHelpLinkPressed)},
            {"透明标签2", "图片框1", 32, 264, 320, 24, LabelStyle("", 12), none},
            {"透明标签1", "图片框1", 16, 24, 344, 56, LabelStyle("", 48, Cursor::Arrow, true), none},
        },
    };
}

}  // namespace app
