// Clicks, hover, keywords and the actions they start, on the engine with a manual clock: the
// page shown afterwards is read from the canvas.
#include "common/formats/KeywordTable.h"
#include "common/formats/LangLines.h"
#include "common/formats/YesNo.h"
#include "player/engine/Printing.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/RecordingShell.h"

#include <QPdfWriter>
#include <QRegularExpression>

namespace ztv::test {
namespace {

// Each document a PDF of its own: A4 at 600 dpi, no margins.
class PdfPrinter : public PrinterService {
  public:
    explicit PdfPrinter(QString folder) : folder_(std::move(folder)) {}
    int chooseCopies() override { return copies; }
    std::unique_ptr<QPagedPaintDevice> newDocument() override {
        auto pdf = std::make_unique<QPdfWriter>(file(documents++));
        pdf->setResolution(600);
        pdf->setPageSize(QPageSize(QPageSize::A4));
        pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        return pdf;
    }
    QString file(int n) const { return folder_ + QStringLiteral("/doc%1.pdf").arg(n); }
    // The pages of a written document: its page objects.
    int pagesOf(int n) const {
        QFile pdf(file(n));
        pdf.open(QIODevice::ReadOnly);
        return int(QString::fromLatin1(pdf.readAll())
                       .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    }
    int copies = 1;
    int documents = 0;

  private:
    QString folder_;
};

class ClickActions : public PagePlayFixture {
  protected:
    ClickActions() {
        shell_ = std::make_shared<RecordingShell>();
        printer_ = std::make_shared<PdfPrinter>(host(QString()));
    }

    std::unique_ptr<Engine> makeEngine(const QStringList& args) {
        PlayerEnvironment env = environment(args);
        env.shell = shell_;
        env.printer = printer_;
        env.trustStoreHost = host(QStringLiteral("config/trust.ini"));
        return std::make_unique<Engine>(std::move(env));
    }
    void play(int page = 1) {
        engine_ = makeEngine({QStringLiteral("somm"), QString::number(page), host("data")});
        ASSERT_TRUE(engine_->start(appHost()));
        engine_->playPage();
        ASSERT_TRUE(runUntilIdle());
    }
    // A picture that acts when clicked.
    ElementRecord clickable(int row, QRect rect, int line, const QString& p1,
                            const QString& p2 = {}) const {
        ElementRecord r = picture(row, 1, solidBmp(QStringLiteral("w.bmp"), Qt::white), rect);
        r.Acte = text(line);
        r.Destination = p1;
        r.Destin2 = p2;
        r.Click = ouiNon(true);
        return r;
    }
    ElementRecord zone(int row, QRect rect, int line, const QString& p1) const {
        ElementRecord r = clickable(row, rect, line, p1);
        r.Fichier = text(168) + QStringLiteral(" 1");
        return r;
    }
    // Pages 2 to 4 are red, green and blue; page 2 has a yellow column 3.
    void writeColouredPages() {
        writePage(2, {picture(3, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 640, 480)),
                      picture(4, 3, solidBmp("y.bmp", Qt::yellow), QRect(0, 0, 640, 480))});
        writePage(3, {picture(3, 1, solidBmp("g.bmp", Qt::green), QRect(0, 0, 640, 480))});
        writePage(4, {picture(3, 1, solidBmp("b.bmp", Qt::blue), QRect(0, 0, 640, 480))});
    }
    void click(int x, int y) {
        engine_->mouseDown(QPoint(x, y));
        runUntilIdle();
    }

