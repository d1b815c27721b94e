// StringFormat: GDI+ text layout: alignment, trimming, tab stops and measurable ranges.
#include "graphics/string_format.h"

#include "graphics/flat_call.h"

using namespace Gdiplus::DllExports;

namespace graphics {

StringFormat::~StringFormat() { DeleteStringFormat(); }
StringFormat::StringFormat(StringFormat&& other) noexcept { TakeFrom(other); }
StringFormat& StringFormat::operator=(StringFormat&& other) noexcept { ReplaceWith(other); return *this; }

void StringFormat::SetNativeHandle(void* handle) { nativeFormat = static_cast<Gdiplus::GpStringFormat*>(handle); }
int StringFormat::DeleteNativeObject() { return DeleteStringFormat(); }

int StringFormat::DeleteStringFormat() { return DeleteWith(GdipDeleteStringFormat, nativeFormat); }

int StringFormat::CreateStringFormat(int flags, LANGID language) {
    Gdiplus::GpStringFormat* format = nullptr;
    const Gdiplus::GpStatus status = GdipCreateStringFormat(flags, language, &format);
    return Adopt(status, format);
}

int StringFormat::StringFormatGetGenericDefault() {
    Gdiplus::GpStringFormat* format = nullptr;
    const Gdiplus::GpStatus status = GdipStringFormatGetGenericDefault(&format);
    return Adopt(status, format);
}

int StringFormat::StringFormatGetGenericTypographic() {
    Gdiplus::GpStringFormat* format = nullptr;
    const Gdiplus::GpStatus status = GdipStringFormatGetGenericTypographic(&format);
    return Adopt(status, format);
}

int StringFormat::CloneStringFormat(StringFormat& target) {
    Gdiplus::GpStringFormat* format = nullptr;
    const Gdiplus::GpStatus status = GdipCloneStringFormat(nativeFormat, &format);
    return target.Adopt(status, format);
}

int StringFormat::SetStringFormatFlags(int flags) { return Check(GdipSetStringFormatFlags(nativeFormat, flags)); }
int StringFormat::GetStringFormatFlags() { return GetValue<INT>(GdipGetStringFormatFlags, nativeFormat); }
int StringFormat::SetStringFormatAlign(StringAlignment align) { return Check(GdipSetStringFormatAlign(nativeFormat, align)); }
StringAlignment StringFormat::GetStringFormatAlign() { return GetValue<StringAlignment>(GdipGetStringFormatAlign, nativeFormat); }
int StringFormat::SetStringFormatLineAlign(StringAlignment align) { return Check(GdipSetStringFormatLineAlign(nativeFormat, align)); }
StringAlignment StringFormat::GetStringFormatLineAlign() { return GetValue<StringAlignment>(GdipGetStringFormatLineAlign, nativeFormat); }
int StringFormat::SetStringFormatTrimming(StringTrimming trimming) { return Check(GdipSetStringFormatTrimming(nativeFormat, trimming)); }
StringTrimming StringFormat::GetStringFormatTrimming() { return GetValue<StringTrimming>(GdipGetStringFormatTrimming, nativeFormat); }
int StringFormat::SetStringFormatHotkeyPrefix(int prefix) { return Check(GdipSetStringFormatHotkeyPrefix(nativeFormat, prefix)); }
int StringFormat::GetStringFormatHotkeyPrefix() { return GetValue<INT>(GdipGetStringFormatHotkeyPrefix, nativeFormat); }
int StringFormat::SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops) { return Check(GdipSetStringFormatTabStops(nativeFormat, firstTabOffset, Count(tabStops), tabStops.data())); }

int StringFormat::GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops) {
    const int count = GetValue<INT>(GdipGetStringFormatTabStopCount, nativeFormat);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<float> read(count > 0 ? count : 0);
    float offset = 0;
    if (!Check(GdipGetStringFormatTabStops(nativeFormat, Count(read), &offset, read.data()))) return 0;
    firstTabOffset = offset;
    tabStops = std::move(read);
    return 1;
}

int StringFormat::SetStringFormatDigitSubstitution(LANGID language, StringDigitSubstitute substitute) { return Check(GdipSetStringFormatDigitSubstitution(nativeFormat, language, substitute)); }
int StringFormat::GetStringFormatDigitSubstitution(LANGID& language, StringDigitSubstitute& substitute) { return Check(GdipGetStringFormatDigitSubstitution(nativeFormat, &language, &substitute)); }
int StringFormat::SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges) { return Check(GdipSetStringFormatMeasurableCharacterRanges(nativeFormat, Count(ranges), ranges.data())); }
int StringFormat::GetStringFormatMeasurableCharacterRangeCount() { return GetValue<INT>(GdipGetStringFormatMeasurableCharacterRangeCount, nativeFormat); }

}  // namespace graphics
