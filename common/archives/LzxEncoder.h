#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace ztv {

// An LZX compressor for cabinet folders (window 2^15 to 2^21). The stream is cut into frames
// of 32768 bytes, and each frame becomes one verbatim block whose output ends on a 16-bit
// boundary, so each frame's bytes fill one cabinet data block. Matches come from a hash-chain
// search over the window; no Intel E8 translation.
class LzxEncoder {
  public:
    static constexpr int kFrameSize = 32768;

    explicit LzxEncoder(int windowBits);
    // The compressed bytes of the next frame (only the last frame may be shorter).
    QByteArray encodeFrame(QByteArrayView frame);

  private:
    struct Token {
        std::uint16_t length;  // 0: a literal
        std::uint32_t value;   // the literal byte, or the match's formatted offset
    };
    struct Match {
        int length = 0;               // 0: none
        std::uint32_t formatted = 0;  // offset + 2, or 0 for the last offset again
    };
    void appendHistory(QByteArrayView frame);
    std::vector<Token> parse(std::int64_t start, std::int64_t end);
    Match findMatch(std::int64_t pos, std::int64_t end) const;
    std::uint32_t hashAt(std::int64_t pos) const;
    void insertHash(std::int64_t pos);
    int matchLength(std::int64_t pos, std::int64_t candidate, int limit) const;
    std::uint8_t at(std::int64_t pos) const { return history_[std::size_t(pos - base_)]; }

    int windowBits_;
    std::int64_t windowSize_;
    int positionSlots_;
    std::vector<std::uint8_t> history_;  // the bytes from base_ on
    std::int64_t base_ = 0;
    std::vector<std::int64_t> head_, chain_;
    bool headerWritten_ = false;
    // The decoder's three last offsets, which it keeps across frames.
    std::int64_t r0_ = 1, r1_ = 1, r2_ = 1;
    // The code lengths of the previous block, against which the next block's are coded.
    std::vector<std::uint8_t> mainLengths_, lengthLengths_;
};

// Canonical code lengths (at most maxBits) for symbol frequencies; at least two symbols get a
// length when any is used, so every decoder sees a complete code.
std::vector<std::uint8_t> huffmanLengths(const std::vector<std::uint32_t>& frequencies,
                                         int maxBits);

}  // namespace ztv
