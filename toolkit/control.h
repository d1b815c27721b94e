// The base of every control kind: name, native window, events and see-through painting.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/definition.h"

namespace toolkit {

class Form;

inline RECT BoundsOf(const ControlDefinition& d) { return {d.x, d.y, d.x + d.width, d.y + d.height}; }
// `area` moved to the origin: where a surface painter draws it in its DC.
inline RECT AtOrigin(const RECT& area) { return {0, 0, area.right - area.left, area.bottom - area.top}; }

class Control {
public:
    Control(std::string name, RECT bounds, std::vector<EventBinding> events);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    HWND Handle() const { return hwnd_; }      // null before creation and after destruction
    Control* Parent() const { return parent_; }  // null for the form itself
    Form* OwnerForm() const { return form_; }
    const RECT& Bounds() const { return bounds_; }  // in the parent's client coordinates

    // The control's text in code page 936.
    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    void SetVisible(bool visible);
    bool IsVisible() const;

    // Runs the handlers bound to `event`; false when there is none.
    bool Raise(Event event, int first = 0, int second = 0);
    bool HasHandler(Event event) const;

    // Paints what a see-through child sees at `area` (this control's client coordinates) into
    // `dc`, with area's top-left corner at the DC's origin.
    virtual void PaintSurface(HDC dc, const RECT& area);

    // Called by the window procedure for the toolkit's own window classes.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND notification from this control's standard window.
    virtual void OnCommand(int notifyCode);

    void AttachHandle(HWND hwnd) { hwnd_ = hwnd; }
    void DetachHandle() { hwnd_ = nullptr; }

protected:
    friend class Form;

inline RECT BoundsOf(const ControlDefinition& d) { return {d.x, d.y, d.x + d.width, d.y + d.height}; }
// `area` moved to the origin: where a surface painter draws it in its DC.
inline RECT AtOrigin(const RECT& area) { return {0, 0, area.right - area.left, area.bottom - area.top}; }
    // Builds the native side; the parent's window exists already.
    virtual void Create() = 0;
    void SetOwner(Form* form, Control* parent) {
        form_ = form;
        parent_ = parent;
    }
    HWND ParentHandle() const;
    HWND CreateChild(const wchar_t* windowClass, DWORD style, const std::string& text);
    // What the parent shows behind this control's `area`.
    void PaintParentSurface(HDC dc, const RECT& area);
    // Redraws this control and its descendants after what it shows has changed.
    void Redraw();
    // Left-button press on a surface: the handler first, then the window drag when the button
    // is still held and the control still exists.
    void OnLeftButtonDown(int x, int y);
    virtual HCURSOR CursorShape() const;

private:
    std::string name_;
    RECT bounds_;
    std::vector<EventBinding> events_;
    HWND hwnd_ = nullptr;
    Form* form_ = nullptr;
    Control* parent_ = nullptr;
};

}  // namespace toolkit
