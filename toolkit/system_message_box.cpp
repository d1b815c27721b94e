// MessageBoxW, so the Chinese texts read correctly on a system of any code page.
#include "toolkit/system_message_box.h"

#include "toolkit/text.h"

namespace toolkit {

int SystemMessageBox::Show(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), flags);
}

}  // namespace toolkit
