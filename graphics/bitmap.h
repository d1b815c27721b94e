// Bitmap: a GDI+ bitmap: an image that can also be made blank or from GDI objects, read and
// written pixel by pixel, rotated and turned into GDI objects.
#pragma once
#include <optional>
#include <string>

#include "graphics/image.h"

namespace graphics {

class Graphics;

// Each operation calls "Gdip" + its name on nativeBitmap, under the conventions of Graphics.
// The load operations of Image create bitmaps here (CreateBitmapFromFile, ...FromBytes).
class Bitmap : public Image {
public:
    Bitmap() = default;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // Stores nativeBitmap.
    void OnNativeChanged(void* handle) override;

    int LoadImageFromFile(const std::string& fileName, int useIcm = 0) override;
    int LoadImageFromFileW(const Bytes& fileName, int useIcm = 0) override;
    int LoadImageFromBytes(const Bytes& bytes, int useIcm = 0) override;

    // GdipCreateBitmapFromFileICM when useIcm is non-zero, else GdipCreateBitmapFromFile.
    virtual int CreateBitmapFromFile(const std::string& fileName, int useIcm = 0);
    virtual int CreateBitmapFromFileW(const Bytes& fileName, int useIcm = 0);
    // Decodes encoded picture bytes through the member stream, kept while the bitmap lives.
    virtual int CreateBitmapFromBytes(const Bytes& bytes, int useIcm = 0);
    // A bitmap over caller-owned pixels (`scan0` must outlive it), or GDI+-owned pixels when
    // scan0 is null and stride 0.
    virtual int CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format,
                                      BYTE* scan0);
    // A blank (transparent black) bitmap: GdipCreateBitmapFromScan0 with stride 0, no pixels.
    virtual int CreateBlankBitmap(int width, int height,
                                  PixelFormat format = PixelFormat32bppARGB);
    // A bitmap with the resolution of `graphics`.
    virtual int CreateBitmapFromGraphics(int width, int height, const Graphics& graphics);
    virtual int CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    virtual int CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    virtual int CreateBitmapFromHICON(HICON icon);
    // A bitmap resource of `instance`, named in the ANSI code page.
    virtual int CreateBitmapFromResource(HINSTANCE instance, const std::string& name);
    // A new GDI bitmap owned by the caller, transparent pixels blended over `background`.
    virtual HBITMAP CreateHBITMAPFromBitmap(ARGB background);
    // A new icon owned by the caller.
    virtual HICON CreateHICONFromBitmap();
    // Puts a new bitmap holding a copy of the area into `target`.
    virtual int CloneBitmapArea(float x, float y, float width, float height, PixelFormat format,
                                Bitmap& target);
    virtual int CloneBitmapAreaI(int x, int y, int width, int height, PixelFormat format,
                                 Bitmap& target);
    // `flags` are GDI+ ImageLockMode flags; no rectangle locks the whole bitmap.
    virtual int BitmapLockBits(const std::optional<Rect>& rect, UINT flags, PixelFormat format,
                               BitmapData& data);
    virtual int BitmapUnlockBits(BitmapData& data);
    // The pixel's ARGB value; 0 outside the bitmap or on failure.
    virtual ARGB BitmapGetPixel(int x, int y);
    virtual int BitmapSetPixel(int x, int y, ARGB color);
    virtual int BitmapSetResolution(float xDpi, float yDpi);
    // Applies a native effect to the bitmap or to `area` of it; no auxiliary data is asked for.
    virtual int BitmapApplyEffect(Gdiplus::CGpEffect* effect,
                                  const std::optional<RECT>& area = std::nullopt);
    // Puts into `target` a new 32-bit ARGB bitmap holding this one rotated by `angle` degrees
    // about its centre, of `size` or else of RotatedSize (truncated), filled with `background`
    // first when given, drawn with `interpolation` when given. Returns the drawing's success;
    // leaves `target` unchanged and returns 0 when the new bitmap, its surface or the
    // background brush cannot be made, or this bitmap is empty.
    virtual int RotateBitmap(float angle, Bitmap& target,
                             std::optional<ARGB> background = std::nullopt,
                             std::optional<InterpolationMode> interpolation = std::nullopt,
                             std::optional<Gdiplus::SizeF> size = std::nullopt);
    // The size of a width x height picture turned by `angle` whole degrees, measured between
    // pixel centres: (width-1)|cos| + (height-1)|sin| by (width-1)|sin| + (height-1)|cos|.
    virtual void RotatedSize(float width, float height, int angle, float& rotatedWidth,
                             float& rotatedHeight);

    Gdiplus::GpBitmap* nativeBitmap = nullptr;
};

}  // namespace graphics
