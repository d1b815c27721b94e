// The engine object: its callback adapters, options and the operations it offers.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/executable_code.h"
#include "engine/core/method_adapter.h"
#include "engine/core/window_record.h"
#include "graphics/bytes.h"

namespace graphics {
class Graphics;
}

namespace skin {

// SetTheme's theme colour argument that makes the theme colour follow the background colour.
constexpr COLORREF THEME_FROM_BACKGROUND = CLR_INVALID;

// Background picture layouts of a window (and of the engine's default picture).
constexpr int BACKGROUND_TOP_LEFT = 0;   // unscaled at the top left; fades right and bottom
constexpr int BACKGROUND_TOP_RIGHT = 1;  // unscaled at the top right; fades left and bottom
constexpr int BACKGROUND_CENTERED = 2;
constexpr int BACKGROUND_STRETCHED = 3;
constexpr int BACKGROUND_TILED = 4;      // tiled across, every second copy mirrored

// One engine per process. A window is attached with AttachWindow; from then on the engine
// paints its frame, caption, caption buttons, background and bottom bar and handles its
// mouse and size messages. Operations that take a window handle answer 0 (and change
// nothing) for a window that is not attached; operations that take a windowIndex (the
// 1-based position of the window's record, its "Hw_lbID" property) do nothing for a
// position that holds no record.
//
// Routines run by caption buttons are given by address (INT_PTR) and take no arguments.
class SkinEngine {
public:
    // Builds the window-procedure adapter (4 arguments) and the caption-button adapter
    // (2 arguments) for this instance and reads the system's button-face colour.
    SkinEngine();
    // Gives any window still attached its previous procedure back, destroys the default icon,
    // then shuts GDI+ down with gdiplusToken (when non-zero), then frees the adapters.
    // Destroying any engine ends the use of GDI+ for the whole process.
    virtual ~SkinEngine();

    // An engine is not copied: its adapters carry this instance's address.
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // Window procedure of attached top-level windows, reached through windowProcAdapter.
    virtual LRESULT HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the action of caption button `buttonNumber` (1-based) of record `windowIndex`:
    // close, maximize or restore, minimize, or the help, menu or custom routine.
    virtual void ClickCaptionButton(int windowIndex, int buttonNumber);