    std::shared_ptr<RecordingShell> shell_;
    std::shared_ptr<PdfPrinter> printer_;
};

TEST_F(ClickActions, TheHighestRowUnderTheClickActsAndClickZonesWin) {
    writeColouredPages();
    writePage(1, {clickable(4, QRect(0, 0, 100, 100), lang::ActionGoToPage, "2"),
                  clickable(6, QRect(50, 50, 100, 100), lang::ActionGoToPage, "3"),
                  zone(50, QRect(140, 140, 20, 20), lang::ActionGoToPage, "4")});
    play();
    click(10, 10);
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::red));
    play();
    click(75, 75);  // rows 4 and 6 overlap: row 6
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green));
    play();
    click(145, 145);  // the click zone over row 6
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::blue));
    play();
    click(100, 100);  // right and bottom edges belong to the rectangle
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green));
    play();
    click(300, 300);  // nothing there
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::white));
    EXPECT_FALSE(engine_->pagePlay().busy);
}

// Records the directions a panorama is asked to scroll in.
class ScrollLog : public Element {
  public:
    explicit ScrollLog(QList<int>& log) : log_(log) {}
    void scroll(int direction) override { log_.append(direction); }

  private:
    QList<int>& log_;
};

TEST_F(ClickActions, APanoramaScrollsByTheQuarterClickedEvenWithoutAnAction) {
    ElementRecord pano = picture(25, 1, QStringLiteral("\\media\\pano.jpg"), QRect(0, 0, 200, 100));
    writePage(1, {pano});
    engine_ = makeEngine({QStringLiteral("somm"), QStringLiteral("1"), host("data")});
    QList<int> directions;
    engine_->defineElementKind(ElementKind::Panorama,
                               [&] { return std::make_unique<ScrollLog>(directions); });
    ASSERT_TRUE(engine_->start(appHost()));
    engine_->playPage();
    runUntilIdle();
    for (QPoint p : {QPoint(100, 10), QPoint(100, 90), QPoint(150, 50), QPoint(50, 50),
                     QPoint(100, 25), QPoint(100, 75)}) {
        click(p.x(), p.y());
    }
    EXPECT_EQ(directions, (QList<int>{2, 3, 1, 0, 2, 3}));
}

TEST_F(ClickActions, AHoverActionRunsOnceUntilAnotherTargetHasRun) {
    writeColouredPages();
    ElementRecord toPage2 = picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 50, 50));
    toPage2.SurvolAction = 1;
    toPage2.SurvolPage = 2;
    toPage2.SurvolColonne = 1;
    ElementRecord toPage3 = toPage2;
    toPage3.Ligne = 5;
    toPage3.Gauche = 100;
    toPage3.SurvolPage = 3;
    writePage(1, {toPage2, toPage3});
    play();
    engine_->hoverAt(QPoint(10, 10));
    runUntilIdle();
    EXPECT_EQ(engine_->currentPage(), 2);

    engine_->runAction({ActionKind::GoToPage, QStringLiteral("1"), {}});
    runUntilIdle();
    engine_->hoverAt(QPoint(10, 10));  // the same target again: nothing
    runUntilIdle();
    EXPECT_EQ(engine_->currentPage(), 1);
    engine_->hoverAt(QPoint(110, 10));
    runUntilIdle();
    EXPECT_EQ(engine_->currentPage(), 3);

    engine_->runAction({ActionKind::GoToPage, QStringLiteral("1"), {}});
    runUntilIdle();
    engine_->hoverAt(QPoint(10, 10));  // another target ran in between
    runUntilIdle();
    EXPECT_EQ(engine_->currentPage(), 2);
}

TEST_F(ClickActions, JumpsLoadTheirColumnAndBadTargetsChangeNothing) {
    writeColouredPages();
    writePage(1, {picture(3, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 640, 480))});
    play();
    engine_->runAction({ActionKind::GoToPageAndColumn, QStringLiteral("2"), "3"});
    runUntilIdle();
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::yellow));

    for (const Action& bad : {Action{ActionKind::GoToPage, QStringLiteral("x9"), {}},
                              Action{ActionKind::GoToPage, QStringLiteral("99"), {}},
                              Action{ActionKind::GoToPageAndColumn, QStringLiteral("3"), "21"},
                              Action{ActionKind::GoToColumn, QStringLiteral("0"), {}}}) {
        engine_->runAction(bad);
        EXPECT_FALSE(engine_->pagePlay().busy);
        EXPECT_EQ(engine_->currentPage(), 2);
        EXPECT_EQ(canvasAt(5, 5), rgb(Qt::yellow));
    }
    EXPECT_FALSE(engine_->terminationRequested());
    ASSERT_EQ(prompter_.texts().size(), 1);  // only the number that is not one says so
    EXPECT_TRUE(prompter_.texts()[0].endsWith(QStringLiteral("x9")));
}

