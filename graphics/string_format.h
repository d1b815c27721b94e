// StringFormat: GDI+ text layout: alignment, trimming, tab stops and measurable ranges.
#pragma once
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

// Each operation calls "Gdip" + its name on nativeFormat, under the conventions of Graphics.
class StringFormat : public GdiplusObject {
public:
    StringFormat() = default;
    // Deletes the native format.
    ~StringFormat() override;
    StringFormat(StringFormat&& other) noexcept;
    StringFormat& operator=(StringFormat&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeleteStringFormat();
    // `flags` are GDI+ StringFormatFlags.
    virtual int CreateStringFormat(int flags = 0, LANGID language = 0);
    virtual int StringFormatGetGenericDefault();
    virtual int StringFormatGetGenericTypographic();
    // Puts a new native copy of this format into `target`.
    virtual int CloneStringFormat(StringFormat& target);
    virtual int SetStringFormatFlags(int flags);
    virtual int GetStringFormatFlags();
    virtual int SetStringFormatAlign(StringAlignment align);
    virtual StringAlignment GetStringFormatAlign();
    virtual int SetStringFormatLineAlign(StringAlignment align);
    virtual StringAlignment GetStringFormatLineAlign();
    virtual int SetStringFormatTrimming(StringTrimming trimming);
    virtual StringTrimming GetStringFormatTrimming();
    // `prefix` is a GDI+ HotkeyPrefix value.
    virtual int SetStringFormatHotkeyPrefix(int prefix);
    virtual int GetStringFormatHotkeyPrefix();
    virtual int SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    // Replaces `tabStops` by the format's (sized by GdipGetStringFormatTabStopCount first).
    virtual int GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops);
    virtual int SetStringFormatDigitSubstitution(LANGID language,
                                                 StringDigitSubstitute substitute);
    virtual int GetStringFormatDigitSubstitution(LANGID& language,
                                                 StringDigitSubstitute& substitute);
    virtual int SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges);
    virtual int GetStringFormatMeasurableCharacterRangeCount();

    Gdiplus::GpStringFormat* nativeFormat = nullptr;
};

// The native object of an optional StringFormat argument (null for none).
inline Gdiplus::GpStringFormat* NativeOf(const StringFormat* format) {
    return format != nullptr ? format->nativeFormat : nullptr;
}

}  // namespace graphics
