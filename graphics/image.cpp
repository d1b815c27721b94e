// Image: a GDI+ image loaded from a file or from encoded bytes, saved back to a file or bytes.
#include "graphics/image.h"

#include <cstddef>
#include <cstring>

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

// Bytes per value of a GDI+ EncoderParameterValueType.
size_t ValueSize(int type) {
    switch (type) {
        case Gdiplus::EncoderParameterValueTypeShort: return 2;
        case Gdiplus::EncoderParameterValueTypeLong: return 4;
        case Gdiplus::EncoderParameterValueTypeRational:
        case Gdiplus::EncoderParameterValueTypeLongRange: return 8;
        case Gdiplus::EncoderParameterValueTypeRationalRange: return 16;
        default: return 1;
    }
}

// Lays `parameters` out as a GDI+ EncoderParameters record in `record`, each entry pointing
// at its own value bytes. False (lastStatus InvalidParameter) when a category is not GUID
// text or an entry has fewer value bytes than its values need.
bool LayOutParameters(const EncoderParameterList& parameters, Bytes& record) {
    record.assign(offsetof(Gdiplus::EncoderParameters, Parameter) +
                      parameters.size() * sizeof(Gdiplus::EncoderParameter), 0);
    auto* layout = reinterpret_cast<Gdiplus::EncoderParameters*>(record.data());
    layout->Count = static_cast<UINT>(parameters.size());
    for (size_t i = 0; i < parameters.size(); ++i) {
        const EncoderParameter& entry = parameters[i];
        Gdiplus::EncoderParameter& target = layout->Parameter[i];
        const size_t needed = static_cast<size_t>(entry.numberOfValues) * ValueSize(entry.type);
        if (!TextToGuid(entry.category, &target.Guid) || entry.numberOfValues < 0 ||
            entry.value.size() < needed) {
            Check(Gdiplus::InvalidParameter);
            return false;
        }
        target.NumberOfValues = entry.numberOfValues;
        target.Type = entry.type;
        target.Value = const_cast<unsigned char*>(entry.value.data());
    }
    return true;
}

// The record to pass for `parameters`: null for none, else laid out in `record`.
bool ParametersFor(const EncoderParameterList& parameters, Bytes& record,
                   const Gdiplus::EncoderParameters** passed) {
    *passed = nullptr;
    if (parameters.empty()) return true;
    if (!LayOutParameters(parameters, record)) return false;
    *passed = reinterpret_cast<const Gdiplus::EncoderParameters*>(record.data());
    return true;
}

// The CLSID of the encoder for `format`; false (lastStatus UnknownImageFormat) when none.
bool EncoderFor(const std::string& format, CLSID* clsid) {
    const std::string text = FindEncoder(format);
    if (text.empty() || !TextToGuid(text, clsid)) {
        Check(Gdiplus::UnknownImageFormat);
        return false;
    }
    return true;
}

int SaveToFile(Gdiplus::GpImage* image, const std::wstring& fileName, const std::string& format,
               const EncoderParameterList& parameters) {
    CLSID clsid;
    Bytes record;
    const Gdiplus::EncoderParameters* passed = nullptr;
    if (!EncoderFor(format, &clsid) || !ParametersFor(parameters, record, &passed)) return 0;
    return Check(GdipSaveImageToFile(image, fileName.c_str(), &clsid, passed));
}

}  // namespace

std::string FindEncoder(const std::string& format) {
    UINT count = 0;
    UINT size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || count == 0 || size == 0) {
        return std::string();
    }
    Bytes buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, encoders) != Gdiplus::Ok) return std::string();
    for (UINT i = 0; i < count; ++i) {
        if (GuidToText(encoders[i].FormatID) == format) return GuidToText(encoders[i].Clsid);
    }
    return std::string();
}

Image::~Image() { DisposeImage(); }

Image::Image(Image&& other) noexcept : imageStream(std::move(other.imageStream)) { TakeFrom(other); }