TEST_F(ClickActions, AJumpPutsTheBackgroundBackWhereElementsWereMarkedToGo) {
    ElementRecord going = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(10, 10, 40, 30));
    going.DisparAuto = ouiNon(true);
    ElementRecord staying = picture(5, 1, solidBmp("g.bmp", Qt::green), QRect(100, 10, 40, 30));
    writePage(1, {picture(3, 1, solidBmp("b.bmp", Qt::blue), QRect(0, 0, 640, 480)), going, staying,
                  picture(6, 3, solidBmp("y.bmp", Qt::yellow), QRect(300, 300, 9, 9))});
    play();
    ASSERT_EQ(canvasAt(20, 20), rgb(Qt::red));
    engine_->runAction({ActionKind::GoToColumn, QStringLiteral("3"), {}});
    runUntilIdle();
    EXPECT_EQ(canvasAt(20, 20), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(110, 20), rgb(Qt::green));
    EXPECT_EQ(canvasAt(305, 305), rgb(Qt::yellow));
}

TEST_F(ClickActions, AChosenKeywordGoesToItsPageAndColumn) {
    writeColouredPages();
    writePage(1, {picture(3, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 640, 480))});
    ASSERT_TRUE(keywordtable::write(
        host("data/base/Mots.pmg"),
        {{QStringLiteral("mer"), "3", {}}, {QStringLiteral("plage"), "2", "3"}}));
    play();
    engine_->keywordChosen(QStringLiteral("absent"));
    EXPECT_EQ(engine_->currentPage(), 1);
    engine_->keywordChosen(QStringLiteral("plage"));
    runUntilIdle();
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::yellow));
    engine_->keywordChosen(QStringLiteral("mer"));
    runUntilIdle();
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green));
}

TEST_F(ClickActions, ProgramsGetArgumentListsAndTheirFolder) {
    writePage(1, {picture(3, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 640, 480))});
    writeMedia(QStringLiteral("notes.txt"), "a\r\n");
    ProjectWriter(appHost()).writeBytes(QStringLiteral("autre"), "#!");
    play();
    engine_->runAction({ActionKind::StartApplication, QStringLiteral("\\ailleurs\\autre"), {}});
    engine_->runAction({ActionKind::OpenWithParameters, QStringLiteral("\\media\\notes.txt"),
                        QStringLiteral("-a \"deux mots\" $HOME")});
    engine_->runAction({ActionKind::OpenFile, QStringLiteral("\\media\\..\\..\\etc"), {}});
    engine_->runAction({ActionKind::OpenFile, QStringLiteral("\\media\\absent.txt"), {}});
    ASSERT_EQ(shell_->calls.size(), 2);
    EXPECT_EQ(shell_->calls[0].path, QDir(appHost()).filePath(QStringLiteral("autre")));
    EXPECT_EQ(shell_->calls[0].arguments, QStringList{QStringLiteral("paslogo")});
    EXPECT_EQ(shell_->calls[1].arguments,
              (QStringList{"-a", QStringLiteral("deux mots"), QStringLiteral("$HOME")}));
    EXPECT_EQ(shell_->calls[1].workingDir, host(QStringLiteral("media")));
    EXPECT_FALSE(engine_->pagePlay().busy);
    EXPECT_TRUE(prompter_.texts().isEmpty());  // a preview never asks
}

