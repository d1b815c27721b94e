// Face lookup through EnumFontFamiliesExW, remembered per wanted face.
#include "toolkit/face_choice.h"

#include <windows.h>

#include <map>

namespace toolkit {

namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

// Heavy, legible CJK faces first; the last ones are what Linux desktops commonly carry.
const wchar_t* const CJK_FALLBACKS[] = {
    L"微软雅黑", L"Microsoft YaHei", L"黑体", L"SimHei", L"WenQuanYi Micro Hei",
    L"WenQuanYi Zen Hei", L"Noto Sans CJK SC", L"Source Han Sans SC", L"宋体", L"SimSun",
};

}  // namespace

bool FaceInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, face.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring ChooseFace(const std::wstring& wanted) {
    static std::map<std::wstring, std::wstring> chosen;
    auto known = chosen.find(wanted);
    if (known != chosen.end()) return known->second;
    std::wstring face = wanted;
    if (!FaceInstalled(wanted)) {
        for (const wchar_t* fallback : CJK_FALLBACKS) {
            if (FaceInstalled(fallback)) {
                face = fallback;
                break;
            }
        }
    }
    chosen.emplace(wanted, face);
    return face;
}

}  // namespace toolkit
