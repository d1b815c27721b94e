// Helpers the wrapper classes share to call the flat GDI+ functions (not part of the public
// header: graphics.h does not include this file).
#pragma once
#include <utility>
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

// Stores a flat call's status in lastStatus and returns 1 when it is Ok, else 0.
inline int Check(Gdiplus::GpStatus status) {
    lastStatus = status;
    return status == Gdiplus::Ok ? 1 : 0;
}

// Calls a flat getter whose last argument receives one value; returns that value, or a
// zero value when the call fails. The status is left in lastStatus.
template <class T, class Function, class... Args>
T GetValue(Function function, Args... args) {
    T value{};
    lastStatus = function(args..., &value);
    return lastStatus == Gdiplus::Ok ? value : T{};
}

// The length of a list as the count argument of a flat function.
template <class T>
int Count(const std::vector<T>& list) {
    return static_cast<int>(list.size());
}

// Reads a gradient blend: sizes both lists with the brush's count getter, then fills them with
// its blend getter; on failure leaves them as they were.
template <class Value, class Handle, class CountFunction, class BlendFunction>
int ReadBlend(Handle* brush, CountFunction countFunction, BlendFunction blendFunction,
              std::vector<Value>& values, std::vector<float>& positions) {
    const int count = GetValue<INT>(countFunction, brush);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<Value> readValues(count > 0 ? count : 0);
    std::vector<float> readPositions(readValues.size());
    if (count > 0 && !Check(blendFunction(brush, readValues.data(), readPositions.data(), count))) {
        return 0;
    }
    values = std::move(readValues);
    positions = std::move(readPositions);
    return 1;
}

// Applies `transform` about `point`: the point is moved to the origin, transformed and moved
// back. With MatrixOrderAppend the three steps are appended in that order; otherwise the
// mirror sequence is prepended, which puts the same mapping before the existing transform.
// The status is that of the first step that failed, else Ok: a transformation GDI+ refuses
// must not be reported as done because the last translation went through.
template <class Translate, class Transform>
int TransformAt(const PointF& point, MatrixOrder order, Translate translate, Transform transform) {
    const float toOrigin = order == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
    Gdiplus::GpStatus status = translate(toOrigin * point.X, toOrigin * point.Y);
    const Gdiplus::GpStatus transformed = transform();
    if (status == Gdiplus::Ok) status = transformed;
    const Gdiplus::GpStatus back = translate(-toOrigin * point.X, -toOrigin * point.Y);
    if (status == Gdiplus::Ok) status = back;
    return Check(status);
}

}  // namespace graphics
