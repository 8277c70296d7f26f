#include "common/archives/LzxEncoder.h"

#include <algorithm>
#include <array>
#include <queue>

namespace ztv {
namespace {

constexpr int kNumChars = 256;
constexpr int kSecondaryLengths = 249;
constexpr int kMinMatch = 2, kMaxMatch = 257, kSearchMatch = 3;
constexpr int kHashBits = 18;
constexpr int kMaxChain = 128;
constexpr int kLazyLimit = 32;   // a match this long is taken at once
constexpr int kNiceLength = 96;  // a match this long ends the search
constexpr int kBlockVerbatim = 1;

int slotsForWindow(int windowBits) {
    switch (windowBits) {
        case 20:
            return 42;
        case 21:
            return 50;
        default:
            return windowBits * 2;
    }
}

// Extra bits and base of every position slot.
struct Slots {
    std::array<int, 51> extra{};
    std::array<std::uint32_t, 52> base{};
    Slots() {
        for (int i = 0; i < 51; ++i) {
            extra[i] = i < 4 ? 0 : std::min((i - 2) / 2, 17);
            base[i + 1] = base[i] + (std::uint32_t(1) << extra[i]);
        }
    }
    int slotOf(std::uint32_t formatted) const {
        return int(std::upper_bound(base.begin(), base.begin() + 51, formatted) - base.begin()) - 1;
    }
};
const Slots kSlots;

// LZX bits: 16-bit little-endian words, each filled from its most significant bit.
class BitWriter {
  public:
    void put(std::uint32_t value, int bits) {
        for (int b = bits - 1; b >= 0; --b) {
            word_ = std::uint16_t((word_ << 1) | ((value >> b) & 1));
            if (++filled_ == 16)
                flushWord();
        }
    }
    void align() {
        if (filled_ > 0)
            put(0, 16 - filled_);
    }
    QByteArray take() { return std::move(out_); }

  private:
    void flushWord() {
        out_.append(char(word_ & 0xFF)).append(char(word_ >> 8));
        word_ = 0;
        filled_ = 0;
    }
    QByteArray out_;
    std::uint16_t word_ = 0;
    int filled_ = 0;
};

std::vector<std::uint16_t> canonicalCodes(const std::vector<std::uint8_t>& lengths) {
    std::array<std::uint16_t, 18> count{}, next{};
    for (std::uint8_t l : lengths)
        if (l)
            ++count[l];
    std::uint16_t code = 0;
    for (int bits = 1; bits <= 17; ++bits) {
        code = std::uint16_t((code + count[bits - 1]) << 1);
        next[bits] = code;
    }
    std::vector<std::uint16_t> codes(lengths.size());
    for (std::size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s])
            codes[s] = next[lengths[s]]++;
    return codes;
}

struct Tree {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;
    explicit Tree(const std::vector<std::uint32_t>& frequencies, int maxBits)
        : lengths(huffmanLengths(frequencies, maxBits)), codes(canonicalCodes(lengths)) {}
    void put(BitWriter& out, int symbol) const { out.put(codes[symbol], lengths[symbol]); }
};

// A run of code lengths through the pretree: each length is coded as its difference from the
// previous block's length, modulo 17.
void writeLengths(BitWriter& out, const std::vector<std::uint8_t>& lengths,
                  const std::vector<std::uint8_t>& previous, std::size_t first, std::size_t last) {
    std::vector<std::uint32_t> frequencies(20, 0);
    std::vector<int> deltas;
    for (std::size_t i = first; i < last; ++i) {
        deltas.push_back((previous[i] - lengths[i] + 17) % 17);
        ++frequencies[deltas.back()];
    }
    const Tree pretree(frequencies, 15);
    for (std::uint8_t l : pretree.lengths)
        out.put(l, 4);
    for (int d : deltas)
        pretree.put(out, d);
}

}  // namespace

