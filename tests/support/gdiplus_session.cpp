// GdiplusSession: GDI+ started for the lifetime of a test fixture.
#include "tests/support/gdiplus_session.h"

#include <objidl.h>
#include <gdiplus.h>

namespace qtest {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}

GdiplusSession* GdiplusTest::session_ = nullptr;

void GdiplusTest::SetUpTestSuite() { session_ = new GdiplusSession; }

void GdiplusTest::TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
}

}  // namespace qtest
