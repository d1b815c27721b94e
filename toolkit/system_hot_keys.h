// The real hot-key service: RegisterHotKey on the owner, presses routed to the receiver.
#pragma once
#include "toolkit/services.h"

namespace toolkit {

class SystemHotKeys : public HotKeyService {
public:
    int Register(HWND owner, HWND receiver, UINT modifiers, UINT virtualKey) override;
};

}  // namespace toolkit
