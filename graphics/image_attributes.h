// ImageAttributes: how GDI+ treats an image's pixels while drawing it (wrapping, colour keys,
// colour matrices).
#pragma once
#include "graphics/gdiplus_object.h"

namespace graphics {

// Each operation calls "Gdip" + its name on nativeAttributes, under the conventions of Graphics.
class ImageAttributes : public GdiplusObject {
public:
    ImageAttributes() = default;
    // Disposes of the native attributes.
    ~ImageAttributes() override;
    ImageAttributes(ImageAttributes&& other) noexcept;
    ImageAttributes& operator=(ImageAttributes&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DisposeImageAttributes();
    virtual int CreateImageAttributes();
    // Puts a new native copy of these attributes into `target`.
    virtual int CloneImageAttributes(ImageAttributes& target);
    // `type` is a GDI+ ColorAdjustType: which kind of drawing the setting applies to.
    virtual int ResetImageAttributes(Gdiplus::ColorAdjustType type);
    // How the image continues outside its own bounds; `color` shows with WrapModeClamp.
    virtual int SetImageAttributesWrapMode(WrapMode wrap, ARGB color = 0, BOOL clamp = FALSE);
    // Pixels between the two keys (each channel inclusive) are drawn transparent.
    virtual int SetImageAttributesColorKeys(Gdiplus::ColorAdjustType type, BOOL enable,
                                            ARGB low, ARGB high);
    virtual int SetImageAttributesColorMatrix(Gdiplus::ColorAdjustType type, BOOL enable,
                                              const Gdiplus::ColorMatrix* matrix,
                                              const Gdiplus::ColorMatrix* grayMatrix = nullptr,
                                              Gdiplus::ColorMatrixFlags flags =
                                                  Gdiplus::ColorMatrixFlagsDefault);

    Gdiplus::GpImageAttributes* nativeAttributes = nullptr;
};

// The native object of an optional ImageAttributes argument (null for none).
inline Gdiplus::GpImageAttributes* NativeOf(const ImageAttributes* attributes) {
    return attributes != nullptr ? attributes->nativeAttributes : nullptr;
}

}  // namespace graphics
