// Web view: a host window for the embedded browser, which keeps the address it was given.
#pragma once
#include <memory>

#include "toolkit/control.h"
#include "toolkit/services.h"

namespace toolkit {

class WebViewControl : public Control {
public:
    WebViewControl(const ControlDefinition& definition, WebView settings);
    ~WebViewControl() override;

    const std::string& Address() const { return address_; }
    // Keeps the address and loads it; loading failures are not reported.
    void SetAddress(const std::string& address);

    void PaintSurface(HDC dc, const RECT& area) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Create() override;

private:
    std::string address_;
    std::unique_ptr<Browser> browser_;
};

}  // namespace toolkit
