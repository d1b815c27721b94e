// Web view control: owns the browser for as long as its host window lives.
#include "toolkit/web_view_control.h"

#include <utility>

#include "toolkit/form.h"
#include "toolkit/window_table.h"

namespace toolkit {

WebViewControl::WebViewControl(const ControlDefinition& definition, WebView settings)
    : Control(definition.name, BoundsOf(definition), definition.events),
      address_(std::move(settings.address)) {}

WebViewControl::~WebViewControl() { browser_.reset(); }

void WebViewControl::Create() {
    HWND host = CreateChild(WEB_VIEW_CLASS, WS_CLIPCHILDREN, "");
    if (!host || !OwnerForm()) return;
    browser_ = OwnerForm()->services().browsers.Create(host);
    if (browser_ && !address_.empty()) browser_->Navigate(address_);
}

void WebViewControl::SetAddress(const std::string& address) {
    address_ = address;
    if (browser_) browser_->Navigate(address_);
}

void WebViewControl::PaintSurface(HDC dc, const RECT& area) {
    const RECT place = AtOrigin(area);
    FillRect(dc, &place, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

LRESULT WebViewControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (browser_) browser_->Resize(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_DESTROY:
        // The browser's windows are children of the host: let go of it while they still exist.
        browser_.reset();
        break;
    case WM_LBUTTONDOWN:
        return DefWindowProcW(Handle(), message, wParam, lParam);  // not a drag surface
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace toolkit
