// FontCollection: the collection argument of family look-ups, and the families it holds.
#include "graphics/font_collection.h"

#include "graphics/flat_call.h"
#include "graphics/font_family.h"

using namespace Gdiplus::DllExports;

namespace graphics {

FontCollection::~FontCollection() = default;
FontCollection::FontCollection(FontCollection&& other) noexcept { TakeFrom(other); }
FontCollection& FontCollection::operator=(FontCollection&& other) noexcept { ReplaceWith(other); return *this; }

void FontCollection::SetNativeHandle(void* handle) {
    nativeCollection = static_cast<Gdiplus::GpFontCollection*>(handle);
    OnNativeChanged(handle);
}
void FontCollection::OnNativeChanged(void*) {}

int FontCollection::DeleteNativeObject() {
    SetNativeObject(nullptr);
    return 0;
}

int FontCollection::GetFontCollectionFamilyCount() { return GetValue<INT>(GdipGetFontCollectionFamilyCount, nativeCollection); }

int FontCollection::GetFontCollectionFamilyList(int count, std::vector<FontFamily>& families) {
    if (count < 1) return Check(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::GpFontFamily*> natives(count, nullptr);
    INT found = 0;
    if (!Check(GdipGetFontCollectionFamilyList(nativeCollection, count, natives.data(), &found))) return 0;
    if (found < 0 || found > count) found = count;
    // The collection keeps the families it lists; each wrapper gets a reference of its own.
    std::vector<FontFamily> list(found);
    Gdiplus::GpStatus status = Gdiplus::Ok;
    for (int i = 0; i < found && status == Gdiplus::Ok; ++i) {
        Gdiplus::GpFontFamily* own = nullptr;
        status = GdipCloneFontFamily(natives[i], &own);
        list[i].SetNativeObject(own);
    }
    if (!Check(status)) return 0;
    families = std::move(list);
    return 1;
}

int FontCollection::NewInstalledFontCollection() {
    Gdiplus::GpFontCollection* collection = nullptr;
    const Gdiplus::GpStatus status = GdipNewInstalledFontCollection(&collection);
    return Adopt(status, collection);
}

}  // namespace graphics
