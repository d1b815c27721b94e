// A top-level window built from a stored definition, owning its controls.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/definition.h"
#include "toolkit/services.h"

namespace toolkit {

class Form : public Control {
public:
    Form(FormDefinition definition, Services& services);
    ~Form() override;

    // Creates the window hidden, then its controls in table order, raises Created and shows
    // the window (unless the definition keeps it hidden). False when the window could not be created (no desktop, out of resources).
    bool Build();
    // True from a successful Build until the window has been destroyed.
    bool IsAlive() const { return Handle() != nullptr; }
    void Destroy();
    void Show();
    void Hide();

    Control* Find(const std::string& name) const;
    // The control of that name and kind; null when there is none.
    template <class Kind>
    Kind* Get(const std::string& name) const {
        return dynamic_cast<Kind*>(Find(name));
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    Services& services() const { return services_; }
    // Starts moving the window with the mouse, as a press on a caption would.
    void BeginDrag();

    void PaintSurface(HDC dc, const RECT& area) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Create() override;

private:
    void OnHotKey(int id, LPARAM keyData);
    void OnTimer(UINT_PTR id);
    void ReleaseHandles();

    WindowSettings settings_;
    std::vector<ControlDefinition> definitions_;
    std::vector<std::unique_ptr<Control>> controls_;
    Services& services_;
};

}  // namespace toolkit
