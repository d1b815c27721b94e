// Base of the GDI+ wrapper classes: the native handle, the shared status and text conversion.
#include "graphics/gdiplus_object.h"

#include "graphics/flat_call.h"

namespace graphics {

int lastStatus = 0;

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    // Like a C string, the text ends at its first NUL.
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::wstring BytesToWide(const Bytes& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        wide[i] = static_cast<wchar_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::string WideToAnsi(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], size, nullptr, nullptr);
    narrow.resize(size - 1);  // without the terminator the measuring call counted
    return narrow;
}

Bytes WideToBytes(const std::wstring& text) {
    Bytes bytes(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>((text[i] >> 8) & 0xFF);
    }
    return bytes;
}

std::string GuidToText(const GUID& guid) {
    wchar_t text[40] = {};
    if (StringFromGUID2(guid, text, 40) == 0) return std::string();
    return WideToAnsi(text);
}

bool TextToGuid(const std::string& text, GUID* guid) {
    std::wstring wide = AnsiToWide(text);
    return CLSIDFromString(&wide[0], guid) == NOERROR;
}

void* GdiplusObject::GetNativeObject() const { return nativeObject; }

void GdiplusObject::SetNativeObject(void* handle) {
    nativeObject = handle;
    SetNativeHandle(handle);
}

void GdiplusObject::SetNativeHandle(void*) {}

void* GdiplusObject::Alloc(size_t size) { return Gdiplus::DllExports::GdipAlloc(size); }

void GdiplusObject::Free(void* pointer) { Gdiplus::DllExports::GdipFree(pointer); }

int GdiplusObject::Adopt(Gdiplus::GpStatus status, void* handle) {
    if (nativeObject != nullptr && nativeObject != handle) DeleteNativeObject();
    SetNativeObject(handle);
    return Check(status);
}

void GdiplusObject::TakeFrom(GdiplusObject& other) {
    void* handle = other.nativeObject;
    other.SetNativeObject(nullptr);
    SetNativeObject(handle);
}

void GdiplusObject::ReplaceWith(GdiplusObject& other) {
    if (&other == this) return;
    DeleteNativeObject();
    TakeFrom(other);
}

}  // namespace graphics
