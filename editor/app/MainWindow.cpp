#include "editor/app/MainWindow.h"

#include "common/formats/LangLines.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/DesktopShell.h"
#include "editor/app/CommandTable.h"
#include "editor/app/EditCommands.h"
#include "editor/app/LaunchCommands.h"
#include "editor/app/LineMessage.h"
#include "editor/app/PageCommands.h"
#include "editor/app/ProjectCommands.h"
#include "editor/builder/BuildApplication.h"
#include "editor/builder/FileAssociations.h"
#include "editor/dialogs/ProjectFilesDialog.h"
#include "editor/document/PageBook.h"
#include "editor/document/WorkingCopy.h"
#include "editor/document/WorkingCopyOwner.h"
#include "editor/printing/PrintDialog.h"
#include "editor/widgets/DialogBackground.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace ztv::editor {

namespace {

constexpr int kToolbarHeight = 85;

// The toolbar panel: its picture at the left, the panel colour beyond.
class ToolbarPanel : public QWidget {
  public:
    ToolbarPanel(const QString& pictureHost, QWidget* parent)
        : QWidget(parent), picture_(pictureHost) {
        setObjectName(QStringLiteral("Panel1"));
        setFixedHeight(kToolbarHeight);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), panelColour());
        if (!picture_.isNull()) {
            painter.drawImage(QRect(0, 0, std::max(width(), picture_.width()), kToolbarHeight),
                              picture_);
        }
    }

  private:
    QImage picture_;
};

// A toolbar glyph: the JPEG picture with the colour of its bottom-left pixel (and what JPEG
// made of it) transparent.
QIcon loadGlyph(const QString& hostPath) {
    QImage image(hostPath);
    if (image.isNull()) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QColor key = image.pixelColor(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = std::abs(qRed(line[x]) - key.red()) +
                          std::abs(qGreen(line[x]) - key.green()) +
                          std::abs(qBlue(line[x]) - key.blue());
            if (d < 24) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    QIcon icon(QPixmap::fromImage(image));
    return icon;
}

}  // namespace

QString withoutMnemonics(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;  // "&&" is a literal ampersand; "&x" underlines x
        }
        text += caption[i];
    }
    return text;
}