Image& Image::operator=(Image&& other) noexcept {
    if (&other != this) {
        DisposeImage();
        imageStream = std::move(other.imageStream);
        TakeFrom(other);
    }
    return *this;
}

void Image::SetNativeHandle(void* handle) {
    nativeImage = static_cast<Gdiplus::GpImage*>(handle);
    OnNativeChanged(handle);
}
void Image::OnNativeChanged(void*) {}
int Image::DeleteNativeObject() { return DisposeImage(); }

int Image::DisposeImage() {
    if (nativeImage == nullptr) return 0;
    const int ok = Check(GdipDisposeImage(nativeImage));
    // GDI+ may read the stream until the image is gone, so it goes only now.
    imageStream.Release();
    SetNativeObject(nullptr);
    return ok;
}

IStream* Image::StreamForLoading(const Bytes& bytes) {
    DisposeImage();
    IStream* stream = imageStream.LoadBytes(bytes);
    if (stream == nullptr) Check(Gdiplus::OutOfMemory);
    return stream;
}

int Image::AdoptLoaded(Gdiplus::GpStatus status, Gdiplus::GpImage* image) {
    if (status != Gdiplus::Ok && image == nullptr) imageStream.Release();
    return Adopt(status, image);
}

int Image::LoadImageFromFile(const std::string& fileName, int useIcm) { return LoadImageFromFileW(WideToBytes(AnsiToWide(fileName)), useIcm); }

int Image::LoadImageFromFileW(const Bytes& fileName, int useIcm) {
    const std::wstring wide = BytesToWide(fileName);
    Gdiplus::GpImage* image = nullptr;
    const Gdiplus::GpStatus status = useIcm != 0 ? GdipLoadImageFromFileICM(wide.c_str(), &image)
                                                 : GdipLoadImageFromFile(wide.c_str(), &image);
    return Adopt(status, image);
}

int Image::LoadImageFromBytes(const Bytes& bytes, int useIcm) {
    IStream* stream = StreamForLoading(bytes);
    if (stream == nullptr) return 0;
    Gdiplus::GpImage* image = nullptr;
    const Gdiplus::GpStatus status = useIcm != 0 ? GdipLoadImageFromStreamICM(stream, &image)
                                                 : GdipLoadImageFromStream(stream, &image);
    return AdoptLoaded(status, image);
}

int Image::CloneImage(Image& target) {
    Gdiplus::GpImage* image = nullptr;
    const Gdiplus::GpStatus status = GdipCloneImage(nativeImage, &image);
    return target.Adopt(status, image);
}

int Image::GetEncoderParameterList(const std::string& format, EncoderParameterList& parameters) {
    CLSID clsid;
    if (!EncoderFor(format, &clsid)) return 0;
    UINT size = 0;
    if (!Check(GdipGetEncoderParameterListSize(nativeImage, &clsid, &size))) return 0;
    Bytes buffer(size >= sizeof(Gdiplus::EncoderParameters) ? size : sizeof(Gdiplus::EncoderParameters));
    auto* list = reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data());
    if (!Check(GdipGetEncoderParameterList(nativeImage, &clsid, size, list))) return 0;
    EncoderParameterList read;
    for (UINT i = 0; i < list->Count; ++i) {
        const Gdiplus::EncoderParameter& entry = list->Parameter[i];
        const unsigned char* values = static_cast<const unsigned char*>(entry.Value);
        const size_t length = values != nullptr ? entry.NumberOfValues * ValueSize(entry.Type) : 0;
        read.push_back({GuidToText(entry.Guid), static_cast<int>(entry.NumberOfValues), static_cast<int>(entry.Type), Bytes(values, values + length)});
    }
    parameters = std::move(read);
    return 1;
}

int Image::SaveImageToFile(const std::string& fileName, const std::string& format, const EncoderParameterList& parameters) { return SaveToFile(nativeImage, AnsiToWide(fileName), format, parameters); }
int Image::SaveImageToFileW(const Bytes& fileName, const std::string& format, const EncoderParameterList& parameters) { return SaveToFile(nativeImage, BytesToWide(fileName), format, parameters); }

