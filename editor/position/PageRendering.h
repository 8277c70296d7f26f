#pragma once

#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"
#include "editor/position/PageHost.h"
#include "editor/widgets/EditorPictures.h"
#include "player/elements/ElementFactory.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <utility>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// Where a row's element lies on the rendered page, which record put it there, and whether it
// goes away at the next column.
struct RowPlace {
    QRect rect;
    int jouIndex = 0;
    bool autoDisappear = false;
};

// What a message about a missing picture file starts with, by the kind of its element: the
// position editor's pictures say "Position 1", the storyboard's picture list names its own.
struct MissingFilePrefixes {
    QString pictures = QStringLiteral("Position 1");  // backgrounds and images
    QString characters = QStringLiteral("Position 1");
    QString panoramas = QStringLiteral("Position 1");
    QString animations = QStringLiteral("Position 1");

    QString of(ElementKind kind) const;
    static MissingFilePrefixes pictureList();
};

// The page as the player shows it at the moment one element comes on screen: the records of
// the .JOU file in file order up to that element, with the disappearances of each new column.
// The kinds the player's engine draws draw themselves through the engine's own elements; the
// others are shown as the editor pictures them. Pictures are never allocated beyond what the
// player would draw.
class PageRendering {
  public:
    PageRendering(SessionSettings& state, Prompter& prompter, QSize pageSize);

    // Runs after each drawn record that has a file (the picture list takes a picture of the
    // page as it stands).
    using AfterRecord = std::function<void(int index, const ElementRecord& record)>;

    void setMissingFilePrefixes(MissingFilePrefixes prefixes) { prefixes_ = std::move(prefixes); }

    // Black page and background copy, no rows.
    void clear();
    // Renders the records that come on screen up to the edited record (index in the file; 0 or
    // an index past the end: the whole file), leaving the edited one off the page.
    void render(const QList<ElementRecord>& records, int editedIndex,
                const AfterRecord& after = {});

    // The element alone at its own size, where nothing is drawn transparent: what the
    // position editor moves about. Null when its size is not one the player draws.
    QImage elementPicture(const ElementRecord& record, int index);

    // The highest row whose element lies under the point; 0 when none.
    int hitRow(QPoint point) const;
    const RowPlace& row(int row) const { return rows_.at(std::size_t(row)); }
    QImage& page() { return page_; }
    const QImage& page() const { return page_; }
    QImage& background() { return background_; }
    PageHost& host() { return host_; }

    // Copies the background copy back over the rectangle of the page.
    void restoreBackground(const QRect& rect);

    // A disappearance: the record only uncovers what lies under its rectangle.
    bool isMarker(const QString& fichier) const;

    // The element of the engine for kinds it draws (background, pictures, texts); null for the
    // others.
    std::unique_ptr<Element> engineElement(const ElementRecord& record, int index);

  private:
    bool takesPart(const ElementRecord& r, const ElementRecord* edited) const;
    void noteRow(const ElementRecord& r, int index);
    void eraseDisappearing();
    void drawRecord(const ElementRecord& r, int index, QImage& canvas, QImage& background);
    void drawByEngine(Element& element);
    void drawPlaceholder(const ElementRecord& r, const QString& text, QImage& canvas);
    void drawFirstFrame(const ElementRecord& r, QImage& canvas, bool strip);
    QFont rememberRecordFont(const ElementRecord& r);
    void drawKeywordList(const ElementRecord& r, QImage& canvas);
    void drawLongText(const ElementRecord& r, QImage& canvas);

    SessionSettings& state_;
    QImage page_;
    QImage background_;
    PageHost host_;
    EditorPictures pictures_;
    ElementFactory factory_;
    MissingFilePrefixes prefixes_;
    std::array<RowPlace, 64> rows_{};
};

// Copies the area of `from` over the same area of `to`; parts off the pictures are left out.
void copyArea(QImage& to, const QImage& from, const QRect& area);

}  // namespace ztv::editor
