#pragma once

#include "common/formats/RtfColorTable.h"
#include "common/formats/RtfControlWords.h"
#include "common/formats/RtfDocumentBuilder.h"
#include "common/formats/RtfFontTable.h"
#include "common/formats/RtfGroupStack.h"
#include "common/formats/RtfTextDecoder.h"

#include <QByteArray>

class QTextDocument;

namespace ztv::rtf {

class RtfTokenizer;
struct Token;

// Reads RTF tokens into a document: groups and their states, the font and colour tables, the
// character and paragraph properties, text in the right code page, \uN with its fallback, and
// the destinations that show nothing. Every token is read once, in a loop: no recursion.
class RtfInterpreter {
  public:
    RtfInterpreter(QTextDocument& document, int defaultCodePage);

    // Reads up to the brace that closes the first group, or to the end of a truncated file.
    void read(RtfTokenizer& tokens);

  private:
    using Word = ControlWord;

    void openGroup();
    void closeGroup();
    void controlWord(const Token& token);
    void tableWord(Word word, int parameter);
    bool headerWord(Word word, int parameter);
    bool characterWord(Word word, const Token& token);
    bool paragraphWord(Word word);
    void controlSymbol(int symbol);
    void text(QByteArrayView bytes);
    void tableText(QByteArrayView bytes);
    void character(QChar c);
    void unicode(int value);
    void flushBytes();
    bool skipFallback();
    int codePage() const;
    QTextCharFormat characterFormat() const;

    RtfGroupStack groups_;
    RtfFontTable fonts_;
    RtfColorTable colors_;
    RtfTextDecoder decoder_;
    RtfDocumentBuilder builder_;
    // Text bytes and \'hh escapes not decoded yet; a run of them may hold double-byte characters.
    QByteArray pendingBytes_;
    int documentCodePage_;
    int defaultFont_ = 0;
    int fallbackToSkip_ = 0;
    bool formatChanged_ = true;
    Qt::Alignment lastAlignment_ = Qt::AlignLeft;
};

}  // namespace ztv::rtf
