#pragma once

#include <QByteArrayView>

namespace ztv::rtf {

enum class TokenKind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

struct Token {
    TokenKind kind = TokenKind::End;
    // ControlWord: its letters (at most kMaxWordLength); Text: the bytes, without line breaks.
    QByteArrayView bytes;
    bool hasParameter = false;
    // ControlWord: the parameter, clamped to int; ControlSymbol: the character; HexByte: the byte.
    int parameter = 0;
};

// Splits RTF bytes into groups, control words and symbols, \'hh bytes and text runs. It never
// fails: a hostile file only yields odd tokens. \binN data is stepped over here, so the bytes
// never reach the reader as text; a truncated \'h is dropped.
class RtfTokenizer {
  public:
    static constexpr int kMaxWordLength = 32;

    explicit RtfTokenizer(QByteArrayView bytes) : bytes_(bytes) {}

    Token next();

  private:
    Token afterBackslash();
    Token controlWord();
    int parameter(bool* present);
    int hexDigit(qsizetype at) const;

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

}  // namespace ztv::rtf
