// FontCollection: the collection argument of family look-ups, and the families it holds.
#pragma once
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

class FontFamily;

// Never owns its native collection: an empty wrapper stands for the installed fonts where a
// collection is an argument, and NewInstalledFontCollection refers to GDI+'s own installed
// collection, which GDI+ keeps.
class FontCollection : public GdiplusObject {
public:
    FontCollection() = default;
    ~FontCollection() override;
    FontCollection(FontCollection&& other) noexcept;
    FontCollection& operator=(FontCollection&& other) noexcept;

    // Stores nativeCollection, then calls OnNativeChanged.
    void SetNativeHandle(void* handle) override;
    virtual void OnNativeChanged(void* handle);
    // Forgets the collection without deleting it; returns 0.
    int DeleteNativeObject() override;

    virtual int GetFontCollectionFamilyCount();
    // Replaces `families` by new wrappers for at most `count` of the collection's families,
    // each holding a reference of its own that its wrapper deletes. A count below 1 sets lastStatus to InvalidParameter
    // and returns 0.
    virtual int GetFontCollectionFamilyList(int count, std::vector<FontFamily>& families);
    // Refers to the collection of installed fonts (GdipNewInstalledFontCollection).
    virtual int NewInstalledFontCollection();

    Gdiplus::GpFontCollection* nativeCollection = nullptr;
};

// The native object of an optional FontCollection argument (null for none).
inline Gdiplus::GpFontCollection* NativeOf(const FontCollection* collection) {
    return collection != nullptr ? collection->nativeCollection : nullptr;
}

}  // namespace graphics