std::vector<std::uint8_t> huffmanLengths(const std::vector<std::uint32_t>& frequencies,
                                         int maxBits) {
    std::vector<std::uint32_t> freq = frequencies;
    // Two symbols at least, so that the code is complete.
    int used = int(std::count_if(freq.begin(), freq.end(), [](auto f) { return f > 0; }));
    for (std::size_t s = 0; used < 2 && s < freq.size(); ++s)
        if (freq[s] == 0) {
            freq[s] = 1;
            ++used;
        }
    for (;;) {
        struct Node {
            std::uint64_t weight;
            int index;
        };
        const auto heavier = [](const Node& a, const Node& b) { return a.weight > b.weight; };
        std::priority_queue<Node, std::vector<Node>, decltype(heavier)> queue(heavier);
        std::vector<int> parent;
        for (std::size_t s = 0; s < freq.size(); ++s) {
            parent.push_back(-1);
            if (freq[s] > 0)
                queue.push({freq[s], int(s)});
        }
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            parent.push_back(-1);
            const int joined = int(parent.size()) - 1;
            parent[a.index] = parent[b.index] = joined;
            queue.push({a.weight + b.weight, joined});
        }
        std::vector<std::uint8_t> lengths(freq.size(), 0);
        bool fits = true;
        for (std::size_t s = 0; s < freq.size(); ++s) {
            if (freq[s] == 0)
                continue;
            int depth = 0;
            for (int n = int(s); parent[n] != -1; n = parent[n])
                ++depth;
            fits = fits && depth <= maxBits;
            lengths[s] = std::uint8_t(std::min(depth, 255));
        }
        if (fits)
            return lengths;
        // Too deep: flatten the frequencies and build again.
        for (auto& f : freq)
            if (f > 0)
                f = (f + 1) / 2;
    }
}

LzxEncoder::LzxEncoder(int windowBits)
    : windowBits_(std::clamp(windowBits, 15, 21)),
      windowSize_(std::int64_t(1) << windowBits_),
      positionSlots_(slotsForWindow(windowBits_)),
      head_(std::size_t(1) << kHashBits, -1),
      chain_(std::size_t(windowSize_), -1),
      mainLengths_(std::size_t(kNumChars + positionSlots_ * 8), 0),
      lengthLengths_(kSecondaryLengths, 0) {}

void LzxEncoder::appendHistory(QByteArrayView frame) {
    // Keeps one window of history before the new frame.
    const std::int64_t end = base_ + std::int64_t(history_.size());
    if (end - base_ > 2 * windowSize_) {
        const std::int64_t drop = end - windowSize_ - base_;
        history_.erase(history_.begin(), history_.begin() + drop);
        base_ += drop;
    }
    history_.insert(history_.end(), frame.begin(), frame.end());
}

std::uint32_t LzxEncoder::hashAt(std::int64_t pos) const {
    const std::uint32_t bytes =
        (std::uint32_t(at(pos)) << 16) | (std::uint32_t(at(pos + 1)) << 8) | at(pos + 2);
    return (bytes * 2654435761u) >> (32 - kHashBits);
}

void LzxEncoder::insertHash(std::int64_t pos) {
    const std::uint32_t h = hashAt(pos);
    chain_[std::size_t(pos & (windowSize_ - 1))] = head_[h];
    head_[h] = pos;
}

int LzxEncoder::matchLength(std::int64_t pos, std::int64_t candidate, int limit) const {
    int length = 0;
    while (length < limit && at(pos + length) == at(candidate + length))
        ++length;
    return length;
}

LzxEncoder::Match LzxEncoder::findMatch(std::int64_t pos, std::int64_t end) const {
    const int limit = int(std::min<std::int64_t>(kMaxMatch, end - pos));
    Match best;
    if (limit < kSearchMatch)
        return best;
    // The last offset costs no offset bits: it wins unless another match is longer.
    if (pos - r0_ >= base_ && pos - r0_ >= 0) {
        const int length = matchLength(pos, pos - r0_, limit);
        if (length >= kSearchMatch)
            best = {length, 0};
        if (best.length >= std::min(limit, kNiceLength))
            return best;
    }
    const std::int64_t maxOffset = windowSize_ - 3;
    std::int64_t candidate = head_[hashAt(pos)];
    for (int steps = 0; candidate >= base_ && candidate >= 0 && steps < kMaxChain; ++steps) {
        const std::int64_t offset = pos - candidate;
        if (offset <= 0 || offset > maxOffset)
            break;
        // Only a candidate that agrees at the current best length can beat it.
        const bool promising =
            best.length == 0 || at(candidate + best.length) == at(pos + best.length);
        const int length = promising ? matchLength(pos, candidate, limit) : 0;
        if (length > best.length && length >= kSearchMatch) {
            best = {length, std::uint32_t(offset + 2)};
            if (length >= std::min(limit, kNiceLength))
                break;
        }
        const std::int64_t next = chain_[std::size_t(candidate & (windowSize_ - 1))];
        if (next >= candidate)
            break;
        candidate = next;
    }
    return best;
}

