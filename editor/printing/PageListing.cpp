#include "editor/printing/PageListing.h"

#include "common/formats/ActionModel.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"

#include <QPainter>
#include <QPrinter>

namespace ztv::editor {

namespace {

constexpr int kHeaderLines = 5;
constexpr int kTitleLeft = 1000;
constexpr int kSmallPoints = 8;
constexpr int kBigPoints = 14;

int kindLine(int row) {
    switch (kindOfRow(row)) {
        case ElementKind::Sound:
            return lang::KindSound;
        case ElementKind::Video:
            return lang::KindVideo;
        case ElementKind::Background:
        case ElementKind::Picture:
            return lang::KindPicture;
        case ElementKind::Character:
            return lang::KindCharacter;
        case ElementKind::Panorama:
            return lang::KindPanorama;
        case ElementKind::Animation:
            return lang::KindAnimation;
        case ElementKind::Text:
            return lang::KindText;
        case ElementKind::ClickZone:
            return lang::ClickZone;
        case ElementKind::LongText:
            return lang::KindLongText;
        case ElementKind::KeywordList:
        case ElementKind::None:
            break;
    }
    return lang::KeywordMarker;
}

QString columnText(const ElementRecord& r, const LanguageFile& language) {
    return language.text(lang::ListingColumn) + QString::number(r.Colonne) + u' ' +
           language.text(lang::ListingRow) + QString::number(r.Ligne);
}

QString fileText(const ElementRecord& r, const LanguageFile& language) {
    return kindLine(r.Ligne) == lang::KeywordMarker ? language.text(lang::KeywordMarker)
                                                    : r.Fichier;
}

// Lays the sheets out line by line; a sheet is full when its line count reaches the limit.
class Layout {
  public:
    Layout(const ListingSource& source, const QFontMetrics& small, const QFontMetrics& big,
           QSize page)
        : source_(source), small_(small), page_(page) {
        lines_ = listingLinesPerSheet(small.height(), page.height());
        header_.projectName = source.projectName;
        header_.printedOn = source.printedOn;
        header_.printedAt = source.printedAt;
        header_.title = line(lang::PageLabel) + u' ' + QString::number(source.page) +
                        QStringLiteral("  ") + source.pageTitle(source.page);
        header_.step = page.height() / lines_;
        header_.titleStep = page.height() / listingLinesPerSheet(big.height(), page.height());
        header_.width = page.width();
        measure();
    }

    QList<ListingSheet> run() {
        startSheet();
        int lastColumn = 1;
        for (const ElementRecord& r : source_.records) {
            if (!r.Fichier.isEmpty()) {
                if (r.Colonne > lastColumn + 1) {
                    text(10, y_ + header_.step, line(lang::ColumnGap));
                    y_ += 3 * header_.step;
                    count_ += 3;
                }
                lastColumn = r.Colonne;
                printRow(r);
            }
            advance();
        }
        advance();
        closeSheet(y_);
        return sheets_;
    }

  private:
    QString line(int n) const { return source_.language.text(n); }
    void text(int x, int y, const QString& t) {
        sheets_.last().texts.append({QPoint(x, y), t, ListingFace::Small});
    }
    void rule(int x1, int y1, int x2, int y2) {
        sheets_.last().rules.append(QLine(x1, y1, x2, y2));
    }

    void measure() {
        const LanguageFile& language = source_.language;
        for (const ElementRecord& r : source_.records) {
            if (r.Fichier.isEmpty()) {
                continue;
            }
            firstWidth_ = std::max(firstWidth_, small_.horizontalAdvance(columnText(r, language)));
            if (r.Colonne > 2) {
                firstWidth_ =
                    std::max(firstWidth_, small_.horizontalAdvance(line(lang::ColumnGap)));
            }
            kindWidth_ = std::max(kindWidth_, small_.horizontalAdvance(line(kindLine(r.Ligne))));
            fileWidth_ = std::max(fileWidth_, small_.horizontalAdvance(fileText(r, language)));
        }
    }

    void startSheet() {
        y_ = appendListingSheet(sheets_, source_.language, header_);
        count_ = kHeaderLines;
    }

    void printRow(const ElementRecord& r) {
        const LanguageFile& language = source_.language;
        text(10, y_, columnText(r, language));
        text(firstWidth_ + 15, y_, line(kindLine(r.Ligne)));
        text(firstWidth_ + kindWidth_ + 20, y_, fileText(r, language));
        text(firstWidth_ + kindWidth_ + fileWidth_ + 25, y_,
             listingDetails(r, language, source_.pageTitle));
    }

    void advance() {
        y_ += header_.step;
        if (++count_ >= lines_) {
            closeSheet(page_.height() - 1);
            startSheet();
        }
    }

