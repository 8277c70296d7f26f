#include "editor/PageListing.h"

#include "common/ElementKinds.h"
#include "common/LangLines.h"

#include <QPainter>
#include <QPrinter>

namespace ztv::editor {

namespace {

constexpr int kHeaderLines = 5;
constexpr int kTitleLeft = 1000;
constexpr int kSmallPoints = 8;
constexpr int kBigPoints = 14;

// Lines of a sheet for a font: never fewer than the header and one row.
int linesPerSheet(const QFontMetrics& font, int pageHeight) {
    return std::max(kHeaderLines + 1, pageHeight / (font.height() + 10));
}

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
    return language.text(156) + QString::number(r.Colonne) + u' ' + language.text(157) +
           QString::number(r.Ligne);
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
        lines_ = linesPerSheet(small, page.height());
        step_ = page.height() / lines_;
        titleStep_ = page.height() / linesPerSheet(big, page.height());
        measure();
    }

    QList<ListingSheet> run() {
        startSheet();
        int lastColumn = 1;
        for (const ElementRecord& r : source_.records) {
            if (!r.Fichier.isEmpty()) {
                if (r.Colonne > lastColumn + 1) {
                    text(10, y_ + step_, line(lang::ColumnGap));
                    y_ += 3 * step_;
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
    void text(int x, int y, const QString& t, bool big = false) {
        sheets_.last().texts.append({QPoint(x, y), t, big});
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
        sheets_.append(ListingSheet{});
        const int number = int(sheets_.size());
        text(0, 0, line(151) + u' ' + source_.projectName + u'.');
        text(0, step_,
             line(152) + u' ' + source_.printedOn + line(153) + u' ' + source_.printedAt +
                 (number == 1 ? line(154) : line(159) + u' ' + QString::number(number) + u'.'));
        text(kTitleLeft, 3 * step_,
             line(lang::PageLabel) + u' ' + QString::number(source_.page) + QStringLiteral("  ") +
                 source_.pageTitle(source_.page),
             true);
        rule(0, 3 * step_, page_.width() - 1, 3 * step_);
        rule(0, 3 * step_ + titleStep_, page_.width() - 1, 3 * step_ + titleStep_);
        y_ = 3 * step_ + 2 * titleStep_;
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
        y_ += step_;
        if (++count_ >= lines_) {
            closeSheet(page_.height() - 1);
            startSheet();
        }
    }

    void closeSheet(int bottom) {
        const int top = 3 * step_;
        const int headerBottom = top + titleStep_;
        rule(0, top, 0, bottom);
        rule(page_.width() - 1, top, page_.width() - 1, bottom);
        for (const int x : {firstWidth_ + 14, firstWidth_ + kindWidth_ + 17,
                            firstWidth_ + kindWidth_ + fileWidth_ + 20}) {
            rule(x, headerBottom, x, bottom);
        }
        rule(0, bottom, page_.width() - 1, bottom);
    }

    const ListingSource& source_;
    const QFontMetrics& small_;
    QSize page_;
    int lines_ = 0;
    int step_ = 0;
    int titleStep_ = 0;
    int firstWidth_ = 0;
    int kindWidth_ = 0;
    int fileWidth_ = 0;
    int y_ = 0;
    int count_ = 0;
    QList<ListingSheet> sheets_;
};

}  // namespace

QString listingDetails(const ElementRecord& r, const LanguageFile& language,
                       const std::function<QString(int)>& pageTitle) {
    QString details;
    if (r.Ligne >= 3 && r.Ligne <= 29) {
        if (r.Transparent != language.text(lang::AppearanceOpaque)) {
            details += r.Transparent + QStringLiteral("  ");
        }
        if (r.Effet != language.text(lang::EffectNone)) {
            details += r.Effet + QStringLiteral("  ");
        }
    }
    if (r.Acte.isEmpty() || r.Acte == language.text(lang::ActionNone)) {
        return details;
    }
    details += language.text(r.Click == QStringLiteral("oui") ? 417 : 418) + u' ';
    const auto is = [&](int line) { return r.Acte == language.text(line); };
    const QString title = pageTitle(r.Destination.trimmed().toInt());
    if (is(lang::ActionGoToPageAndColumn)) {
        details += language.text(lang::ActionGoToPage) + u' ' + r.Destination + u' ' + title +
                   u' ' + language.text(95) + r.Destin2;
    } else if (is(lang::ActionOpenDocumentWith)) {
        details += r.Acte + u' ' + r.Destination + u' ' + r.Destin2;
    } else if (is(lang::ActionGoToPage)) {
        details += r.Acte + u' ' + r.Destination + u' ' + title;
    } else if (is(lang::ActionPrintScreen) || is(lang::ActionToggleVideo) ||
               is(lang::ActionToggleSound) || is(lang::ActionQuit)) {
        details += r.Acte;
    } else {
        details += r.Acte + u' ' + r.Destination;
    }
    return details;
}

QList<ListingSheet> layoutPageListing(const ListingSource& source, const QFontMetrics& small,
                                      const QFontMetrics& big, QSize page) {
    return Layout(source, small, big, page).run();
}

bool printListing(QPrinter& printer, const QList<ListingSheet>& sheets, const QString& fontName) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont small(fontName, kSmallPoints);
    QFont big(fontName, kBigPoints);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        for (const ListingText& t : sheets[i].texts) {
            painter.setFont(t.big ? big : small);
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
