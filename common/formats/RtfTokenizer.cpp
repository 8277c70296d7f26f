#include "common/formats/RtfTokenizer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace ztv::rtf {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Line breaks and other control bytes carry no text in RTF; a tab byte is a tab.
bool isTextByte(char c) {
    return c != '\\' && c != '{' && c != '}' &&
           (static_cast<unsigned char>(c) >= 0x20 || c == '\t');
}

}  // namespace

Token RtfTokenizer::next() {
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return Token{c == '{' ? TokenKind::GroupStart : TokenKind::GroupEnd, {}, false, 0};
        }
        if (c == '\\') {
            const Token token = afterBackslash();
            if (token.kind != TokenKind::End || pos_ >= bytes_.size())
                return token;
            continue;
        }
        if (!isTextByte(c)) {
            ++pos_;
            continue;
        }
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && isTextByte(bytes_[pos_]))
            ++pos_;
        return Token{TokenKind::Text, bytes_.sliced(start, pos_ - start), false, 0};
    }
    return {};
}

// After a backslash; End means "nothing to report here, read on" (a truncated \'h, a \bin).
Token RtfTokenizer::afterBackslash() {
    ++pos_;
    if (pos_ >= bytes_.size())
        return {};
    const char c = bytes_[pos_];
    if (isLetter(c))
        return controlWord();
    ++pos_;
    if (c != '\'')
        return Token{TokenKind::ControlSymbol, {}, false, static_cast<unsigned char>(c)};
    const int high = hexDigit(pos_);
    const int low = hexDigit(pos_ + 1);
    if (high < 0 || low < 0) {
        pos_ += high < 0 ? 0 : 1;
        return {};
    }
    pos_ += 2;
    return Token{TokenKind::HexByte, {}, false, high * 16 + low};
}

Token RtfTokenizer::controlWord() {
    const qsizetype start = pos_;
    while (pos_ < bytes_.size() && isLetter(bytes_[pos_]))
        ++pos_;
    // A longer word is no word we know; it stays unknown under its first letters.
    const qsizetype length = std::min<qsizetype>(pos_ - start, kMaxWordLength);
    Token token{TokenKind::ControlWord, bytes_.sliced(start, length), false, 0};
    token.parameter = parameter(&token.hasParameter);
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ')
        ++pos_;
    if (token.bytes == "bin") {
        pos_ += std::min<qsizetype>(std::max(token.parameter, 0), bytes_.size() - pos_);
        return {};
    }
    return token;
}

int RtfTokenizer::parameter(bool* present) {
    const bool negative =
        pos_ + 1 < bytes_.size() && bytes_[pos_] == '-' && isDigit(bytes_[pos_ + 1]);
    if (negative)
        ++pos_;
    *present = pos_ < bytes_.size() && isDigit(bytes_[pos_]);
    std::int64_t value = 0;
    while (pos_ < bytes_.size() && isDigit(bytes_[pos_])) {
        value =
            std::min<std::int64_t>(value * 10 + (bytes_[pos_] - '0'), std::int64_t(INT_MAX) + 1);
        ++pos_;
    }
    if (negative)
        value = -value;
    return int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

int RtfTokenizer::hexDigit(qsizetype at) const {
    if (at >= bytes_.size())
        return -1;
    const char c = bytes_[at];
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace ztv::rtf
