#include "editor/printing/FileListPrint.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/TiledDialog.h"

#include <QDateTime>
#include <QFontDialog>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

namespace ztv::editor {

namespace {

constexpr int kHeaderLines = 5;
constexpr int kBodyLeft = 20;
constexpr int kBigPoints = 14;
constexpr int kDefaultBodyPoints = 10;

std::optional<QFont> chooseFont(const SessionSettings& state, QWidget* parent) {
    QFontDialog dialog(QFont(state.text(lang::ListingFontName), kDefaultBodyPoints), parent);
    if (runModal(state, dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.currentFont();
}

}  // namespace

QList<ListingSheet> layoutFileList(const FileListSource& source, const QFontMetrics& body,
                                   const QFontMetrics& big, QSize page) {
    const int lines = listingLinesPerSheet(body.height(), page.height());
    const ListingHeader header{
        source.projectName,    source.printedOn,
        source.printedAt,      source.title,
        page.height() / lines, page.height() / listingLinesPerSheet(big.height(), page.height()),
        page.width()};
    QList<ListingSheet> sheets;
    int y = appendListingSheet(sheets, source.language, header);
    int count = kHeaderLines;
    for (const QString& line : source.lines) {
        // The break comes before the line that does not fit, so no sheet is left empty.
        if (count >= lines) {
            closeListingFrame(sheets.last(), header, page.height() - 1);
            y = appendListingSheet(sheets, source.language, header);
            count = kHeaderLines;
        }
        sheets.last().texts.append({QPoint(kBodyLeft, y), line, ListingFace::Body});
        y += header.step;
        ++count;
    }
    closeListingFrame(sheets.last(), header, y);
    return sheets;
}

void printFileList(SessionSettings& state, Prompter& prompter, QWidget* parent, QPrinter& printer,
                   const QStringList& lines, const QString& title) {
    QPrintDialog printDialog(&printer, parent);
    if (runModal(state, printDialog) != QDialog::Accepted) {
        return;
    }
    const std::optional<QFont> font = chooseFont(state, parent);
    if (!font) {
        return;
    }
    BusyCursor busy;
    const QFontMetrics body(*font, &printer);
    if (body.height() > printer.height()) {
        prompter.message(state.language.message(lang::FontTallerThanPage));
        return;
    }
    const QString listFile = state.paths.data(QStringLiteral("$impr.txt"));
    // The copies print the list as saved.
    const std::optional<QStringList> saved =
        writeLines(listFile, lines) ? readLines(listFile) : std::nullopt;
    if (!saved) {
        prompter.message(state.text(lang::FileListNotWritten) + u' ' + listFile);
        return;
    }
    const QString fontName = state.text(lang::ListingFontName);
    const QFontMetrics big(QFont(fontName, kBigPoints), &printer);
    // Each copy is a document of its own, as the sheet numbers restart.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    for (int copy = 0; copy < copies; ++copy) {
        const QDateTime now = QDateTime::currentDateTime();
        const FileListSource source{state.language,
                                    state.projectName,
                                    QLocale().toString(now.date(), QLocale::ShortFormat),
                                    QLocale().toString(now.time(), QLocale::LongFormat),
                                    title,
                                    *saved};
        const QSize page(printer.width(), printer.height());
        if (!printListing(printer, layoutFileList(source, body, big, page), fontName, *font)) {
            break;
        }
    }
    printer.setCopyCount(copies);
}

}  // namespace ztv::editor
