// ImageAttributes: how GDI+ treats an image's pixels while drawing it.
#include "graphics/image_attributes.h"

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

ImageAttributes::~ImageAttributes() { DisposeImageAttributes(); }
ImageAttributes::ImageAttributes(ImageAttributes&& other) noexcept { TakeFrom(other); }
ImageAttributes& ImageAttributes::operator=(ImageAttributes&& other) noexcept { ReplaceWith(other); return *this; }

void ImageAttributes::SetNativeHandle(void* handle) { nativeAttributes = static_cast<Gdiplus::GpImageAttributes*>(handle); }
int ImageAttributes::DeleteNativeObject() { return DisposeImageAttributes(); }

int ImageAttributes::DisposeImageAttributes() { return DeleteWith(GdipDisposeImageAttributes, nativeAttributes); }

int ImageAttributes::CreateImageAttributes() {
    Gdiplus::GpImageAttributes* attributes = nullptr;
    const Gdiplus::GpStatus status = GdipCreateImageAttributes(&attributes);
    return Adopt(status, attributes);
}

int ImageAttributes::CloneImageAttributes(ImageAttributes& target) {
    Gdiplus::GpImageAttributes* attributes = nullptr;
    const Gdiplus::GpStatus status = GdipCloneImageAttributes(nativeAttributes, &attributes);
    return target.Adopt(status, attributes);
}

int ImageAttributes::ResetImageAttributes(Gdiplus::ColorAdjustType type) { return Check(GdipResetImageAttributes(nativeAttributes, type)); }
int ImageAttributes::SetImageAttributesWrapMode(WrapMode wrap, ARGB color, BOOL clamp) { return Check(GdipSetImageAttributesWrapMode(nativeAttributes, wrap, color, clamp)); }
int ImageAttributes::SetImageAttributesColorKeys(Gdiplus::ColorAdjustType type, BOOL enable, ARGB low, ARGB high) { return Check(GdipSetImageAttributesColorKeys(nativeAttributes, type, enable, low, high)); }
int ImageAttributes::SetImageAttributesColorMatrix(Gdiplus::ColorAdjustType type, BOOL enable, const Gdiplus::ColorMatrix* matrix, const Gdiplus::ColorMatrix* grayMatrix, Gdiplus::ColorMatrixFlags flags) { return Check(GdipSetImageAttributesColorMatrix(nativeAttributes, type, enable, matrix, grayMatrix, flags)); }

}  // namespace graphics