// Greedy matching with one step of lookahead: a match is put off by one literal when the next
// position starts a longer one. No match reaches past the frame.
std::vector<LzxEncoder::Token> LzxEncoder::parse(std::int64_t start, std::int64_t end) {
    std::vector<Token> tokens;
    std::int64_t inserted = start;
    const auto insertUpTo = [&](std::int64_t to) {
        for (; inserted < to; ++inserted)
            if (end - inserted >= kSearchMatch)
                insertHash(inserted);
    };
    std::int64_t pos = start;
    while (pos < end) {
        const Match match = findMatch(pos, end);
        if (match.length == 0) {
            tokens.push_back({0, at(pos)});
            insertUpTo(++pos);
            continue;
        }
        if (match.length < kLazyLimit && pos + 1 < end) {
            insertUpTo(pos + 1);
            if (findMatch(pos + 1, end).length > match.length) {
                tokens.push_back({0, at(pos)});
                ++pos;
                continue;
            }
        }
        tokens.push_back({std::uint16_t(match.length), match.formatted});
        if (match.formatted != 0) {
            r2_ = r1_;
            r1_ = r0_;
            r0_ = match.formatted - 2;
        }
        pos += match.length;
        insertUpTo(pos);
    }
    return tokens;
}

QByteArray LzxEncoder::encodeFrame(QByteArrayView frame) {
    const std::int64_t start = base_ + std::int64_t(history_.size());
    appendHistory(frame);
    const std::vector<Token> tokens = parse(start, start + frame.size());

    std::vector<std::uint32_t> mainFreq(mainLengths_.size(), 0), lengthFreq(kSecondaryLengths, 0);
    for (const Token& t : tokens) {
        if (t.length == 0) {
            ++mainFreq[t.value];
            continue;
        }
        const int header = std::min(t.length - kMinMatch, 7);
        ++mainFreq[kNumChars + kSlots.slotOf(t.value) * 8 + header];
        if (header == 7)
            ++lengthFreq[t.length - kMinMatch - 7];
    }
    const Tree mainTree(mainFreq, 16), lengthTree(lengthFreq, 16);

    BitWriter out;
    if (!headerWritten_) {
        out.put(0, 1);  // no Intel E8 translation
        headerWritten_ = true;
    }
    out.put(kBlockVerbatim, 3);
    out.put(std::uint32_t(frame.size()) >> 8, 16);
    out.put(std::uint32_t(frame.size()) & 0xFF, 8);
    writeLengths(out, mainTree.lengths, mainLengths_, 0, kNumChars);
    writeLengths(out, mainTree.lengths, mainLengths_, kNumChars, mainLengths_.size());
    writeLengths(out, lengthTree.lengths, lengthLengths_, 0, kSecondaryLengths);
    mainLengths_ = mainTree.lengths;
    lengthLengths_ = lengthTree.lengths;

    for (const Token& t : tokens) {
        if (t.length == 0) {
            mainTree.put(out, int(t.value));
            continue;
        }
        const int slot = kSlots.slotOf(t.value);
        const int header = std::min(t.length - kMinMatch, 7);
        mainTree.put(out, kNumChars + slot * 8 + header);
        if (header == 7)
            lengthTree.put(out, t.length - kMinMatch - 7);
        out.put(t.value - kSlots.base[slot], kSlots.extra[slot]);
    }
    out.align();
    return out.take();
}

}  // namespace ztv
