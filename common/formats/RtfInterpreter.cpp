#include "common/formats/RtfInterpreter.h"

#include "common/formats/RtfTokenizer.h"

#include <QTextDocument>

namespace ztv::rtf {
namespace {

bool switchedOn(const Token& token) {
    return !token.hasParameter || token.parameter != 0;
}

}  // namespace

RtfInterpreter::RtfInterpreter(QTextDocument& document, int defaultCodePage)
    : builder_(document), documentCodePage_(defaultCodePage) {}

void RtfInterpreter::read(RtfTokenizer& tokens) {
    for (Token token = tokens.next(); token.kind != TokenKind::End; token = tokens.next()) {
        if (token.kind == TokenKind::GroupStart) {
            flushBytes();
            openGroup();
            continue;
        }
        if (groups_.depth() == 0)
            continue;
        if (token.kind == TokenKind::GroupEnd) {
            flushBytes();
            closeGroup();
            if (groups_.depth() == 0)
                break;
            continue;
        }
        if (groups_.top().destination == Destination::Skipped)
            continue;
        switch (token.kind) {
            case TokenKind::Text:
                text(token.bytes);
                break;
            case TokenKind::HexByte: {
                const char byte = char(token.parameter);
                text(QByteArrayView(&byte, 1));
                break;
            }
            case TokenKind::ControlWord:
                flushBytes();
                controlWord(token);
                break;
            case TokenKind::ControlSymbol:
                flushBytes();
                controlSymbol(token.parameter);
                break;
            default:
                break;
        }
    }
    flushBytes();
    builder_.finish(groups_.depth() > 0 ? groups_.top().alignment : lastAlignment_);
}

void RtfInterpreter::openGroup() {
    groups_.open();
    fallbackToSkip_ = 0;
}

void RtfInterpreter::closeGroup() {
    const RtfGroupState closed = groups_.top();
    if (closed.destination == Destination::FontTable)
        fonts_.commit(decoder_, documentCodePage_);
    if (groups_.depth() == 1)
        lastAlignment_ = closed.alignment;
    groups_.close();
    fallbackToSkip_ = 0;
    formatChanged_ = true;
}

void RtfInterpreter::controlWord(const Token& token) {
    if (skipFallback())
        return;
    const Word word = controlWordOf(token.bytes);
    RtfGroupState& state = groups_.top();
    if (word == Word::FontTable || word == Word::ColorTable || word == Word::Skipped) {
        state.destination = word == Word::FontTable    ? Destination::FontTable
                            : word == Word::ColorTable ? Destination::ColorTable
                                                       : Destination::Skipped;
        return;
    }
    if (state.destination != Destination::Text) {
        tableWord(word, token.parameter);
        return;
    }
    if (characterWord(word, token)) {
        formatChanged_ = true;
        return;
    }
    if (paragraphWord(word) || headerWord(word, token.parameter) || word != Word::Symbol)
        return;
    if (const char16_t symbol = symbolOf(token.bytes))
        character(QChar(symbol));
}

// The entries of the font and colour tables.
void RtfInterpreter::tableWord(Word word, int parameter) {
    switch (word) {
        case Word::Font:
            fonts_.begin(parameter);
            return;
        case Word::Charset:
            fonts_.setCodePage(RtfTextDecoder::codePageOfCharset(parameter));
            return;
        case Word::CodePage:
            fonts_.setCodePage(parameter);
            return;
        case Word::Red:
            colors_.setRed(parameter);
            return;
        case Word::Green:
            colors_.setGreen(parameter);
            return;
        case Word::Blue:
            colors_.setBlue(parameter);
            return;
        default:
            return;
    }
}

// The document's default font and code page.
bool RtfInterpreter::headerWord(Word word, int parameter) {
    switch (word) {
        case Word::DefaultFont:
            defaultFont_ = parameter;
            formatChanged_ = true;
            return true;
        case Word::AnsiCodePage:
            if (parameter > 0)
                documentCodePage_ = parameter;
            return true;
        case Word::Mac:
            documentCodePage_ = 10000;
            return true;
        case Word::Pc:
            documentCodePage_ = 437;
            return true;
        case Word::Pca:
            documentCodePage_ = 850;
            return true;
        default:
            return false;
    }
}

bool RtfInterpreter::characterWord(Word word, const Token& token) {
    RtfGroupState& state = groups_.top();
    switch (word) {
        case Word::Plain:
            state.resetCharacter();
            return true;
        case Word::Font:
            state.font = token.parameter;
            return true;
        case Word::Size:
            // Half points; nonsense sizes keep a readable one.
            state.halfPoints = token.parameter > 0 ? std::min(token.parameter, 3276) : 24;
            return true;
        case Word::Bold:
            state.bold = switchedOn(token);
            return true;
        case Word::Italic:
            state.italic = switchedOn(token);
            return true;
        case Word::Underline:
            state.underline = switchedOn(token);
            return true;
        case Word::UnderlineNone:
            state.underline = false;
            return true;
        case Word::Strike:
            state.strikeOut = switchedOn(token);
            return true;
        case Word::Sub:
        case Word::Super:
        case Word::NoSuperSub:
            state.verticalPosition = word == Word::Sub ? -1 : word == Word::Super ? 1 : 0;
            return true;
        case Word::Foreground:
            state.foreground = token.parameter;
            return true;
        case Word::Background:
            state.background = token.parameter;
            return true;
        case Word::UnicodeFallback:
            state.unicodeFallback = std::max(token.parameter, 0);
            return false;
        case Word::Unicode:
            unicode(token.parameter);
            return false;
        default:
            return false;
    }
}

bool RtfInterpreter::paragraphWord(Word word) {
    RtfGroupState& state = groups_.top();
    switch (word) {
        case Word::Par:
            builder_.endParagraph(state.alignment);
            return true;
        case Word::Line:
            character(QChar::LineSeparator);
            return true;
        case Word::Tab:
            character(u'\t');
            return true;
        case Word::Pard:
        case Word::Left:
            state.alignment = Qt::AlignLeft;
            return true;
        case Word::Center:
            state.alignment = Qt::AlignHCenter;
            return true;
        case Word::Right:
            state.alignment = Qt::AlignRight;
            return true;
        case Word::Justify:
            state.alignment = Qt::AlignJustify;
            return true;
        default:
            return false;
    }
}

void RtfInterpreter::controlSymbol(int symbol) {
    switch (symbol) {
        case '\\':
        case '{':
        case '}': {
            const char literal = char(symbol);
            text(QByteArrayView(&literal, 1));
            return;
        }
        case '*':
            groups_.top().destination = Destination::Skipped;
            return;
        default:
            break;
    }
    if (skipFallback() || groups_.top().destination != Destination::Text)
        return;
    switch (symbol) {
        case '~':
            character(QChar::Nbsp);
            return;
        case '-':
            character(QChar::SoftHyphen);
            return;
        case '_':
            character(QChar(0x2011));
            return;
        case '\n':
        case '\r':
            builder_.endParagraph(groups_.top().alignment);
            return;
        default:
            return;
    }
}

void RtfInterpreter::text(QByteArrayView bytes) {
    const qsizetype skipped = std::min<qsizetype>(fallbackToSkip_, bytes.size());
    fallbackToSkip_ -= int(skipped);
    bytes = bytes.sliced(skipped);
    if (bytes.isEmpty())
        return;
    if (groups_.top().destination == Destination::Text)
        pendingBytes_.append(bytes);
    else
        tableText(bytes);
}

// In the tables, ';' ends an entry; the font table's other text is the font's name.
void RtfInterpreter::tableText(QByteArrayView bytes) {
    const bool fontTable = groups_.top().destination == Destination::FontTable;
    for (qsizetype end = bytes.indexOf(';'); end >= 0; end = bytes.indexOf(';')) {
        if (fontTable) {
            fonts_.appendName(bytes.first(end));
            fonts_.commit(decoder_, documentCodePage_);
        } else {
            colors_.commit();
        }
        bytes = bytes.sliced(end + 1);
    }
    if (fontTable)
        fonts_.appendName(bytes);
}

void RtfInterpreter::character(QChar c) {
    if (formatChanged_) {
        builder_.setFormat(characterFormat());
        formatChanged_ = false;
    }
    builder_.append(c);
}

// \uN: a UTF-16 code unit, negative values standing for those above 32767, followed by
// fallback characters for readers that do not know \u.
void RtfInterpreter::unicode(int value) {
    const int unit = value < 0 ? value + 65536 : value;
    if (groups_.top().destination == Destination::Text && unit >= 0x20 && unit <= 0xFFFF)
        character(QChar(char16_t(unit)));
    fallbackToSkip_ = groups_.top().unicodeFallback;
}

void RtfInterpreter::flushBytes() {
    if (pendingBytes_.isEmpty())
        return;
    if (formatChanged_) {
        builder_.setFormat(characterFormat());
        formatChanged_ = false;
    }
    builder_.append(decoder_.decode(pendingBytes_, codePage()));
    pendingBytes_.clear();
}

bool RtfInterpreter::skipFallback() {
    if (fallbackToSkip_ == 0)
        return false;
    --fallbackToSkip_;
    return true;
}

int RtfInterpreter::codePage() const {
    const RtfGroupState& state = groups_.top();
    const RtfFontTable::Font* font = fonts_.find(state.font >= 0 ? state.font : defaultFont_);
    return font && font->codePage ? font->codePage : documentCodePage_;
}

QTextCharFormat RtfInterpreter::characterFormat() const {
    const RtfGroupState& state = groups_.top();
    QTextCharFormat format;
    const RtfFontTable::Font* font = fonts_.find(state.font >= 0 ? state.font : defaultFont_);
    if (font && !font->family.isEmpty())
        format.setFontFamilies(QStringList{font->family});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strikeOut);
    if (state.verticalPosition != 0)
        format.setVerticalAlignment(state.verticalPosition < 0 ? QTextCharFormat::AlignSubScript
                                                               : QTextCharFormat::AlignSuperScript);
    if (const QColor color = colors_.at(state.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = colors_.at(state.background); color.isValid())
        format.setBackground(color);
    return format;
}

}  // namespace ztv::rtf
