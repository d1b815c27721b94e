// GdiplusSession: GDI+ started for the lifetime of a test fixture.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

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

// Base of fixtures whose tests draw: GDI+ runs from the first test of the suite to the last.
class GdiplusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override { ASSERT_TRUE(session_ && session_->ok()) << "GDI+ did not start"; }

private:
    static GdiplusSession* session_;
};

}  // namespace qtest
