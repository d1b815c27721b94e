// The real message box: MessageBoxW with texts converted from code page 936.
#pragma once
#include "toolkit/services.h"

namespace toolkit {

class SystemMessageBox : public MessageBoxService {
public:
    int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) override;
};

}  // namespace toolkit