    // Takes over the top-level window `hwnd`. Absent values take their defaults: caption
    // height 25 (also the floor), caption mouse handling on, resizable, no help or menu
    // button, title shown, no gloss, no bottom bar, no picture, the engine's default layout.
    // A window that is already attached is left as it is.
    virtual void AttachWindow(HWND hwnd, std::optional<int> captionHeight = std::nullopt,
                              std::optional<int> captionEnabled = std::nullopt,
                              std::optional<int> resizable = std::nullopt,
                              std::optional<int> showHelpButton = std::nullopt,
                              std::optional<int> showMenuButton = std::nullopt,
                              std::optional<int> showTitle = std::nullopt,
                              std::optional<int> drawGloss = std::nullopt,
                              std::optional<int> bottomBarHeight = std::nullopt,
                              const std::vector<BottomBarItem>& bottomBarItems = {},
                              const graphics::Bytes& backgroundPicture = {},
                              std::optional<int> backgroundLayout = std::nullopt);
    // Adds a 26 x 18 caption button showing `picture` left of the others; `routine` runs when
    // it is clicked. 1, or 0 when the window is not attached. Shows at the next full repaint.
    virtual int AddCaptionButton(HWND hwnd, const graphics::Bytes& picture,
                                 const std::string& toolTip, INT_PTR routine);
    // Changes the given parts of the title's look and repaints the title. 1, or 0 when the
    // window is not attached. A font style other than 0 draws the title bold.
    virtual int SetTitleStyle(HWND hwnd, std::optional<std::string> fontName = std::nullopt,
                              std::optional<int> fontSize = std::nullopt,
                              std::optional<COLORREF> titleColor = std::nullopt,
                              std::optional<COLORREF> glowColor = std::nullopt,
                              std::optional<int> fontStyle = std::nullopt);
    // Gives the window its own background picture (and layout, when given) and repaints it.
    // 1; 0 when the window is not attached or the picture is empty.
    virtual int SetWindowBackground(HWND hwnd, const graphics::Bytes& picture,
                                    std::optional<int> layout = std::nullopt);
    // Sets the process-wide theme and repaints every visible attached window: a picture
    // (from a file when a name is given, else from bytes) behind every window without its
    // own, the background colour (the picture's average colour when only a picture is
    // given), the theme colour (its default when absent; THEME_FROM_BACKGROUND makes it the
    // background colour) and the picture layout (tiled when absent).
    virtual void SetTheme(const std::string& fileName = std::string(),
                          const graphics::Bytes& picture = {},
                          std::optional<COLORREF> backgroundColor = std::nullopt,
                          std::optional<COLORREF> themeColorValue = std::nullopt,
                          std::optional<int> layout = std::nullopt);
    // skinControls := skin; controlAlpha := alpha or 160; translucentControls := alpha given;
    // trackBarFrame := frame or 1. Takes effect at the next attach or paint.
    virtual void SetOptions(int skin, std::optional<int> alpha = std::nullopt,
                            std::optional<int> frame = std::nullopt);
    // Composes the whole window into its back buffer and the clean caption and bottom-bar
    // copies; shows it when `present` is non-zero.
    virtual void PaintWindow(int windowIndex, int present);
    // Copies the back buffer onto `hdc` around the window's visible children.
    virtual void PresentWindow(int windowIndex, HDC hdc);
    // Clears the window's back buffer, clips `graphics` (bound to that back buffer) to the
    // rounded client shape and paints the colour, the picture and the gloss.
    virtual void PaintClientBackground(graphics::Graphics& graphics, int windowIndex);
    // The two rounded outlines along the client edge.
    virtual void PaintWindowBorder(int windowIndex, graphics::Graphics& graphics);
    // The faint lines left of caption button `number` and of the button after it.
    virtual void DrawCaptionButtonSeparators(int windowIndex, int number,
                                             graphics::Graphics& graphics);
    // Copies `rect` of the clean caption copy back into the back buffer.
    virtual void RestoreCaptionArea(int windowIndex, const RECT& rect);
    // Copies `rect` (client coordinates) of the clean bottom-bar copy back.
    virtual void RestoreBottomBarArea(int windowIndex, const RECT& rect);
    // Draws caption button `number` pressed, or plain with its highlight at `level` (0…255).
    // With useGivenGraphics 0 the operation binds `graphics` to the back buffer itself, puts
    // the button on the screen and deletes the surface again.
    virtual void DrawCaptionButton(int windowIndex, int number, graphics::Graphics& graphics,
                                   int useGivenGraphics,
                                   std::optional<int> pressed = std::nullopt,
                                   std::optional<int> level = std::nullopt);
    virtual void DrawCaptionButtonHighlight(graphics::Graphics& graphics, int windowIndex,
                                            int number, int level);
    // Places the caption buttons at the right of the client area and moves their tool tips.
    virtual void LayoutCaptionButtons(int windowIndex);
    // The caption button strictly inside whose bounds (x, y) lies; 0 for none.
    virtual int HitTestCaptionButton(int windowIndex, int x, int y);
    // Number of the first maximize button, 0 when there is none.
    virtual int FindMaximizeButton(int windowIndex);
    // A left press in the client area: moves the window from the caption or resizes it from
    // a border zone.
    virtual void HandleCaptionMouseDown(int windowIndex, LPARAM lParam, const RECT& clientRect);
    // Shows the resize cursor of the border zone under the mouse.
    virtual void UpdateResizeCursor(int windowIndex, LPARAM lParam, const RECT& clientRect);
    // The routine the help caption button runs; returns it, or 0 when the window is not
    // attached.
    virtual INT_PTR SetHelpButtonHandler(HWND hwnd, INT_PTR routine);
    // The routine the menu caption button runs; returns it, or 0 when not attached.
    virtual INT_PTR SetMenuButtonHandler(HWND hwnd, INT_PTR routine);
    // The caption icon and the haloed title: `text`, or the window text when absent. With
    // useGivenGraphics 0 only the title band is restored, drawn and put on the screen.
    virtual void DrawCaptionTitle(int windowIndex, graphics::Graphics& graphics,
                                  int useGivenGraphics,
                                  std::optional<std::string> text = std::nullopt);
    // A bottom bar `height` pixels high along the bottom edge with `items` from left to
    // right; without items (or with an empty list) one item spans the bar.
    virtual void CreateBottomBar(int windowIndex, int height,
                                 std::optional<std::vector<BottomBarItem>> items = std::nullopt);
    // Follows the client size: the bar's place and the width of the -1 items.
    virtual void LayoutBottomBar(int windowIndex);
    // Draws bottom-bar item `itemNumber` (1 when absent); with useGivenGraphics 0 it restores
    // the item's area first and puts the item on the screen.
    virtual void DrawBottomBarItem(int windowIndex, graphics::Graphics& graphics,
                                   int useGivenGraphics,
                                   std::optional<int> itemNumber = std::nullopt);
    // New text (and picture and colour, when given) of item `itemNumber`, shown at once.
    // 1, or 0 when the window is not attached or there is no such item.
    virtual int SetBottomBarItem(HWND hwnd, int itemNumber, const std::string& text,
                                 std::optional<graphics::Bytes> picture = std::nullopt,
                                 std::optional<COLORREF> textColor = std::nullopt);
    // The bottom bar's text style; absent values take inverted text on, glow off, glow text
    // black, glow white, font unchanged. Shows at the next item paint. 1, or 0 when the
    // window is not attached.
    virtual int SetBottomBarStyle(HWND hwnd, std::optional<int> invertText = std::nullopt,
                                  std::optional<int> glow = std::nullopt,
                                  std::optional<COLORREF> glowTextColor = std::nullopt,
                                  std::optional<COLORREF> glowColor = std::nullopt,
                                  std::optional<std::string> fontName = std::nullopt,
                                  std::optional<int> fontSize = std::nullopt);
    // The caption-button strip in client coordinates; all 0 when the window is not attached.
    virtual RECT GetCaptionButtonStrip(HWND hwnd);
    // Stretches the window's docked child windows over the area above the bottom bar.
    virtual void LayoutDockedWindows(int windowIndex);
    // The background colour of skinned client areas without a picture.
    virtual COLORREF GetBackColor();
    // New pictures for the standard caption buttons (absent ones are kept); repaints them.
    // 1, or 0 when the window is not attached or has no caption button.
    virtual int SetCaptionButtonImages(HWND hwnd,
                                       std::optional<graphics::Bytes> minimizeImage = std::nullopt,
                                       std::optional<graphics::Bytes> maximizeImage = std::nullopt,
                                       std::optional<graphics::Bytes> restoreImage = std::nullopt,
                                       std::optional<graphics::Bytes> closeImage = std::nullopt);

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

private:
    // Gives windows still attached at destruction their previous procedure back.
    void ReturnAttachedWindows();
};

}  // namespace skin