TEST_F(ClickActions, AProjectOpenedAsADocumentAsksOnceBeforeStartingPrograms) {
    writeProject(host(QStringLiteral("proj")), QStringLiteral("visite"));
    writeMedia(QStringLiteral("outil"), "#!");
    const QStringList args{host(QStringLiteral("proj/visite.ZTV"))};
    const Action run{ActionKind::OpenFile, QStringLiteral("\\media\\outil"), {}};
    engine_ = makeEngine(args);
    ASSERT_TRUE(engine_->start(appHost()));
    prompter_.answer(Prompter::No);
    engine_->runAction(run);
    engine_->runAction(run);
    engine_->runAction({ActionKind::OpenAddress, QStringLiteral("https://example.org"), {}});
    EXPECT_TRUE(shell_->calls.isEmpty());
    EXPECT_EQ(shell_->addresses, QStringList{QStringLiteral("https://example.org")});
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].endsWith(QStringLiteral("outil")));

    // The answer is remembered for the project: the next run does not ask.
    engine_ = makeEngine(args);
    ASSERT_TRUE(engine_->start(appHost()));
    engine_->runAction(run);
    EXPECT_TRUE(shell_->calls.isEmpty());
    EXPECT_EQ(prompter_.texts().size(), 1);

    // A changed container asks again.
    {
        QFile container(host("proj/visite.ZTV"));
        ASSERT_TRUE(container.open(QIODevice::Append));
        container.write(QByteArray(kProjectRecordSize, '\0'));
    }
    engine_ = makeEngine(args);
    ASSERT_TRUE(engine_->start(appHost()));
    prompter_.answer(Prompter::Yes);
    engine_->runAction(run);
    EXPECT_EQ(prompter_.texts().size(), 2);
    EXPECT_EQ(shell_->calls.size(), 1);
}

TEST_F(ClickActions, TextFilesPrintOnPagesAndTheScreenOnceACopy) {
    QByteArray text;
    for (int i = 1; i <= 130; ++i) {
        text += "ligne " + QByteArray::number(i) + "\r\n";
    }
    writeMedia(QStringLiteral("long.txt"), text);
    writeMedia(QStringLiteral("court.txt"), "une\tligne\x01\r\n");
    writeColouredPages();
    writePage(1, {picture(3, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 640, 480))});
    play();
    engine_->runAction({ActionKind::PrintTextFile, QStringLiteral("\\media\\long.txt"), {}});
    engine_->runAction({ActionKind::PrintTextThenGoToPage, QStringLiteral("\\media\\court.txt"),
                        QStringLiteral("3")});
    runUntilIdle();
    ASSERT_EQ(printer_->documents, 2);
    // 9-point lines on A4 (about 70 to a page): 130 lines take two pages.
    EXPECT_EQ(printer_->pagesOf(0), 2);
    EXPECT_EQ(printer_->pagesOf(1), 1);
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green));

    printer_->copies = 2;
    engine_->runAction({ActionKind::PrintScreen, {}, {}});
    EXPECT_EQ(printer_->documents, 4);
    printer_->copies = 0;  // cancelled
    engine_->runAction({ActionKind::PrintScreen, {}, {}});
    EXPECT_EQ(printer_->documents, 4);
    EXPECT_FALSE(engine_->pagePlay().busy);
}

TEST(Printing, TheScreenIsDrawnThreeTimesItsSizeCentred) {
    QImage page(QSize(6000, 6000), QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(600 / 0.0254);
    page.setDotsPerMeterY(600 / 0.0254);
    QImage canvas(100, 50, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    printing::printScreen(page, canvas);
    EXPECT_EQ(page.pixel(3000, 3000), QColor(Qt::red).rgb());
    EXPECT_EQ(page.pixel(2851, 2926), QColor(Qt::red).rgb());  // 300 x 150, centred
    EXPECT_EQ(page.pixel(2845, 3000), QColor(Qt::white).rgb());
    EXPECT_EQ(page.pixel(3000, 2920), QColor(Qt::white).rgb());
}

}  // namespace
}  // namespace ztv::test