MainWindow::MainWindow(SessionSettings& state, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), state_(state), prompter_(prompter), document_(state) {
    setObjectName(QStringLiteral("Sommaire"));
    state_.gridMode = true;
    QDir().mkpath(state_.paths.workingDir());

    DialogBackground::load(state_.paths.asset(QStringLiteral("boutons/texture.jpg")));
    pictures_.load(state_.paths);
    for (int n = 0; n < int(state_.transitionPictures.size()); ++n) {
        state_.transitionPictures[n].load(
            state_.paths.asset(QStringLiteral("transitions/%1.bmp").arg(n)));
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel =
        new ToolbarPanel(state_.paths.asset(QStringLiteral("boutons/barrevide.jpg")), central);
    layout->addWidget(panel);
    views_ = new QStackedWidget(central);
    grid_ = new StoryboardGrid(document_.storyboard(), state_.language, pictures_,
                               state_.screenWidth, views_);
    grid_->setToolTip(state_.text(lang::StoryboardHint));
    grid_->setStyleSheet(
        QStringLiteral("QTableView { background: rgb(195,198,200); "
                       "gridline-color: rgb(150,160,170); }"
                       "QTableCornerButton::section { border: none; border-image: url(%1); }")
            .arg(state_.paths.asset(QStringLiteral("boutons/ligne_texture.jpg"))));
    list_ = new QListWidget(views_);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setViewMode(QListView::IconMode);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setIconSize(QSize(100, 100));
    list_->setGridSize(QSize(150, 150));
    list_->setWordWrap(true);
    list_->setSpacing(6);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: rgb(195,198,200); }"));
    views_->addWidget(grid_);
    views_->addWidget(list_);
    layout->addWidget(views_, 1);
    setCentralWidget(central);

    buildToolbar(panel);
    buildMenus();
    buildStatusBar();
    const CommandRunner run = [this](Command command) { runCommand(command); };
    projects_ = std::make_unique<ProjectCommands>(document_, prompter_, *this, run);
    pages_ = std::make_unique<PageCommands>(document_, prompter_, *this);
    edits_ = std::make_unique<EditCommands>(document_, prompter_, *this);
    launches_ = std::make_unique<LaunchCommands>(document_, prompter_, *this,
                                                 [this] { projects_->toolSettingsCommand(); });
    bindCommands();

    // Esc closes the window from wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(grid_, &StoryboardGrid::cellPressed, this, &MainWindow::selectPressedCell);
    connect(grid_, &StoryboardGrid::cellClicked, &document_, &ProjectDocument::setCurrentCell);
    connect(grid_, &StoryboardGrid::cellActivated, this, &MainWindow::openCell);
    connect(list_, &QListWidget::itemClicked, this, &MainWindow::selectListedCell);
    connect(list_, &QListWidget::itemDoubleClicked, this, &MainWindow::openListedCell);

    document_.setUntitled();
    setWindowTitle(state_.text(lang::MainWindowCaption));
    resize(state_.screenWidth, state_.screenHeight);
    move(0, 0);
    observeDocument();

    const bool recovered = projects_->takeOverWorkingCopy();
    document_.openPageTable();
    if (state_.commandLine.isEmpty() && document_.page() == 0 && state_.projectOpen) {
        document_.switchToPage(PageBook::numberOfEntry(comboPage_->currentText()));
    }
    updateRecentItems();
    // Recovered work is the open, modified project: the named one opens after the usual
    // question about saving it.
    if (!state_.commandLine.isEmpty() && (!recovered || projects_->saveChangesPrompt())) {
        openProject(state_.drives.outsideToHost(state_.commandLine.join(QLatin1Char(' '))));
    }
    updateStatus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildToolbar(QWidget* panel) {
    // Made from left to right, the focus order of the toolbar.
    std::vector<const CommandEntry*> placed;
    for (const CommandEntry& entry : commandEntries()) {
        if (entry.button.name) {
            placed.push_back(&entry);
        }
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto* a, const auto* b) { return a->button.left < b->button.left; });
    for (const CommandEntry* entry : placed) {
        const CommandButton& look = entry->button;
        auto* button = new QToolButton(panel);
        const QString name = QString::fromLatin1(look.name);
        button->setObjectName(name);
        button->setGeometry(look.left, look.top, 31, 31);
        button->setIcon(loadGlyph(
            state_.paths.asset(QStringLiteral("boutons/%1.jpg").arg(QLatin1String(look.picture)))));
        button->setIconSize(QSize(27, 27));
        button->setAutoRaise(true);
        const Command command = entry->command;
        commandSlot(command).hint = withoutMnemonics(state_.text(look.hintLine));
        connect(button, &QToolButton::clicked, this, [this, command] { runCommand(command); });
        commandSlot(command).buttons.append(button);
        buttons_.insert(name, button);
    }
    buttons_.value(QStringLiteral("BJouer2"))->hide();

    // The cell dispatch has a button of its own that the window never shows: the other
    // commands and the picture list click it.
    auto* visuel = new QToolButton(panel);
    visuel->setObjectName(QStringLiteral("BVisuel"));
    visuel->setText(state_.text(lang::EditCellButton));
    visuel->hide();
    connect(visuel, &QToolButton::clicked, this, [this] { runCommand(Command::EditCell); });
    commandSlot(Command::EditCell).buttons.append(visuel);
    buttons_.insert(QStringLiteral("BVisuel"), visuel);

    auto* label = new QLabel(state_.text(lang::PageLabel), panel);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(299, 53);
    label->setStyleSheet(QStringLiteral("color: rgb(28,109,107); font-weight: bold;"));
    label->adjustSize();
    comboPage_ = new QComboBox(panel);
    comboPage_->setObjectName(QStringLiteral("ComboPage"));
    comboPage_->setGeometry(342, 50, 160, 22);
    comboPage_->setStyleSheet(QStringLiteral("QComboBox { color: rgb(28,109,107); }"));
    connect(comboPage_, &QComboBox::activated, this, &MainWindow::openChosenPage);
}

