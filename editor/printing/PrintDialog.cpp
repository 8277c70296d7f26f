#include "editor/printing/PrintDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/printing/PageListing.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/WindowServices.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <optional>

namespace ztv::editor {

namespace {

constexpr int kSmallPoints = 8;
constexpr int kBigPoints = 14;

// The listing of one page, once per copy, each copy a document of its own; none, after the
// message, when the page file cannot be read. The page becomes the current one and its played
// file is made from its storyboard, as after a change: a page never changed has none yet.
std::optional<QList<QList<ListingSheet>>> pageListings(const WindowServices& window,
                                                       const QPrinter& printer, int page,
                                                       int copies) {
    const SessionSettings& state = window.state;
    if (window.storyboard.page() != page) {
        window.switchToPage(page);
    }
    window.storyboard.regenerate();
    const QString jou = Storyboard::pageFilePath(state.paths.workingDir(), page, ".JOU");
    const auto records = readPageFile(jou);
    if (!records) {
        window.message(lang::PageFileMissing);
        return std::nullopt;
    }
    const QList<PageEntry> pages = PageBook(state.paths.workingDir()).livePages();
    ListingSource source{state.language, state.projectName, {}, {}, page, {}, {}};
    source.pageTitle = [pages](int number) {
        for (const PageEntry& p : pages) {
            if (p.number == number) {
                return p.title;
            }
        }
        return QString();
    };
    source.records = records->mid(1);
    const QString fontName = state.text(lang::ListingFontName);
    const QFontMetrics small(QFont(fontName, kSmallPoints), &printer);
    const QFontMetrics big(QFont(fontName, kBigPoints), &printer);
    QList<QList<ListingSheet>> documents;
    for (int copy = 0; copy < copies; ++copy) {
        const QDateTime now = QDateTime::currentDateTime();
        source.printedOn = QLocale().toString(now.date(), QLocale::ShortFormat);
        source.printedAt = QLocale().toString(now.time(), QLocale::LongFormat);
        documents.append(
            layoutPageListing(source, small, big, QSize(printer.width(), printer.height())));
    }
    return documents;
}

// Each document is a print job of its own, except into a file, which every job would write
// over: there they follow each other in one file.
void printDocuments(QPrinter& printer, const QList<QList<ListingSheet>>& documents,
                    const QString& fontName) {
    if (!printer.outputFileName().isEmpty()) {
        QList<ListingSheet> all;
        for (const QList<ListingSheet>& document : documents) {
            all.append(document);
        }
        printListing(printer, all, fontName);
        return;
    }
    for (const QList<ListingSheet>& document : documents) {
        if (!printListing(printer, document, fontName)) {
            return;
        }
    }
}

}  // namespace

PrintDialog::PrintDialog(const SessionSettings& state, QWidget* parent) : TiledDialog(parent) {
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(state.text(lang::PrintCaption));
    setFixedSize(340, 160);
    auto* group = new QGroupBox(state.text(lang::PrintGroup), this);
    group->setGeometry(12, 10, 316, 90);
    group->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(195,198,200); }"));
    auto* one = new QRadioButton(state.text(lang::PrintThisPage), group);
    one->setObjectName(QStringLiteral("RadioButton1"));
    one->setGeometry(12, 26, 290, 22);
    one->setChecked(true);
    all_ = new QRadioButton(state.text(lang::PrintAllPages), group);
    all_->setObjectName(QStringLiteral("RadioButton2"));
    all_->setGeometry(12, 56, 290, 22);
    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 114, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(Prompter::Yes); });
    connect(dialogButton(this, "BitBtn2", state.text(lang::ButtonCancel), QRect(110, 114, 90, 30)),
            &QPushButton::clicked, this, &QDialog::reject);
}

bool PrintDialog::allPages() const {
    return all_->isChecked();
}

void printCommand(const WindowServices& window, QPrinter& printer) {
    SessionSettings& state = window.state;
    const int current = window.storyboard.page();
    if (current == 0) {
        window.message(lang::NoCurrentPage);
        return;
    }
    PrintDialog choice(state, window.window);
    if (runModal(state, choice) != Prompter::Yes) {
        return;
    }
    QPrintDialog dialog(&printer, window.window);
    if (runModal(state, dialog) != QDialog::Accepted) {
        return;
    }
    BusyCursor busy;
    // Each copy is a document of its own, as the listing's sheet numbers restart.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    QList<int> pages{current};
    if (choice.allPages()) {
        pages.clear();
        for (const PageEntry& p : PageBook(state.paths.workingDir()).livePages()) {
            pages.append(p.number);
        }
    }
    QList<QList<ListingSheet>> documents;
    for (const int page : pages) {
        const auto listings = pageListings(window, printer, page, copies);
        if (!listings) {
            break;
        }
        documents.append(*listings);
    }
    if (window.storyboard.page() != current) {
        window.switchToPage(current);
    }
    printDocuments(printer, documents, state.text(lang::ListingFontName));
    printer.setCopyCount(copies);
    window.focusVisibleView();
}

}  // namespace ztv::editor
