// Image: a GDI+ image loaded from a file or from encoded bytes, saved back to a file or bytes.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "graphics/gdiplus_object.h"
#include "graphics/memory_stream.h"

namespace graphics {

// Image format identifiers as registry GUID text (exact, upper-case), as GetImageRawFormat
// reports them and as the save operations look their encoders up.
constexpr const char IMAGE_FORMAT_MEMORY_BMP[] = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_BMP[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_EMF[] = "{B96B3CAC-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_WMF[] = "{B96B3CAD-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_JPEG[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_PNG[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_GIF[] = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_TIFF[] = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char IMAGE_FORMAT_ICON[] = "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";
// Frame dimensions of multi-frame images.
constexpr const char FRAME_DIMENSION_TIME[] = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
constexpr const char FRAME_DIMENSION_PAGE[] = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
// Property item holding an animation's frame delays, in hundredths of a second.
constexpr PROPID PROPERTY_TAG_FRAME_DELAY = 0x5100;

// One encoder parameter: category GUID as registry text, the number of values, their GDI+
// EncoderParameterValueType, and the values' bytes.
struct EncoderParameter {
    std::string category;
    int numberOfValues = 0;
    int type = 0;
    Bytes value;
};
using EncoderParameterList = std::vector<EncoderParameter>;

// A property item of an image with its value bytes.
struct ImageProperty {
    PROPID id = 0;
    WORD type = 0;
    Bytes value;
};

// The colours of an indexed image, with the GDI+ PaletteFlags.
struct Palette {
    UINT flags = 0;
    std::vector<ARGB> entries;
};

// Each operation calls "Gdip" + its name on nativeImage, under the conventions of Graphics.
// An image loaded from bytes keeps their stream until it is disposed of, since GDI+ may read
// from it later. Every load or create first disposes of the image held before.
class Image : public GdiplusObject {
public:
    Image() = default;
    // Disposes of the image and releases its stream.
    ~Image() override;
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    virtual void OnNativeChanged(void* handle);
    int DeleteNativeObject() override;

    // GdipDisposeImage, then releases the stream the image was loaded from.
    virtual int DisposeImage();
    // GdipLoadImageFromFileICM when useIcm is non-zero, else GdipLoadImageFromFile. The name
    // is in the ANSI code page; the W form takes UTF-16 bytes.
    virtual int LoadImageFromFile(const std::string& fileName, int useIcm = 0);
    virtual int LoadImageFromFileW(const Bytes& fileName, int useIcm = 0);
    // Decodes encoded picture bytes (PNG, JPEG, BMP, ...) through the member stream.
    virtual int LoadImageFromBytes(const Bytes& bytes, int useIcm = 0);
    // Puts a new native copy of this image into `target`.
    virtual int CloneImage(Image& target);
    // Replaces `parameters` by what the encoder of `format` accepts, with their value bytes.
    virtual int GetEncoderParameterList(const std::string& format,
                                        EncoderParameterList& parameters);
    // Saves with the encoder of `format` (exact registry text, see IMAGE_FORMAT_*). No such
    // encoder: returns 0 without saving, lastStatus UnknownImageFormat (13).
    virtual int SaveImageToFile(const std::string& fileName,
                                const std::string& format = IMAGE_FORMAT_BMP,
                                const EncoderParameterList& parameters = {});
    virtual int SaveImageToFileW(const Bytes& fileName,
                                 const std::string& format = IMAGE_FORMAT_BMP,
                                 const EncoderParameterList& parameters = {});
    // The image encoded in `format` (default: its own raw format). No such encoder, or a
    // failed save: empty bytes.
    virtual Bytes SaveImageToBytes(const std::optional<std::string>& format = std::nullopt,
                                   const EncoderParameterList& parameters = {});
    // Adds a frame to a multi-frame file being saved.
    virtual int SaveAdd(const EncoderParameterList& parameters);
    virtual int SaveAddImage(const Image& newImage, const EncoderParameterList& parameters);
    virtual ImageType GetImageType();
    virtual int GetImageDimension(float& width, float& height);
    virtual int GetImageBounds(RectF& bounds, Unit& unit);
    virtual UINT GetImageWidth();
    virtual UINT GetImageHeight();
    virtual float GetImageHorizontalResolution();
    virtual float GetImageVerticalResolution();
    virtual UINT GetImageFlags();
    // The format GUID as registry text ("" on failure).
    virtual std::string GetImageRawFormat();
    virtual PixelFormat GetImagePixelFormat();
    virtual int GetImagePalette(Palette& palette);
    virtual int SetImagePalette(const Palette& palette);
    // Puts a new thumbnail image into `target`.
    virtual int GetImageThumbnail(UINT width, UINT height, Image& target);
    virtual UINT ImageGetFrameCount(const std::string& dimension = FRAME_DIMENSION_TIME);
    // Replaces `dimensions` by the frame dimension GUIDs as registry text.
    virtual int ImageGetFrameDimensionsList(std::vector<std::string>& dimensions);
    virtual int ImageSelectActiveFrame(const std::string& dimension, UINT index);
    virtual int ImageRotateFlip(RotateFlipType type);
    // Replaces `delays` by the frame delays (hundredths of a second, one per frame) and
    // returns 1; without a frame-delay property returns 0 and leaves `delays` as it was.
    virtual int GetFrameDelays(std::vector<int>& delays);
    virtual int GetPropertyItem(PROPID id, ImageProperty& item);
    virtual int SetPropertyItem(const ImageProperty& item);
    virtual int RemovePropertyItem(PROPID id);
    virtual int GetPropertyIdList(std::vector<PROPID>& ids);

    Gdiplus::GpImage* nativeImage = nullptr;
    MemoryStream imageStream;  // the stream LoadImageFromBytes decoded, alive with the image

protected:
    // Disposes of the image held, then puts `bytes` behind imageStream; null when the stream
    // cannot be made (lastStatus OutOfMemory).
    IStream* StreamForLoading(const Bytes& bytes);
    // Takes the image a load from imageStream produced; a failed load releases the stream.
    int AdoptLoaded(Gdiplus::GpStatus status, Gdiplus::GpImage* image);
};

// The CLSID text of the first installed encoder whose format GUID text equals `format`
// exactly; "" when none does.
std::string FindEncoder(const std::string& format);

}  // namespace graphics
