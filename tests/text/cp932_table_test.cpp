// The code page 932 codec against glibc's iconv "CP932", which scripts/generate-cp932-table made
// its table from: every byte and byte pair is read, and every Unicode scalar value written, as
// glibc reads and writes it. Built only with glibc; the codec itself needs no iconv.
#include <iconv.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/cp932.h"
#include "text/cp932_codec.h"
#include "text/describe.h"
#include "text/utf8.h"

namespace huewright {
namespace {

// What one conversion did, as iconv reports it.
struct Outcome {
    std::string out;
    std::size_t consumed = 0;
    bool failed = false;
    std::size_t irreversible = 0;
    bool operator==(const Outcome&) const = default;
};

// One iconv descriptor; each conversion starts from a fresh state.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Iconv() { iconv_close(descriptor_); }
    bool opened() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    Outcome convert(std::string_view in) {
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* input = const_cast<char*>(in.data());  // iconv never writes through it
        char* output = buffer;
        std::size_t inputLeft = in.size();
        std::size_t outputLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor_, &input, &inputLeft, &output, &outputLeft);
        const bool failed = result == static_cast<std::size_t>(-1);
        return {std::string(buffer, output), in.size() - inputLeft, failed, failed ? 0 : result};
    }

  private:
    iconv_t descriptor_;
};

// What the codec reads of `bytes` up to its first fault, as glibc reports a conversion.
Outcome readByCodec(std::string_view bytes) {
    Outcome outcome;
    while (outcome.consumed < bytes.size()) {
        const Cp932Character character = decodeCp932(bytes, outcome.consumed);
        if (character.length == 0) {
            outcome.failed = true;
            break;
        }
        appendUtf8(outcome.out, character.codePoint);
        outcome.consumed += character.length;
    }
    return outcome;
}

testing::AssertionResult readsAsGlibc(Iconv& glibc, std::string_view bytes) {
    if (readByCodec(bytes) == glibc.convert(bytes)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << describeBytes(bytes) << " reads otherwise than glibc";
}

// Every byte and every pair of bytes reads as glibc reads it: the same characters, failing at
// the same byte. Code page 932 keeps no state and no character is longer than two bytes, so any
// longer text reads as glibc reads it too.
TEST(Cp932Table, ReadsEveryByteAndPairAsGlibc) {
    Iconv glibc("UTF-8", "CP932");
    ASSERT_TRUE(glibc.opened());
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const char pair[] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        if (code <= 0xFF) {
            ASSERT_TRUE(readsAsGlibc(glibc, std::string_view(pair + 1, 1)));
        }
        ASSERT_TRUE(readsAsGlibc(glibc, std::string_view(pair, 2)));
    }
}

// Every Unicode scalar value is written as glibc writes it. Refused besides what glibc refuses:
// what glibc writes as no bytes at all (it drops Unicode tag characters), what it reports as
// written irreversibly (glibc 2.36 reports nothing so), and U+00A5 and U+203E, which glibc writes
// as 0x5C and 0x7E, a backslash and a tilde to every reader.
TEST(Cp932Table, WritesEveryScalarValueAsGlibc) {
    Iconv glibc("CP932", "UTF-8");
    ASSERT_TRUE(glibc.opened());
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        appendUtf8(utf8, codePoint);
        const Outcome expected = glibc.convert(utf8);
        const bool held = !expected.failed && !expected.out.empty() && expected.irreversible == 0 &&
                          codePoint != 0xA5 && codePoint != 0x203E;
        std::string out;
        ASSERT_EQ(appendCp932(out, codePoint), held) << describeCodePoint(codePoint);
        ASSERT_EQ(out, held ? expected.out : "") << describeCodePoint(codePoint);
        ASSERT_EQ(cp932CanHold(codePoint), held) << describeCodePoint(codePoint);
    }
}

}  // namespace
}  // namespace huewright
