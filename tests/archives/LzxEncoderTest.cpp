#include "common/archives/LzxEncoder.h"

#include <gtest/gtest.h>

namespace ztv {
namespace {

// Kraft's sum of a code, in units of 2^-maxBits: exactly 2^maxBits for a complete code.
std::uint64_t kraft(const std::vector<std::uint8_t>& lengths, int maxBits) {
    std::uint64_t sum = 0;
    for (std::uint8_t l : lengths)
        if (l)
            sum += std::uint64_t(1) << (maxBits - l);
    return sum;
}

TEST(LzxEncoder, CodeLengthsAreCompleteAndLimited) {
    // Fibonacci frequencies make the deepest possible tree.
    std::vector<std::uint32_t> fibonacci = {1, 1};
    while (fibonacci.size() < 40)
        fibonacci.push_back(fibonacci[fibonacci.size() - 1] + fibonacci[fibonacci.size() - 2]);
    const auto deep = huffmanLengths(fibonacci, 16);
    EXPECT_LE(*std::max_element(deep.begin(), deep.end()), 16);
    EXPECT_EQ(kraft(deep, 16), std::uint64_t(1) << 16);

    // One used symbol, or none, still gives a complete code of two.
    for (const auto& frequencies :
         {std::vector<std::uint32_t>{0, 0, 7, 0}, std::vector<std::uint32_t>{0, 0, 0, 0}}) {
        const auto lengths = huffmanLengths(frequencies, 15);
        EXPECT_EQ(kraft(lengths, 15), std::uint64_t(1) << 15);
        EXPECT_EQ(std::count(lengths.begin(), lengths.end(), 1), 2);
    }
}

TEST(LzxEncoder, FramesEndOnAWordAndRepeatsShrink) {
    LzxEncoder encoder(15);
    const QByteArray text = QByteArray("zentrovale page ").repeated(2048);
    const QByteArray first = encoder.encodeFrame(text);
    EXPECT_EQ(first.size() % 2, 0);
    EXPECT_LT(first.size(), text.size() / 20);
    const QByteArray last = encoder.encodeFrame(QByteArrayView(text).first(5));
    EXPECT_EQ(last.size() % 2, 0);
}

}  // namespace
}  // namespace ztv