Bytes Image::SaveImageToBytes(const std::optional<std::string>& format, const EncoderParameterList& parameters) {
    const std::string chosen = format ? *format : GetImageRawFormat();
    if (chosen.empty() && !format) return Bytes();  // no raw format: lastStatus says why
    CLSID clsid;
    Bytes record;
    const Gdiplus::EncoderParameters* passed = nullptr;
    if (!EncoderFor(chosen, &clsid) || !ParametersFor(parameters, record, &passed)) return Bytes();
    MemoryStream output;
    IStream* stream = output.LoadBytes(Bytes());
    if (stream == nullptr) {
        Check(Gdiplus::OutOfMemory);
        return Bytes();
    }
    if (!Check(GdipSaveImageToStream(nativeImage, stream, &clsid, passed))) return Bytes();
    return output.ReadBytes();
}

int Image::SaveAdd(const EncoderParameterList& parameters) {
    Bytes record;
    const Gdiplus::EncoderParameters* passed = nullptr;
    if (!ParametersFor(parameters, record, &passed)) return 0;
    return Check(GdipSaveAdd(nativeImage, passed));
}

int Image::SaveAddImage(const Image& newImage, const EncoderParameterList& parameters) {
    Bytes record;
    const Gdiplus::EncoderParameters* passed = nullptr;
    if (!ParametersFor(parameters, record, &passed)) return 0;
    return Check(GdipSaveAddImage(nativeImage, newImage.nativeImage, passed));
}

ImageType Image::GetImageType() { return GetValue<ImageType>(GdipGetImageType, nativeImage); }
int Image::GetImageDimension(float& width, float& height) { return Check(GdipGetImageDimension(nativeImage, &width, &height)); }
int Image::GetImageBounds(RectF& bounds, Unit& unit) { return Check(GdipGetImageBounds(nativeImage, &bounds, &unit)); }
UINT Image::GetImageWidth() { return GetValue<UINT>(GdipGetImageWidth, nativeImage); }
UINT Image::GetImageHeight() { return GetValue<UINT>(GdipGetImageHeight, nativeImage); }
float Image::GetImageHorizontalResolution() { return GetValue<float>(GdipGetImageHorizontalResolution, nativeImage); }
float Image::GetImageVerticalResolution() { return GetValue<float>(GdipGetImageVerticalResolution, nativeImage); }
UINT Image::GetImageFlags() { return GetValue<UINT>(GdipGetImageFlags, nativeImage); }

std::string Image::GetImageRawFormat() {
    GUID format;
    return Check(GdipGetImageRawFormat(nativeImage, &format)) ? GuidToText(format) : std::string();
}

PixelFormat Image::GetImagePixelFormat() { return GetValue<PixelFormat>(GdipGetImagePixelFormat, nativeImage); }

int Image::GetImagePalette(Palette& palette) {
    const INT size = GetValue<INT>(GdipGetImagePaletteSize, nativeImage);
    if (lastStatus != Gdiplus::Ok) return 0;
    Bytes buffer(size > static_cast<INT>(sizeof(ColorPalette)) ? size : sizeof(ColorPalette));
    auto* read = reinterpret_cast<ColorPalette*>(buffer.data());
    if (!Check(GdipGetImagePalette(nativeImage, read, static_cast<INT>(buffer.size())))) return 0;
    const size_t room = (buffer.size() - offsetof(ColorPalette, Entries)) / sizeof(ARGB);
    const size_t count = read->Count < room ? read->Count : room;
    palette.flags = read->Flags;
    palette.entries.assign(read->Entries, read->Entries + count);
    return 1;
}

