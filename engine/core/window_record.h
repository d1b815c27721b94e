// The engine's state for one attached top-level window, with its caption buttons and containers.
#pragma once
#include <windows.h>

#include <string>

#include "engine/core/control_records.h"
#include "engine/core/record_list.h"
#include "graphics/bytes.h"
#include "graphics/tool_tip.h"

namespace skin {

// A rectangle given by its corner and size, in pixels.
struct IntRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The same in single-precision floats, as GDI+ draws.
struct FloatRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// Caption button kinds.
constexpr int CAPTION_CLOSE = 0;
constexpr int CAPTION_MAXIMIZE = 1;
constexpr int CAPTION_MINIMIZE = 2;
constexpr int CAPTION_MENU = 3;
constexpr int CAPTION_HELP = 4;
constexpr int CAPTION_CUSTOM = 5;

struct CaptionButton {
    int width = 0;            // 26; the close button 38
    int height = 0;           // 18
    graphics::Bytes image;    // glyph of the normal state
    graphics::Bytes image2;   // second glyph (maximize: the restore glyph)
    graphics::Bytes image3;   // third glyph (empty for the standard buttons)
    int kind = CAPTION_CLOSE;
    std::string toolTip;      // hint text
    INT_PTR callback = 0;     // routine run by a CAPTION_CUSTOM button
    FloatRect bounds;         // client coordinates, set by the caption-button layout
};

// A child window stretched across its parent when the parent is laid out.
struct DockedItem {
    HWND window = nullptr;
    int top = 0;
};

// A panel, picture box or group box painted as a see-through surface.
struct ContainerRecord {
    HWND window = nullptr;
    COLORREF tintColor = 0;        // laid over the backdrop; 0 means no tint
    BYTE tintAlpha = 0;            // 255 unless the caller gives another
    int border = 0;                // draw the rounded frame (not for group boxes)
    WNDPROC previousProc = nullptr;
    int dirty = 0;                 // the next paint recomposes the container
    int isGroupBox = 0;
    int enabled = 0;               // 0: only the children are skinned
    std::string captionFontName;   // group box: the control's font
    int captionFontSize = 0;
    int captionFontStyle = 0;
    RecordList<DockedItem> dockedItems;
};

// A caption button fading in or out of its highlight.
struct FadeState {
    int button = 0;  // caption button number, 0 for none
    int step = 0;    // 0…8
};

// Text, picture and colour of one bottom-bar item.
struct BottomBarItem {
    int width = 0;             // pixels; -1 takes the rest of the bar
    std::string text;
    graphics::Bytes picture;   // optional, shown left of the text
    COLORREF textColor = 0;
};

inline HWND EntryWindow(const ContainerRecord& entry) { return entry.window; }
inline HWND EntryWindow(const DockedItem& entry) { return entry.window; }

// One per attached window, built by the window attach and held in windowRecords; the window
// finds it through its "Hw_lbID" property. A new record is all zero except that every list
// holds its one all-zero entry; the attach gives the fields their working values.
struct WindowSkinRecord {
    HWND hwnd = nullptr;                  // the attached window
    int captionHeight = 0;                // never below 25 once attached
    int showHelpButton = 0;
    int showMenuButton = 0;
    int showMinimizeButton = 0;           // WS_MINIMIZEBOX at attach
    int showMaximizeButton = 0;           // WS_MAXIMIZEBOX at attach
    int showCloseButton = 0;              // always 1 once attached
    int showTitle = 0;
    int drawGloss = 0;                    // lay the white gloss band over the background
    WNDPROC previousWndProc = nullptr;    // the procedure the engine replaced
    graphics::Bytes backgroundImage;      // prepared background picture, empty when none
    int backgroundLayout = 0;             // 0 fade right and bottom, 1 left and bottom, else none
    COLORREF backgroundColor = 0;         // average picture colour with 255 on top; 0 without
    RecordList<CaptionButton> captionButtons;  // in display order
    int buttonStripX = 0;                 // the caption-button strip, client coordinates
    int buttonStripY = 0;
    int buttonStripWidth = 0;
    int buttonStripHeight = 0;
    HGDIOBJ captionBufferOldObject = nullptr;    // what captionBufferDc held before its bitmap
    HBITMAP captionBufferBitmap = nullptr;
    HGDIOBJ bottomBarBufferOldObject = nullptr;  // what bottomBarBufferDc held before
    HBITMAP bottomBarBufferBitmap = nullptr;
    int isMaximized = 0;
    int isMinimized = 0;                  // painting is skipped while set
    int minTrackWidth = 0;
    int minTrackHeight = 0;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    int resizable = 0;                    // border resizing and caption double-click
    int captionEnabled = 0;               // dragging, hover and caption buttons
    COLORREF titleColor = 0;
    COLORREF titleGlowColor = 0;
    std::string titleFontName;
    int titleFontSize = 0;
    int titleFontStyle = 0;
    int hotCaptionButton = 0;             // caption button under the mouse, 0 for none
    int paintedHoverKind = 0;             // kind code of the control last painted hot
    HWND hoverParent = nullptr;           // parent of the edit box last painted hot
    INT_PTR helpCallback = 0;             // routine of the help caption button, 0 for none
    INT_PTR menuCallback = 0;             // routine of the menu caption button, 0 for none
    graphics::ToolTip captionToolTip;     // hints of the caption buttons
    int bottomBarHeight = 0;              // 0: no bottom bar
    IntRect bottomBarRect;
    RecordList<BottomBarItem> bottomBarItems;
    RecordList<IntRect> bottomBarItemRects;
    int bottomBarInvertText = 0;
    int bottomBarGlow = 0;
    COLORREF bottomBarGlowTextColor = 0;
    COLORREF bottomBarGlowColor = 0;
    std::string bottomBarFontName;
    int bottomBarFontSize = 0;
    RecordList<ButtonSkinRecord> buttons;
    RecordList<EditRecord> edits;
    RecordList<ListRecord> lists;
    RecordList<TrackBarRecord> trackBars;
    RecordList<ProgressRecord> progressBars;
    RecordList<ComboRecord> combos;
    RecordList<SpinRecord> spins;
    RecordList<HeaderRecord> headers;
    RecordList<CompositeRecord> compositeControls;
    int needsFullRepaint = 0;             // the next WM_PAINT recomposes the whole window
    HDC backBufferDc = nullptr;           // composed window image
    HDC captionBufferDc = nullptr;        // clean copy of the caption band
    HDC bottomBarBufferDc = nullptr;      // clean copy of the bottom-bar area
    int paintedHoverIndex = 0;            // "Hw_lbID" of the control last painted hot
    int hoverIndex = 0;                   // "Hw_lbID" of the control the mouse last moved over
    int captionToolCount = 0;             // caption tools registered
    RecordList<ContainerRecord> containers;
    int attached = 0;                     // 1 once the attach has finished
    RecordList<DockedItem> dockedWindows;
    int mouseTracked = 0;                 // WM_MOUSEHOVER seen since the last WM_MOUSELEAVE
    FadeState fadeIn;                     // caption button gaining its highlight
    FadeState fadeOut;                    // caption button losing its highlight
    int hoverTimerRunning = 0;            // the 20 ms caption animation timer is set
};

}  // namespace skin
