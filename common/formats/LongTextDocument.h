#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextDocument>

namespace ztv {

// How a long text's record wants it shown: its font (`sensdegra`, `style`, `size`) and text
// colour (`Couleur`) for plain texts, and the box's background (`Couldegra`).
struct LongTextLook {
    QFont font;
    QColor text = Qt::black;
    QColor background = Qt::white;
};

// A long text's file made into a document to show, by the kind its extension names (in any
// case): ".TXT" plain text in the record's font and colour, ".RTF" through our RTF reader,
// ".HTM" and ".HTML" as HTML. A page takes its pictures and style sheets only from files beneath
// the folder it is allowed (the project's), never from anywhere else nor from the network.
// Without widgets, so that the editor's dialog and position editor and the player's element
// show one and the same document.
class LongTextDocument : public QTextDocument {
  public:
    enum class Kind { Plain, Rich, Html, Unsupported };

    // Files larger than this are refused: nobody reads a long text of this size in a box.
    static constexpr qint64 kMaxBytes = qint64(16) * 1024 * 1024;

    static Kind kindOf(const QString& path);

    // `resourceFolder`: the host folder (and its subfolders) a page may take pictures and style
    // sheets from; empty: none.
    explicit LongTextDocument(const QString& resourceFolder = {}, QObject* parent = nullptr);

    // Replaces the content with the host file's text; false, with the reason in `error` and the
    // document empty, when the file cannot be read or is not of the kind it names.
    bool load(const QString& hostPath, const LongTextLook& look, QString* error = nullptr);
    // The same for bytes already read (an entry of a package); a page's relative names are
    // taken from `baseFolder`.
    bool read(Kind kind, const QByteArray& bytes, const QString& baseFolder,
              const LongTextLook& look, QString* error = nullptr);

  protected:
    // Qt's own would read any local file a page names.
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString root_;  // canonical; empty: no resources
};

}  // namespace ztv