int Image::SetImagePalette(const Palette& palette) {
    const size_t size = offsetof(ColorPalette, Entries) + palette.entries.size() * sizeof(ARGB);
    Bytes buffer(size > sizeof(ColorPalette) ? size : sizeof(ColorPalette));
    auto* written = reinterpret_cast<ColorPalette*>(buffer.data());
    written->Flags = palette.flags;
    written->Count = static_cast<UINT>(palette.entries.size());
    if (!palette.entries.empty()) std::memcpy(written->Entries, palette.entries.data(), palette.entries.size() * sizeof(ARGB));
    return Check(GdipSetImagePalette(nativeImage, written));
}

int Image::GetImageThumbnail(UINT width, UINT height, Image& target) {
    Gdiplus::GpImage* thumbnail = nullptr;
    const Gdiplus::GpStatus status = GdipGetImageThumbnail(nativeImage, width, height, &thumbnail, nullptr, nullptr);
    return target.Adopt(status, thumbnail);
}

UINT Image::ImageGetFrameCount(const std::string& dimension) {
    GUID guid;
    if (!TextToGuid(dimension, &guid)) return Check(Gdiplus::InvalidParameter);
    return GetValue<UINT>(GdipImageGetFrameCount, nativeImage, &guid);
}

int Image::ImageGetFrameDimensionsList(std::vector<std::string>& dimensions) {
    const UINT count = GetValue<UINT>(GdipImageGetFrameDimensionsCount, nativeImage);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<GUID> guids(count);
    if (count > 0 && !Check(GdipImageGetFrameDimensionsList(nativeImage, guids.data(), count))) return 0;
    std::vector<std::string> read;
    for (const GUID& guid : guids) read.push_back(GuidToText(guid));
    dimensions = std::move(read);
    return 1;
}

int Image::ImageSelectActiveFrame(const std::string& dimension, UINT index) {
    GUID guid;
    if (!TextToGuid(dimension, &guid)) return Check(Gdiplus::InvalidParameter);
    return Check(GdipImageSelectActiveFrame(nativeImage, &guid, index));
}

int Image::ImageRotateFlip(RotateFlipType type) { return Check(GdipImageRotateFlip(nativeImage, type)); }

int Image::GetFrameDelays(std::vector<int>& delays) {
    ImageProperty item;
    if (!GetPropertyItem(PROPERTY_TAG_FRAME_DELAY, item)) return 0;
    std::vector<int> read(item.value.size() / 4);
    if (!read.empty()) std::memcpy(read.data(), item.value.data(), read.size() * 4);
    delays = std::move(read);
    return 1;
}

int Image::GetPropertyItem(PROPID id, ImageProperty& item) {
    const UINT size = GetValue<UINT>(GdipGetPropertyItemSize, nativeImage, id);
    if (lastStatus != Gdiplus::Ok) return 0;
    Bytes buffer(size > sizeof(PropertyItem) ? size : sizeof(PropertyItem));
    auto* read = reinterpret_cast<PropertyItem*>(buffer.data());
    if (!Check(GdipGetPropertyItem(nativeImage, id, static_cast<UINT>(buffer.size()), read))) return 0;
    const unsigned char* value = static_cast<const unsigned char*>(read->value);
    item.id = read->id;
    item.type = read->type;
    item.value.assign(value, value != nullptr ? value + read->length : value);
    return 1;
}

int Image::SetPropertyItem(const ImageProperty& item) {
    PropertyItem written;
    written.id = item.id;
    written.length = static_cast<ULONG>(item.value.size());
    written.type = item.type;
    written.value = const_cast<unsigned char*>(item.value.data());
    return Check(GdipSetPropertyItem(nativeImage, &written));
}

int Image::RemovePropertyItem(PROPID id) { return Check(GdipRemovePropertyItem(nativeImage, id)); }

int Image::GetPropertyIdList(std::vector<PROPID>& ids) {
    const UINT count = GetValue<UINT>(GdipGetPropertyCount, nativeImage);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<PROPID> read(count);
    if (count > 0 && !Check(GdipGetPropertyIdList(nativeImage, count, read.data()))) return 0;
    ids = std::move(read);
    return 1;
}

}  // namespace graphics
