// A form's stored definition: the window's settings and one row per control.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "graphics/bytes.h"

namespace toolkit {

// What a handler is told: two integers whose meaning depends on the event (the hot-key id and
// the key data for Feedback, the cursor position for LeftButtonDown, 0 otherwise).
using Handler = std::function<void(int first, int second)>;

enum class Event { Created, Clicked, LeftButtonDown, TimerTick, Feedback };

struct EventBinding {
    Event event;
    Handler handler;
};

enum class PictureLayout { Stretch, NaturalSize };
enum class Cursor { Arrow, Hand, Help };

// A rectangle outline drawn inside the control's bounds (a wide line never spills over them).
struct ShapeBox {
    int lineWidth = 1;
    COLORREF lineColor = RGB(0, 0, 0);
};

// An encoded picture (PNG, JPEG, BMP); without one the box shows its parent.
struct PictureBox {
    graphics::Bytes picture;
    PictureLayout layout = PictureLayout::Stretch;
};

// An invisible text holder; the hot-key service delivers presses to it as Feedback.
struct Label {};

struct PushButton {
    std::string caption;
};

// Address without or with a scheme; empty loads nothing.
struct WebView {
    std::string address;
};

// Period in milliseconds; 0 means the timer never ticks.
struct Timer {
    int period = 0;
};

// A single left-aligned line, vertically centred, on whatever its parent shows.
struct TransparentLabel {
    std::string text;
    std::string face;
    int pixelHeight = 12;          // character height, not cell height
    int weight = FW_BOLD;
    BYTE charSet = GB2312_CHARSET;
    COLORREF color = RGB(0, 0, 0);
    bool shadow = false;           // black copy 2 px right and down, under the text
    Cursor cursor = Cursor::Arrow;
};

using ControlSettings =
    std::variant<ShapeBox, PictureBox, Label, PushButton, WebView, Timer, TransparentLabel>;

// One control. The parent is named; an empty parent is the window itself. A parent comes
// before its children in the table.
struct ControlDefinition {
    std::string name;
    std::string parent;
    int x, y, width, height;  // relative to the parent's client area
    ControlSettings settings;
    std::vector<EventBinding> events;
};

struct WindowSettings {
    std::string name;
    int x, y, width, height;      // the position is not used when `centred` is set
    bool border = false;          // false: no frame, no caption, no system menu
    bool centred = true;          // centred on the screen's work area at creation
    bool dragAnywhere = true;     // a press on the window's surface moves the window
    bool inTaskBar = false;
    bool topMost = false;
    bool visible = true;          // shown once the creation handler has run
    COLORREF background = RGB(0, 0, 0);
    std::string text;             // the window's title (not shown without a caption)
};

struct FormDefinition {
    WindowSettings window;
    std::vector<EventBinding> windowEvents;
    std::vector<ControlDefinition> controls;
};

}  // namespace toolkit
