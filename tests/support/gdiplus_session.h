// GdiplusSession: GDI+ started for the lifetime of a test fixture.
#pragma once
#include <windows.h>

namespace qtest {

// Starts GDI+ 1.0 and shuts it down when the session goes; ok() says whether it started.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool ok() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

}  // namespace qtest
