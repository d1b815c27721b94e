// AttachWindow: taking over a top-level window, building its record and caption buttons.
#include <algorithm>

#include "engine/core/background_picture.h"
#include "engine/core/caption_glyphs.h"
#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"

namespace skin {

namespace {

constexpr int MIN_CAPTION_HEIGHT = 25;
constexpr int STRIP_HEIGHT = 22;
constexpr int AVERAGE_SAMPLES = 2000;

CaptionButton StandardButton(int kind, int width, const EmbeddedPicture& glyph,
                             const char* toolTip) {
    CaptionButton button;
    button.width = width;
    button.height = 18;
    button.image = glyph.ToBytes();
    button.kind = kind;
    button.toolTip = toolTip;
    return button;
}

}  // namespace

void SkinEngine::AttachWindow(HWND hwnd, std::optional<int> captionHeight,
                              std::optional<int> captionEnabled, std::optional<int> resizable,
                              std::optional<int> showHelpButton, std::optional<int> showMenuButton,
                              std::optional<int> showTitle, std::optional<int> drawGloss,
                              std::optional<int> bottomBarHeight,
                              const std::vector<BottomBarItem>& bottomBarItems,
                              const graphics::Bytes& backgroundPicture,
                              std::optional<int> backgroundLayout) {
    if (!hwnd || !IsWindow(hwnd) || windowProcAdapter.empty()) return;
    if (FindWindowRecord(hwnd) >= 1) return;
    // Only a window of this process can get the engine's procedure.
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId()) return;

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    RECT client{};
    GetClientRect(hwnd, &client);
    frameWidth = 3;

    WindowSkinRecord record;
    record.hwnd = hwnd;
    record.captionHeight = std::max(captionHeight.value_or(0), MIN_CAPTION_HEIGHT);
    record.showHelpButton = showHelpButton.value_or(0);
    record.showMenuButton = showMenuButton.value_or(0);
    record.showMinimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    record.showMaximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    record.captionEnabled = captionEnabled.value_or(1);
    record.showCloseButton = 1;
    record.resizable = resizable.value_or(1);
    record.showTitle = showTitle.value_or(1);
    record.drawGloss = drawGloss.value_or(0);
    record.backgroundLayout = backgroundLayout.value_or(defaultBackgroundLayout);
    record.minTrackWidth = 200;
    record.minTrackHeight = 150;
    record.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (!backgroundPicture.empty()) {
        record.backgroundColor = SampleAverageColor(backgroundPicture, AVERAGE_SAMPLES);
        record.backgroundImage =
            PrepareWindowPicture(backgroundPicture, record.backgroundLayout, record.backgroundColor);
    }

    record.titleColor = 0xFFFFFF;
    record.titleGlowColor = 0x808080;
    record.titleFontName = "宋体";
    record.titleFontSize = 12;
    record.titleFontStyle = 1;

    RecordList<CaptionButton>& buttons = record.captionButtons;
    buttons.Clear();
    if (record.showHelpButton) {
        buttons.Append(StandardButton(CAPTION_HELP, 26, CAPTION_GLYPHS.help, "帮助"));
    }
    if (record.showMenuButton) {
        buttons.Append(StandardButton(CAPTION_MENU, 26, CAPTION_GLYPHS.menu, "主菜单"));
    }
    if (record.showMinimizeButton) {
        buttons.Append(StandardButton(CAPTION_MINIMIZE, 26, CAPTION_GLYPHS.minimize, "最小化"));
    }
    if (record.showMaximizeButton) {
        CaptionButton maximize =
            StandardButton(CAPTION_MAXIMIZE, 26, CAPTION_GLYPHS.maximize, "最大化");
        maximize.image2 = CAPTION_GLYPHS.restore.ToBytes();
        buttons.Append(std::move(maximize));
    }
    buttons.Append(StandardButton(CAPTION_CLOSE, 38, CAPTION_GLYPHS.close, "关闭"));

    int totalWidth = 0;
    for (const CaptionButton& button : buttons) totalWidth += button.width;
    const int count = buttons.Count();
    record.buttonStripWidth = totalWidth + (count - 1) + 3;
    record.buttonStripHeight = STRIP_HEIGHT;
    record.buttonStripX = client.right - frameWidth - record.buttonStripWidth - 2;
    record.buttonStripY = 0;

    // The window's own caption buttons answer to the system menu commands.
    SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) | WS_SYSMENU);

    windowRecords.push_back(std::move(record));
    const int windowIndex = static_cast<int>(windowRecords.size());

    {
        WindowSkinRecord& added = windowRecords.back();
        added.captionToolTip.CreateTipWindow(hwnd, 0);
        for (int i = 1; i <= added.captionButtons.Count(); ++i) {
            const FloatRect& b = added.captionButtons.At(i).bounds;
            const RECT rect{static_cast<LONG>(b.x), static_cast<LONG>(b.y),
                            static_cast<LONG>(b.x + b.width), static_cast<LONG>(b.y + b.height)};
            added.captionToolTip.AddTool(rect, added.captionButtons.At(i).toolTip,
                                         static_cast<UINT_PTR>(i));
            added.captionToolCount = i;
        }
    }
    LayoutCaptionButtons(windowIndex);

    if (bottomBarHeight.value_or(0) >= 1) {
        CreateBottomBar(windowIndex, *bottomBarHeight, bottomBarItems);
        if (WindowSkinRecord* added = RecordAt(windowIndex)) {
            added->bottomBarGlowTextColor = 0;
            added->bottomBarGlowColor = 0xFFFFFF;
            added->bottomBarFontName = "宋体";
            added->bottomBarFontSize = 12;
        }
    }
    LayoutBottomBar(windowIndex);

    // The standard controls inside the window are taken over here, kind by kind, in this
    // order: push buttons, check boxes and radio buttons, edit boxes, combo boxes, track
    // bars, progress bars, list-type controls, spin buttons, headers.

    WindowSkinRecord* added = RecordAt(windowIndex);
    if (!added || added->hwnd != hwnd) return;
    added->attached = 1;
    added->needsFullRepaint = 1;
    // Replaced last, so that everything the steps above caused still reached the window's
    // own procedure.
    added->previousWndProc = reinterpret_cast<WNDPROC>(SetWindowLongA(
        hwnd, GWL_WNDPROC, static_cast<LONG>(windowProcAdapter.entry())));
    SetPropA(hwnd, "Hw_hProc", reinterpret_cast<HANDLE>(added->previousWndProc));
    SetPropA(hwnd, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowIndex)));
    // A window that is already on the screen shows its skin at once.
    InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace skin
