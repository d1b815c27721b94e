// The real browser: the system's web browser control in a minimal in-place OLE container.
#pragma once
#include "toolkit/services.h"

namespace toolkit {

// Creates browsers that load their addresses silently (no script-error or other dialogs).
// Where the browser control cannot be created, the browser keeps quiet and loads nothing.
class OleBrowserFactory : public BrowserFactory {
public:
    std::unique_ptr<Browser> Create(HWND host) override;
};

}  // namespace toolkit
