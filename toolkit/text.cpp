// GBK <-> UTF-16 conversion through code page 936.
#include "toolkit/text.h"

#include <windows.h>

namespace toolkit {

namespace {
constexpr UINT GBK_CODE_PAGE = 936;
}

std::wstring Widen(const std::string& gbk) {
    if (gbk.empty()) return {};
    const int size = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(GBK_CODE_PAGE, 0, gbk.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0) MultiByteToWideChar(GBK_CODE_PAGE, 0, gbk.data(), size, &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(GBK_CODE_PAGE, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    if (length > 0)
        WideCharToMultiByte(GBK_CODE_PAGE, 0, utf16.data(), size, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}  // namespace toolkit