void MainWindow::buildMenus() {
    auto addItems = [this](QMenu* menu, std::span<const std::optional<Command>> commands) {
        for (const std::optional<Command>& command : commands) {
            if (!command) {
                menu->addSeparator();
                continue;
            }
            const CommandItem& look = entryOf(*command).item;
            auto* item = menu->addAction(state_.text(look.captionLine));
            const QString name = QString::fromLatin1(look.name);
            item->setObjectName(name);
            item->setShortcuts(shortcutsOf(look));
            connect(item, &QAction::triggered, this, [this, command] { runCommand(*command); });
            commandSlot(*command).items.append(item);
            items_.insert(name, item);
        }
    };
    for (const MenuEntry& entry : menus()) {
        QMenu* menu = menuBar()->addMenu(state_.text(entry.captionLine));
        menu->setToolTipsVisible(true);
        menu->setObjectName(QString::fromLatin1(entry.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(entry.name));
        items_.insert(QString::fromLatin1(entry.name), menu->menuAction());
        addItems(menu, entry.items);
        if (QLatin1String(entry.name) == QLatin1String("Edition1")) {
            editMenu_ = menu;
        }
    }
    popup_ = new QMenu(this);
    popup_->setToolTipsVisible(true);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    addItems(popup_, popupItems());
    // The two views are a choice of one.
    for (const char* name : {"Grille1", "Storyboard1"}) {
        items_.value(QLatin1String(name))->setCheckable(true);
    }
    items_.value(QStringLiteral("Grille1"))->setChecked(true);
    items_.value(QStringLiteral("Excuter2"))->setVisible(false);
    for (std::size_t n = 0; n < kCommandCount; ++n) {
        refreshCommand(Command(n));
    }
}

void MainWindow::buildStatusBar() {
    statusProject_ = new QLabel(this);
    statusPage_ = new QLabel(this);
    statusCell_ = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(statusProject_, 2);
    statusBar()->addWidget(statusPage_, 1);
    statusBar()->addWidget(statusCell_, 1);
}

void MainWindow::observeDocument() {
    connect(&document_, &ProjectDocument::projectNameChanged, this, [this] {
        updateCaption();
        updateStatus();
    });
    connect(&document_, &ProjectDocument::pagesChanged, this, &MainWindow::fillPageList);
    connect(&document_, &ProjectDocument::currentPageChanged, this, [this](int page) {
        selectListedPage(page);
        updateStatus();
    });
    connect(&document_, &ProjectDocument::cellsChanged, this, &MainWindow::repaintGrid);
    connect(&document_, &ProjectDocument::currentCellChanged, this, &MainWindow::updateStatus);
    connect(&document_, &ProjectDocument::undoAvailableChanged, this,
            &MainWindow::applyCommandRules);
    connect(&document_, &ProjectDocument::clipboardChanged, this, &MainWindow::applyCommandRules);
    connect(&document_, &ProjectDocument::recentProjectsChanged, this,
            &MainWindow::updateRecentItems);
    connect(&document_, &ProjectDocument::problem, this, &MainWindow::message);
}

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void MainWindow::message(int line) {
    showLine(prompter_, state_.language, line);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (state_.introShown) {
            items_.value(QStringLiteral("Tutorial1"))->setVisible(false);
        }
        registerAssociations();
        setCommandEnabled(Command::BuildApplication, true);
    }
    QMainWindow::changeEvent(event);
}

// Once per run, at the first activation: later activations would only read the same files
// again (and the cache tools run while events are served, so an activation may come meanwhile).
void MainWindow::registerAssociations() {
    if (associationsRegistered_) {
        return;
    }
    associationsRegistered_ = true;
    registerFileAssociations(state_.paths.appDir());
}

void MainWindow::updateStatus() {
    applyCommandRules();
    statusProject_->setText(state_.projectName);
    const int page = document_.page();
    statusPage_->setText(page > 0 ? state_.text(lang::PageLabel) + QLatin1Char(' ') +
                                        QString::number(page)
                                  : QString());
    const int row = document_.storyboard().currentRow();
    const int column = document_.storyboard().currentColumn();
    statusCell_->setText(page > 0 && row > 0 && column > 0
                             ? state_.text(lang::RowNameFirst + row - 1) + QStringLiteral(" / ") +
                                   QString::number(column)
                             : QString());
}

PreviewLauncher& MainWindow::preview() {
    return launches_->preview();
}

void MainWindow::quit() {
    quitAsked_ = true;
    close();
    quitAsked_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_ || !(quitAsked_ || confirmQuit()) || !settleUnsavedWork()) {
        event->ignore();
        return;
    }
    closing_ = true;
    closeDown();
    event->accept();
}

bool MainWindow::confirmQuit() {
    return prompter_.ask(state_.text(lang::QuitQuestion), {}, Prompter::Buttons::YesNoCancel) ==
           Prompter::Yes;
}

bool MainWindow::settleUnsavedWork() {
    if (!state_.modified || document_.page() == 0) {
        return true;
    }
    switch (prompter_.ask(state_.text(lang::SaveBeforeQuit), {}, Prompter::Buttons::YesNoCancel)) {
        case Prompter::Yes:
            // Without a save command nothing could be saved: the window stays open.
            return closeSaver_ && closeSaver_();
        case Prompter::No:
            return true;
        default:
            return false;
    }
}

void MainWindow::closeDown() {
    if (!state_.isUntitled()) {
        state_.settings.setLine(LastProjectLine, state_.projectName);
    }
    document_.saveEditorSettings();
    document_.storyboard().closePage();
    state_.transitionPictures.fill(QImage());
    workingcopy::empty(state_.paths.workingDir());
    QFile::remove(state_.paths.workingCopyOwner());
    QFile::remove(state_.paths.data(QStringLiteral("copy.cop")));
    preview().closeRunningPreview();
}

}  // namespace ztv::editor
