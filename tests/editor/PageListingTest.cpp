// Page listings: the lines in storyboard order with their markers, sheets that break at the
// same height, the details of actions, and the listing printed to a PDF through the command.
#include "common/formats/LangLines.h"
#include "editor/printing/PageListing.h"
#include "tests/editor/ProjectFixture.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>

namespace ztv::test {
namespace {

class PageListing : public ProjectFixture {
  protected:
    QList<editor::ListingSheet> layout(const QList<ElementRecord>& records, QSize page) {
        editor::ListingSource source{state().language, "album", "1/1/26", "10:00", 2, {}, records};
        source.pageTitle = [](int n) { return n == 2 ? QStringLiteral("Deux") : QString(); };
        const QFontMetrics small(QFont(QStringLiteral("Arial"), 8));
        const QFontMetrics big(QFont(QStringLiteral("Arial"), 14));
        return editor::layoutPageListing(source, small, big, page);
    }
    static QList<editor::ListingText> rowsOf(const editor::ListingSheet& sheet) {
        return sheet.texts.mid(3);  // after the two header lines and the title
    }
};

TEST_F(PageListing, ColumnJumpsAreMarkedAndRowsComeInStoryboardOrder) {
    const auto sheets =
        layout({makeRecord(4, 3, "a.jpg"), makeRecord(5, 4, "b.jpg"), makeRecord(6, 7, "c.jpg")},
               {3000, 4000});
    ASSERT_EQ(sheets.size(), 1);
    const auto rows = rowsOf(sheets[0]);
    // marker, then 4 texts per element; a marker before column 3 and before column 7.
    ASSERT_EQ(rows.size(), 2 + 3 * 4);
    EXPECT_EQ(rows[0].text, numberedText(lang::ColumnGap));
    EXPECT_EQ(rows[1].text, QStringLiteral("T156") + "3 T157" + "4");
    const int step = rows[5].at.y() - rows[1].at.y();
    EXPECT_GT(step, 0);
    EXPECT_EQ(rows[0].at.y(), rows[1].at.y() - 2 * step) << "the marker one line lower";
    EXPECT_EQ(rows[9].text, numberedText(lang::ColumnGap));
    EXPECT_EQ(rows[10].at.y(), rows[5].at.y() + 4 * step) << "the row two lines below it";
    EXPECT_EQ(sheets[0].texts[1].text, QStringLiteral("T152 1/1/26T153 10:00T154"));
    EXPECT_EQ(sheets[0].texts[2].text, QStringLiteral("T155 2  Deux"));
    EXPECT_EQ(sheets[0].texts[2].face, editor::ListingFace::Big);
}

TEST_F(PageListing, LongPagesBreakIntoSheetsOfEqualLines) {
    QList<ElementRecord> records;
    for (int i = 0; i < 40; ++i) {
        records.append(makeRecord(30 + i % 20, 1 + i / 20, QStringLiteral("t%1").arg(i)));
    }
    const QSize page(3000, 600);
    const QFontMetrics small(QFont(QStringLiteral("Arial"), 8));
    const int lines = page.height() / (small.height() + 10);
    ASSERT_GE(lines, 6);
    const auto sheets = layout(records, page);
    // Five header lines, then rows; the table ends with one blank line.
    const int rowsPerSheet = lines - 5;
    EXPECT_EQ(sheets.size(), (40 + 1) / rowsPerSheet + 1);
    for (qsizetype s = 0; s + 1 < sheets.size(); ++s) {
        const auto rows = rowsOf(sheets[s]);
        EXPECT_EQ(rows.size(), 4 * rowsPerSheet) << s;
        EXPECT_EQ(rows.first().at.y(), rowsOf(sheets[0]).first().at.y()) << s;
        EXPECT_EQ(sheets[s].texts[1].text.endsWith(s == 0 ? QStringLiteral("T154")
                                                          : QStringLiteral("T159 %1.").arg(s + 1)),
                  true);
    }
    // A page too short for six lines still holds the header and a row on each sheet.
    const auto tiny = layout(records, {3000, 20});
    EXPECT_EQ(rowsOf(tiny[0]).size(), 4);
}

TEST_F(PageListing, DetailsNameTheAppearanceEffectAndAction) {
    const auto title = [](int n) { return n == 2 ? QStringLiteral("Deux") : QString(); };
    ElementRecord r = makeRecord(5, 1, "a.jpg");
    r.Transparent = numberedText(201);
    r.Effet = numberedText(lang::EffectNone);
    r.Acte = numberedText(lang::ActionGoToPageAndColumn);
    r.Destination = "2";
    r.Destin2 = "4";
    r.Click = "oui";
    EXPECT_EQ(editor::listingDetails(r, state().language, title), "T201  T417 T281 2 Deux T954");
    r.Acte = numberedText(lang::ActionGoToPage);
    r.Destination = "9";
    r.Click = "non";
    EXPECT_EQ(editor::listingDetails(r, state().language, title), "T201  T418 T281 9 ");
    r.Ligne = 45;
    r.Acte = numberedText(lang::ActionQuit);
    EXPECT_EQ(editor::listingDetails(r, state().language, title), "T418 T291");
}

TEST_F(PageListing, TheCommandPrintsThisPageOrEveryPageToThePrinter) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux"), QStringLiteral("Trois")});
    window().storyboard().closePage();
    ProjectWriter(workingDir()).writePageFile(2, {makeRecord(5, 1, "a.jpg")});
    window().document().switchToPage(2);
    const QString pdf = dir_.filePath("listing.pdf");
    window().printer().setOutputFormat(QPrinter::PdfFormat);
    window().printer().setOutputFileName(pdf);
    for (const bool all : {false, true}) {
        QFile::remove(pdf);
        onDialog([all](QDialog& d) {
            d.findChild<QRadioButton*>(all ? "RadioButton2" : "RadioButton1")->setChecked(true);
            d.done(6);
        });
        // Accepted as it stands: accepting through the dialog would take its own settings.
        onDialog([](QDialog& d) { d.setResult(QDialog::Accepted); });
        window().runCommand(editor::Command::Print);
        EXPECT_EQ(dialogsShown.mid(dialogsShown.size() - 2).first(), QStringLiteral("FormPrint"));
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << prompter_.texts().join(" / ").toStdString();
        const QByteArray data = file.readAll();
        EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page "), all ? 3 : 1) << all;
    }
}

}  // namespace
}  // namespace ztv::test
