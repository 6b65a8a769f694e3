#include "text/utf8_bytes.h"

#include <gtest/gtest.h>

#include <string_view>

namespace huewright {
namespace {

// Each length's first and last value, and the values just outside them; the converters' tests
// show how each fault is worded.
TEST(Utf8Test, ReadsEachLengthToItsBoundaries) {
    using F = Utf8Fault;
    const struct {
        const char* name;
        std::string_view bytes;
        Utf8Sequence expected;
    } rows[] = {
        {"last single byte", "\x7F", {0x7F, 1, F::None}},
        {"first of two bytes", "\xC2\x80", {0x80, 2, F::None}},
        {"two bytes for one", "\xC1\xBF", {0x7F, 2, F::Overlong}},
        {"last of two bytes", "\xDF\xBF", {0x7FF, 2, F::None}},
        {"three bytes for two", "\xE0\x9F\xBF", {0x7FF, 3, F::Overlong}},
        {"last before the surrogates", "\xED\x9F\xBF", {0xD7FF, 3, F::None}},
        {"first surrogate", "\xED\xA0\x80", {0xD800, 3, F::Surrogate}},
        {"last surrogate", "\xED\xBF\xBF", {0xDFFF, 3, F::Surrogate}},
        {"first after the surrogates", "\xEE\x80\x80", {0xE000, 3, F::None}},
        {"last of three bytes", "\xEF\xBF\xBF", {0xFFFF, 3, F::None}},
        {"four bytes for three", "\xF0\x8F\xBF\xBF", {0xFFFF, 4, F::Overlong}},
        {"last of unicode", "\xF4\x8F\xBF\xBF", {0x10FFFF, 4, F::None}},
        {"first beyond unicode", "\xF4\x90\x80\x80", {0x110000, 4, F::BeyondUnicode}},
        {"continuation byte", "\x80", {0, 1, F::StrayContinuation}},
        {"last lead byte", "\xF7\xBF\xBF\xBF", {0x1FFFFF, 4, F::BeyondUnicode}},
        {"first impossible byte", "\xF8\x88\x80\x80\x80", {0, 1, F::ImpossibleByte}},
        {"cut off by the end", "\xE3\x81", {0, 2, F::Truncated}},
        {"cut off by an ascii byte", "\xF0\x9F\x98z", {0, 3, F::Truncated}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Utf8Sequence read = utf8SequenceAt(row.bytes, 0);
        EXPECT_EQ(read.codePoint, row.expected.codePoint);
        EXPECT_EQ(read.length, row.expected.length);
        EXPECT_EQ(read.fault, row.expected.fault);
    }
}

}  // namespace
}  // namespace huewright
