#include "editor/position/PageRendering.h"

#include "common/formats/ColorText.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/formats/LongTextDocument.h"
#include "common/formats/YesNo.h"
#include "common/platform/SafetyLimits.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/FrameList.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PlaceholderLabel.h"

#include <QPainter>

#include <algorithm>

namespace ztv::editor {

namespace {

// Where nothing of an element was drawn, its picture shows this colour, made transparent after.
constexpr QRgb kUnpainted = 0xFF010203u;
// Enough steps for the slowest transition (1 percent a step, 200 percent for the two-phase one).
constexpr int kMaxSteps = 1000;

bool drawableSize(const QRect& rect) {
    return limits::pictureSizeAllowed(rect.width(), rect.height());
}

QColor colourOf(std::int32_t value) {
    return colourOfValue(std::uint32_t(value));
}

}  // namespace

QString MissingFilePrefixes::of(ElementKind kind) const {
    switch (kind) {
        case ElementKind::Character:
            return characters;
        case ElementKind::Panorama:
            return panoramas;
        case ElementKind::Animation:
            return animations;
        default:
            return pictures;
    }
}

MissingFilePrefixes MissingFilePrefixes::pictureList() {
    return {QStringLiteral("Listv 10"), QStringLiteral("Listv 1"), QStringLiteral("Listv 3"),
            QStringLiteral("Listv 5")};
}

void copyArea(QImage& to, const QImage& from, const QRect& area) {
    const QRect clipped = area.intersected(to.rect()).intersected(from.rect());
    if (clipped.isEmpty()) {
        return;
    }
    QPainter painter(&to);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(clipped.topLeft(), from, clipped);
}

PageRendering::PageRendering(SessionSettings& state, Prompter& prompter, QSize pageSize)
    : state_(state),
      page_(pageSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32),
      background_(page_.size(), QImage::Format_RGB32),
      host_(state, prompter, page_, background_),
      pictures_(state, prompter) {
    clear();
}

void PageRendering::clear() {
    page_.fill(Qt::black);
    background_.fill(Qt::black);
    rows_.fill(RowPlace{});
}

bool PageRendering::isMarker(const QString& fichier) const {
    return fichier == state_.text(lang::MarkerDisappear) ||
           fichier == state_.text(lang::MarkerBackgroundDisappear);
}

bool PageRendering::takesPart(const ElementRecord& r, const ElementRecord* edited) const {
    if (r.Fichier.isEmpty() || r.Ligne < 1 || r.Ligne > kRowCount || r.Colonne < 1 ||
        r.Colonne > kColumnCount) {
        return false;
    }
    return !edited || r.Colonne < edited->Colonne ||
           (r.Colonne == edited->Colonne && r.Ligne <= edited->Ligne);
}

void PageRendering::render(const QList<ElementRecord>& records, int editedIndex,
                           const AfterRecord& after) {
    clear();
    const bool editing = editedIndex > 0 && editedIndex < records.size();
    const ElementRecord* edited = editing ? &records[editedIndex] : nullptr;
    const qsizetype last = editing ? editedIndex : records.size() - 1;
    int column = 0;
    int shownControl = 0;  // a keyword list or long text of the current column
    for (qsizetype i = 1; i <= last; ++i) {
        const ElementRecord& r = records[i];
        if (!takesPart(r, edited)) {
            continue;
        }
        if (r.Colonne != column) {
            eraseDisappearing();
            column = r.Colonne;
            shownControl = 0;
        }
        const ElementKind kind = kindOfRow(r.Ligne);
        if (kind == ElementKind::KeywordList || kind == ElementKind::LongText) {
            if (shownControl != 0) {
                restoreBackground(rows_[std::size_t(shownControl)].rect);
            }
            shownControl = r.Ligne;
        }
        noteRow(r, int(i));
        if (i == editedIndex) {
            continue;
        }
        drawRecord(r, int(i), page_, background_);
        if (kind != ElementKind::Sound &&
            (kind == ElementKind::Background || isOui(r.IntegrFond))) {
            copyArea(background_, page_, recordRect(r));
        }
        if (after) {
            after(int(i), r);
        }
    }
}

void PageRendering::noteRow(const ElementRecord& r, int index) {
    const ElementKind kind = kindOfRow(r.Ligne);
    if (kind == ElementKind::Sound) {
        return;
    }
    RowPlace& place = rows_[std::size_t(r.Ligne)];
    place.rect = recordRect(r);
    if (isMarker(r.Fichier)) {
        return;
    }
    place.jouIndex = index;
    place.autoDisappear = kind == ElementKind::Video ? r.Attente == 1.0 : isOui(r.DisparAuto);
}

void PageRendering::eraseDisappearing() {
    for (RowPlace& place : rows_) {
        if (place.autoDisappear) {
            restoreBackground(place.rect);
            place.autoDisappear = false;
        }
    }
}

void PageRendering::restoreBackground(const QRect& rect) {
    copyArea(page_, background_, rect);
}

int PageRendering::hitRow(QPoint point) const {
    int hit = 0;
    for (int r = 2; r < int(rows_.size()); ++r) {
        const RowPlace& place = rows_[std::size_t(r)];
        if (place.rect.width() != 0 && place.jouIndex != 0 &&
            place.rect.normalized().adjusted(0, 0, 1, 1).contains(point)) {
            hit = r;
        }
    }
    return hit;
}

std::unique_ptr<Element> PageRendering::engineElement(const ElementRecord& r, int index) {
    const ElementKind kind = kindOfRow(r.Ligne);
    if (kind != ElementKind::Background && kind != ElementKind::Picture &&
        kind != ElementKind::Text) {
        return nullptr;
    }
    // The engine draws the element where the editor can reach it.
    ElementRecord reachable = r;
    setRecordRect(reachable, recordRect(r));
    auto element = factory_.make(kind);
    element->setRecord(index, reachable, host_.geometry());
    element->attach(ElementRoles::of(host_));
    element->link();
    return element;
}

void PageRendering::drawRecord(const ElementRecord& r, int index, QImage& canvas,
                               QImage& background) {
    const QRect rect = recordRect(r);
    if (isMarker(r.Fichier)) {
        copyArea(canvas, background, rect);
        return;
    }
    if (!drawableSize(rect)) {
        return;  // the player draws nothing of it either
    }
    host_.drawOn(canvas, background);
    // The editor's messages put a blank between the caller's prefix and line 43.
    host_.setMissingPictureLead(prefixes_.of(kindOfRow(r.Ligne)) + u' ');
    if (auto element = engineElement(r, index)) {
        drawByEngine(*element);
    } else {
        switch (kindOfRow(r.Ligne)) {
            case ElementKind::Video:
                drawPlaceholder(r, state_.text(lang::KindVideo), canvas);
                break;
            case ElementKind::ClickZone:
                drawPlaceholder(r, r.Fichier, canvas);
                break;
            case ElementKind::Character:
            case ElementKind::Animation:
                drawFirstFrame(r, canvas, true);
                break;
            case ElementKind::Panorama:
                drawFirstFrame(r, canvas, false);
                break;
            case ElementKind::KeywordList:
                drawKeywordList(r, canvas);
                break;
            case ElementKind::LongText:
                drawLongText(r, canvas);
                break;
            default:
                break;
        }
    }
    host_.drawOn(page_, background_);
}

// The element appears as it does in the player, its transition run to the end at once.
void PageRendering::drawByEngine(Element& element) {
    element.prepare();
    element.show();
    for (int i = 0; i < kMaxSteps && !element.transitionFinished() && !element.freeRequested();
         ++i) {
        element.step();
    }
}

void PageRendering::drawPlaceholder(const ElementRecord& r, const QString& text, QImage& canvas) {
    QImage label(r.Largeur, r.Hauteur, QImage::Format_ARGB32_Premultiplied);
    label.fill(Qt::transparent);
    drawPlaceholderLabel(label, text, state_.text(lang::ListingFontName));
    QPainter(&canvas).drawImage(QPoint(r.Gauche, r.Haut), label);
}

// Characters and animations show the first frame of their strip of `Couleur` frames; the
// panorama its picture.
void PageRendering::drawFirstFrame(const ElementRecord& r, QImage& canvas, bool strip) {
    const int frames = strip ? stripFrameCount(r) : 1;
    const PictureControl picture =
        loadStrip(pictures_, r, frames, strip, prefixes_.of(kindOfRow(r.Ligne)));
    if (picture.image.isNull()) {
        return;
    }
    const QImage shown = picture.shown();
    const QRect first(0, 0, shown.width() / frames, shown.height());
    QPainter painter(&canvas);
    painter.drawImage(recordRect(r), shown, first);
}

// Keyword lists and long texts keep their font name in `sensdegra`, its style in `style` and its
// size in `size`. Showing one makes it the font the dialogs start from.
QFont PageRendering::rememberRecordFont(const ElementRecord& r) {
    state_.rememberedFont.set(r.sensdegra, QString::number(r.size), r.style, state_.language);
    return state_.rememberedFont.font(state_.language);
}

void PageRendering::drawKeywordList(const ElementRecord& r, QImage& canvas) {
    QPainter painter(&canvas);
    const QRect rect = recordRect(r);
    painter.fillRect(rect, colourOf(r.Couldegra));
    painter.setFont(rememberRecordFont(r));
    painter.setPen(colourOf(r.Couleur));
    const int arrow = std::min(rect.height(), 17);
    painter.drawText(rect.adjusted(3, 0, -arrow - 2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     state_.text(lang::KeywordChoicePrompt));
    const QRect button(rect.right() - arrow + 1, rect.top(), arrow, rect.height());
    painter.fillRect(button, QColor(195, 198, 200));
    painter.setPen(Qt::black);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// A long text shows its file's text as the page will, clipped to its box on its background;
// one that cannot be read shows its file name.
void PageRendering::drawLongText(const ElementRecord& r, QImage& canvas) {
    const QRect rect = recordRect(r);
    const LongTextLook look{rememberRecordFont(r), colourOf(r.Couleur), colourOf(r.Couldegra)};
    const QString found = host_.locateMedia(r.Fichier);
    LongTextDocument document(state_.projectDir);
    const bool readable = !found.isEmpty() && document.load(host_.toHost(found), look);
    QPainter painter(&canvas);
    painter.fillRect(rect, look.background);
    if (readable) {
        document.setTextWidth(rect.width());
        painter.translate(rect.topLeft());
        document.drawContents(&painter, QRectF(QPointF(0, 0), rect.size()));
        painter.resetTransform();
    } else {
        painter.setFont(look.font);
        painter.setPen(look.text);
        painter.drawText(rect.adjusted(4, 4, -4, -4), Qt::TextWordWrap, r.Fichier);
    }
    if (r.Vitesse == 1) {
        painter.setPen(Qt::black);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

QImage PageRendering::elementPicture(const ElementRecord& record, int index) {
    if (!drawableSize(recordRect(record)) || isMarker(record.Fichier)) {
        return {};
    }
    ElementRecord alone = record;
    alone.Gauche = 0;
    alone.Haut = 0;
    QImage picture(record.Largeur, record.Hauteur, QImage::Format_RGB32);
    picture.fill(kUnpainted);
    QImage scratch(picture.size(), QImage::Format_RGB32);
    scratch.fill(Qt::black);
    drawRecord(alone, index, picture, scratch);
    QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        std::replace(line, line + shown.width(), kUnpainted, QRgb(0));
    }
    return shown;
}

}  // namespace ztv::editor
