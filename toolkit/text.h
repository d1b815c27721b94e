// Conversion between the system's GBK texts (code page 936) and the UTF-16 the W functions take.
#pragma once
#include <string>

namespace toolkit {

// Converted explicitly from code page 936, so Chinese texts read correctly whatever the
// system's ANSI code page is.
std::wstring Widen(const std::string& gbk);
std::string Narrow(const std::wstring& utf16);

}  // namespace toolkit
