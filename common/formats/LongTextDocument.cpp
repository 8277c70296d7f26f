#include "common/formats/LongTextDocument.h"

#include "common/formats/RichTextReader.h"
#include "common/platform/Cp1252.h"
#include "common/platform/WinPath.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextCursor>
#include <QUrl>
#include <QVariant>

namespace ztv {

namespace {

// Texts of the Windows years are Windows-1252; newer ones may carry a byte-order mark or be
// UTF-8 throughout, which Windows-1252 text with accents almost never is.
QString decodeText(const QByteArray& bytes) {
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);  // drops the mark
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : text;
}

QString notALongText() {
    return QStringLiteral("not a .TXT, .RTF, .HTM or .HTML file");
}

}  // namespace

LongTextDocument::Kind LongTextDocument::kindOf(const QString& path) {
    const QString extension = winpath::extension(path).toUpper();
    if (extension == u".TXT") {
        return Kind::Plain;
    }
    if (extension == u".RTF") {
        return Kind::Rich;
    }
    if (extension == u".HTM" || extension == u".HTML") {
        return Kind::Html;
    }
    return Kind::Unsupported;
}

LongTextDocument::LongTextDocument(const QString& resourceFolder, QObject* parent)
    : QTextDocument(parent),
      root_(resourceFolder.isEmpty() ? QString() : QFileInfo(resourceFolder).canonicalFilePath()) {}

bool LongTextDocument::load(const QString& hostPath, const LongTextLook& look, QString* error) {
    auto refuse = [&](const QString& reason) {
        clear();
        if (error) {
            *error = reason;
        }
        return false;
    };
    const Kind kind = kindOf(hostPath);
    if (kind == Kind::Unsupported) {
        return refuse(notALongText());
    }
    const QFileInfo info(hostPath);
    if (!info.isFile()) {
        return refuse(QStringLiteral("no such file"));
    }
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse(file.errorString());
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes) {
        return refuse(QStringLiteral("larger than %1 MB").arg(kMaxBytes / (1024 * 1024)));
    }
    return read(kind, bytes, info.absolutePath(), look, error);
}

bool LongTextDocument::read(Kind kind, const QByteArray& bytes, const QString& baseFolder,
                            const LongTextLook& look, QString* error) {
    clear();
    setBaseUrl(baseFolder.isEmpty() ? QUrl() : QUrl::fromLocalFile(baseFolder + u'/'));
    // Filling the document is no step the reader could undo.
    const bool undo = isUndoRedoEnabled();
    setUndoRedoEnabled(false);
    bool ok = true;
    switch (kind) {
        case Kind::Plain: {
            setDefaultFont(look.font);
            setPlainText(decodeText(bytes));
            QTextCursor all(this);
            all.select(QTextCursor::Document);
            QTextCharFormat colour;
            colour.setForeground(look.text);
            all.mergeCharFormat(colour);
            break;
        }
        case Kind::Rich:
            ok = readRichText(bytes, *this, error);
            break;
        case Kind::Html:
            setHtml(decodeText(bytes));
            break;
        case Kind::Unsupported:
            if (error) {
                *error = notALongText();
            }
            ok = false;
            break;
    }
    setUndoRedoEnabled(undo);
    if (!ok) {
        clear();
    }
    return ok;
}

// Only files beneath the allowed folder, whatever links lead there; nothing for other names,
// which then get no picture.
QVariant LongTextDocument::loadResource(int type, const QUrl& name) {
    const QUrl url = baseUrl().resolved(name);
    if (root_.isEmpty() || !url.isLocalFile()) {
        return {};
    }
    const QFileInfo info(url.toLocalFile());
    const QString path = info.canonicalFilePath();
    const QString inside = root_.endsWith(u'/') ? root_ : root_ + u'/';
    if (path.isEmpty() || !info.isFile() || !path.startsWith(inside)) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes) {
        return {};
    }
    const QByteArray bytes = file.read(kMaxBytes);
    addResource(type, name, bytes);
    return bytes;
}

}  // namespace ztv