    void closeSheet(int bottom) {
        const int headerBottom = 3 * header_.step + header_.titleStep;
        for (const int x : {firstWidth_ + 14, firstWidth_ + kindWidth_ + 17,
                            firstWidth_ + kindWidth_ + fileWidth_ + 20}) {
            rule(x, headerBottom, x, bottom);
        }
        closeListingFrame(sheets_.last(), header_, bottom);
    }

    const ListingSource& source_;
    const QFontMetrics& small_;
    QSize page_;
    ListingHeader header_;
    int lines_ = 0;
    int firstWidth_ = 0;
    int kindWidth_ = 0;
    int fileWidth_ = 0;
    int y_ = 0;
    int count_ = 0;
    QList<ListingSheet> sheets_;
};

}  // namespace

int listingLinesPerSheet(int fontHeight, int pageHeight) {
    return std::max(kHeaderLines + 1, pageHeight / (std::max(fontHeight, 0) + 10));
}

int appendListingSheet(QList<ListingSheet>& sheets, const LanguageFile& language,
                       const ListingHeader& header) {
    sheets.append(ListingSheet{});
    ListingSheet& sheet = sheets.last();
    const int number = int(sheets.size());
    const int s = header.step;
    sheet.texts.append(
        {QPoint(0, 0), language.text(lang::ListingProject) + u' ' + header.projectName + u'.'});
    sheet.texts.append({QPoint(0, s), language.text(lang::ListingPrintedOn) + u' ' +
                                          header.printedOn + language.text(lang::ListingPrintedAt) +
                                          u' ' + header.printedAt +
                                          (number == 1 ? language.text(lang::ListingFirstSheet)
                                                       : language.text(lang::ListingSheet) + u' ' +
                                                             QString::number(number) + u'.')});
    sheet.texts.append({QPoint(kTitleLeft, 3 * s), header.title, ListingFace::Big});
    sheet.rules.append(QLine(0, 3 * s, header.width - 1, 3 * s));
    sheet.rules.append(
        QLine(0, 3 * s + header.titleStep, header.width - 1, 3 * s + header.titleStep));
    return 3 * s + 2 * header.titleStep;
}

void closeListingFrame(ListingSheet& sheet, const ListingHeader& header, int bottom) {
    const int top = 3 * header.step;
    sheet.rules.append(QLine(0, top, 0, bottom));
    sheet.rules.append(QLine(header.width - 1, top, header.width - 1, bottom));
    sheet.rules.append(QLine(0, bottom, header.width - 1, bottom));
}

QString listingDetails(const ElementRecord& r, const LanguageFile& language,
                       const std::function<QString(int)>& pageTitle) {
    QString details;
    if (isPictureKind(kindOfRow(r.Ligne))) {
        if (r.Transparent != language.text(lang::AppearanceOpaque)) {
            details += r.Transparent + QStringLiteral("  ");
        }
        if (r.Effet != language.text(lang::EffectNone)) {
            details += r.Effet + QStringLiteral("  ");
        }
    }
    const Action action = actionOf(r, language);
    if (!action.isAction()) {
        return details;
    }
    details += language.text(r.Click == QStringLiteral("oui") ? lang::ListingOnClick
                                                              : lang::ListingAutomatic) +
               u' ';
    const QString title = pageTitle(action.first.trimmed().toInt());
    switch (action.kind) {
        case ActionKind::GoToPageAndColumn:
            return details + language.text(lang::ActionGoToPage) + u' ' + action.first + u' ' +
                   title + u' ' + language.text(lang::ListingPageColumn) + action.second;
        case ActionKind::OpenDocumentWith:
            return details + r.Acte + u' ' + action.first + u' ' + action.second;
        case ActionKind::GoToPage:
            return details + r.Acte + u' ' + action.first + u' ' + title;
        case ActionKind::PrintScreen:
        case ActionKind::ToggleVideo:
        case ActionKind::ToggleSound:
        case ActionKind::Quit:
            return details + r.Acte;
        default:
            return details + r.Acte + u' ' + action.first;
    }
}

QList<ListingSheet> layoutPageListing(const ListingSource& source, const QFontMetrics& small,
                                      const QFontMetrics& big, QSize page) {
    return Layout(source, small, big, page).run();
}

bool printListing(QPrinter& printer, const QList<ListingSheet>& sheets, const QString& fontName,
                  const QFont& body) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QFont small(fontName, kSmallPoints);
    const QFont big(fontName, kBigPoints);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        for (const ListingText& t : sheets[i].texts) {
            painter.setFont(t.face == ListingFace::Big    ? big
                            : t.face == ListingFace::Body ? body
                                                          : small);
            painter.drawText(QRect(t.at, QSize(printer.width(), printer.height())),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, t.text);
        }
        for (const QLine& rule : sheets[i].rules) {
            painter.drawLine(rule);
        }
    }
    return painter.end();
}

}  // namespace ztv::editor
