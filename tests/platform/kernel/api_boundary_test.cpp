#include "kernel/api_boundary.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace kx::test {
namespace {

TEST(ApiBoundary, ARunOutOfMemoryBecomesTheFailureValueWithNotEnoughMemory) {
  SetLastError(ERROR_SUCCESS);
  HBITMAP result = failSafe<HBITMAP>(nullptr, []() -> HBITMAP { throw std::bad_alloc(); });
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
}

TEST(ApiBoundary, AnyOtherExceptionStopsAtTheBoundaryToo) {
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(failSafe<ATOM>(0, []() -> ATOM { throw std::length_error("vector"); }), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(failSafe<BOOL>(FALSE, []() -> BOOL { throw 42; }), FALSE);
}

TEST(ApiBoundary, ASuccessPassesItsResultAndLeavesTheLastErrorAlone) {
  SetLastError(ERROR_ALREADY_EXISTS);
  EXPECT_EQ(failSafe<ATOM>(0, [] { return ATOM(7); }), 7);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
}

}  // namespace
}  // namespace kx::test
