#include "Shots.h"

#include "common/formats/ElementRecord.h"
#include "common/platform/Prompter.h"
#include "editor/animation/AnimationMakerWindow.h"
#include "editor/app/EditorStartup.h"
#include "editor/builder/BuildWindow.h"
#include "editor/builder/BuildWizard.h"
#include "editor/dialogs/ImageDialog.h"
#include "editor/dialogs/LongTextDialog.h"
#include "editor/dialogs/TextDialog.h"
#include "editor/position/PositionEditor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

namespace ztv::shots {
namespace {

// Lets the windows lay out, paint and play for a while.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// No window may wait for an answer while shots are taken: every question is answered with
// Cancel and kept, so that a shot that raised one can say so.
class QuietPrompter : public ChooserlessPrompter {
  public:
    int ask(const QString& text, const QString&, Buttons) override {
        asked << text;
        return Cancel;
    }

    QStringList asked;
};

// Answers every file chooser with one file.
class OneFilePrompter : public QuietPrompter {
  public:
    explicit OneFilePrompter(QString hostPath) : path_(std::move(hostPath)) {}
    QString openFileName(const QString&, const QString&, const QString&) override { return path_; }

  private:
    QString path_;
};

// The X window of the program whose title matches, through xdotool; 0 when none shows in time.
WId findWindow(const QString& titlePattern, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), titlePattern});
        search.waitForFinished(5000);
        const QString ids = QString::fromLocal8Bit(search.readAllStandardOutput()).trimmed();
        if (!ids.isEmpty()) {
            return WId(ids.section(u'\n', 0, 0).toULongLong());
        }
        settle(100);
    }
    return 0;
}

bool onX(QString& error, const char* shot) {
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        return true;
    }
    error = QStringLiteral("%1 needs an X display (run under xvfb-run)").arg(QLatin1String(shot));
    return false;
}

// The screen where the window and the windows it keeps in front of itself show.
QImage screenArea(const QWidget& window) {
    const QRect area = window.frameGeometry();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage();
}

}  // namespace

struct ShotContext::Editor {
    QuietPrompter prompter;
    std::unique_ptr<editor::EditorSession> session;
};

namespace {

QImage editorWindow(ShotContext& context, QString& error) {
    ShotContext::Editor* editor = context.editor(error);
    return editor ? editor->session->window->grab().toImage() : QImage();
}

// An element dialog on a cell of the demo's first page that holds an element.
template <class Dialog>
QImage cellDialog(ShotContext& context, QString& error, int column, int row) {
    ShotContext::Editor* editor = context.editor(error);
    if (!editor) {
        return {};
    }
    editor::MainWindow& window = *editor->session->window;
    window.storyboard().setCurrentCell(column, row);
    if (window.storyboard().cellText(column, row).isEmpty()) {
        error = QStringLiteral("the demo's page 1 has nothing at column %1, row %2")
                    .arg(column)
                    .arg(row);
        return {};
    }
    Dialog dialog(window.state(), editor->prompter, window.storyboard(), true, &window);
    dialog.show();
    settle(800);
    const QImage shot = dialog.grab().toImage();
    dialog.reject();
    return shot;
}

// The image dialog on the demo's first picture (page 1, column 1, row 4).
QImage imageDialog(ShotContext& context, QString& error) {
    return cellDialog<editor::ImageDialog>(context, error, 1, 4);
}

// The text dialog on the demo's title (page 1, column 1, row 30).
QImage textDialog(ShotContext& context, QString& error) {
    return cellDialog<editor::TextDialog>(context, error, 1, 30);
}

// The long-text dialog placing a rich text of its own on the demo's first page (column 20, row
// 61): its fonts, sizes, colours and accents as the page will show them.
QImage longTextDialog(ShotContext& context, QString& error) {
    ShotContext::Editor* editor = context.editor(error);
    if (!editor) {
        return {};
    }
    QTemporaryDir folder;
    const QString rtf = folder.filePath(QStringLiteral("bienvenue.rtf"));
    QFile file(rtf);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(
            R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
            R"({\colortbl;\red28\green109\blue107;\red192\green32\blue32;})"
            R"(\f0\qc\cf1\b\fs36 Bienvenue \'e0 bord\b0\par)"
            R"(\ql\cf0\f1\fs24 Ce texte long d\'e9file dans sa bo\'eete : il garde )"
            R"({\i ses polices}, {\b ses tailles} et {\cf2 ses couleurs}.\par)"
            R"(\par Les pages \'e9crites ailleurs se posent ainsi sur la page, )"
            R"(avec ou sans bordure, sur la couleur de fond choisie.\par})") < 0) {
        error = QStringLiteral("the sample text could not be written");
        return {};
    }
    file.close();
    editor::MainWindow& window = *editor->session->window;
    window.storyboard().setCurrentCell(20, 61);
    OneFilePrompter prompter(rtf);
    editor::LongTextDialog dialog(window.state(), prompter, window.storyboard(), false, &window);
    dialog.show();
    dialog.chooseFile();
    settle(800);
    if (!prompter.asked.isEmpty()) {
        error = QStringLiteral("the long-text dialog said: ") + prompter.asked.join(u'/');
        return {};
    }
    const QImage shot = dialog.grab().toImage();
    dialog.reject();
    return shot;
}

// The animation maker with four frames of a ball bouncing over grass.
QImage animationMaker(ShotContext& context, QString& error) {
    ShotContext::Editor* editor = context.editor(error);
    if (!editor) {
        return {};
    }
    QTemporaryDir dir;
    QStringList frames;
    for (int i = 0; i < 4; ++i) {
        QImage frame(120, 90, QImage::Format_RGB32);
        QPainter painter(&frame);
        QLinearGradient sky(0, 0, 0, 90);
        sky.setColorAt(0, QColor(159, 211, 245));
        sky.setColorAt(1, QColor(243, 248, 224));
        painter.fillRect(frame.rect(), sky);
        painter.fillRect(0, 78, 120, 12, QColor(60, 141, 60));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(122, 50, 16), 2));
        painter.setBrush(QColor(232, 112, 42));
        painter.drawEllipse(QPoint(25 + 23 * i, 60 - 22 * (i % 2)), 14, 14);
        painter.end();
        frames << dir.filePath(QStringLiteral("frame%1.png").arg(i + 1));
        frame.save(frames.last());
    }
    editor::MainWindow& window = *editor->session->window;
    editor::AnimationMakerWindow maker(window.state(), editor->prompter, false, &window);
    maker.addFiles(frames);
    maker.show();
    settle(800);
    const QImage shot = maker.grab().toImage();
    maker.reject();
    return shot;
}

// The position editor on the sun of the demo's first page (column 1, row 4), with its handles
// and its "Positions" palette beside it. Nothing is moved, so closing asks nothing.
QImage positionEditor(ShotContext& context, QString& error) {
    ShotContext::Editor* editor = context.editor(error);
    if (!editor || !onX(error, "the position editor's shot")) {
        return {};
    }
    editor::MainWindow& window = *editor->session->window;
    const auto records = readPageFile(window.storyboard().jouPath());
    int index = -1;
    for (qsizetype i = 1; records && i < records->size(); ++i) {
        if ((*records)[i].Ligne == 4 && (*records)[i].Colonne == 1) {
            index = int(i);
        }
    }
    if (index < 0) {
        error = QStringLiteral("the demo's page 1 has no picture at column 1, row 4");
        return {};
    }
    editor::PositionEditor positions(window.state(), editor->prompter, window.storyboard(), index,
                                     false, &window);
    positions.show();
    settle(1500);
    const QImage shot = positions.positionsPalette() ? screenArea(positions) : QImage();
    if (shot.isNull()) {
        error = QStringLiteral("the position editor showed no palette");
    }
    positions.reject();
    return shot;
}

// The build window half-way through building the demo, uncompressed, beside the project.
QImage buildWindow(ShotContext& context, QString& error) {
    ShotContext::Editor* editor = context.editor(error);
    if (!editor) {
        return {};
    }
    editor::MainWindow& window = *editor->session->window;
    editor::SessionSettings& state = window.state();
    editor::BuildWizard wizard(state, editor->prompter, &window);
    wizard.confirm();
    if (wizard.result() != Prompter::Yes) {
        error = QStringLiteral("the build wizard made no output folder");
        return {};
    }
    editor::BuildWindow build(
        state, editor->prompter, *state.shell,
        {state.projectName, context.appDir(), wizard.outputFolder(), wizard.options()}, &window);
    QImage shot;
    build.onPageGathered = [&](int page) {
        if (page == 3) {
            settle(300);
            shot = build.grab().toImage();
        }
    };
    build.show();
    settle(500);
    build.start();  // its closing question is answered with Cancel: nothing starts
    if (shot.isNull()) {
        error = QStringLiteral("the build stopped before its third page: ") +
                editor->prompter.asked.join(QStringLiteral(" / "));
    }
    return shot;
}

// The real player on the demo, on the X display the shots run on, when page 1 has shown its
// pictures.
QImage playerPage1(ShotContext& context, QString& error) {
    if (!onX(error, "the player's shot")) {
        return {};
    }
    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QDir(context.appDir()).filePath(QStringLiteral("ztvplay")),
                 {context.demoProject(QStringLiteral(".ZTV"))});
    const WId id = findWindow(QStringLiteral("^demo\\.ZTV$"), 30000);
    QImage shot;
    if (id == 0) {
        error = QStringLiteral("no window titled demo.ZTV");
    } else {
        settle(6500);
        shot = QGuiApplication::primaryScreen()->grabWindow(id).toImage();
    }
    player.terminate();  // the player's normal close sequence
    if (!player.waitForFinished(15000)) {
        player.kill();
        player.waitForFinished(5000);
    }
    return shot;
}

}  // namespace

ShotContext::ShotContext(QString appDir, QString demoDir, QString dataDir)
    : appDir_(std::move(appDir)), demoDir_(std::move(demoDir)), dataDir_(std::move(dataDir)) {}

ShotContext::~ShotContext() = default;

QString ShotContext::demoProject(const QString& extension) const {
    return QDir(demoDir_).filePath(QStringLiteral("demo") + extension);
}

ShotContext::Editor* ShotContext::editor(QString& error) {
    if (editor_) {
        return editor_.get();
    }
    auto editor = std::make_unique<Editor>();
    editor::StartOptions options{AppPaths(appDir_, dataDir_),
                                 {demoProject(QStringLiteral(".PZV"))},
                                 0,
                                 {},
                                 &editor->prompter,
                                 {},
                                 {},
                                 {},
                                 {}};
    editor->session = editor::startEditor(options);
    if (!editor->session) {
        error = QStringLiteral("the authoring program did not start");
        return nullptr;
    }
    editor->session->window->resize(1240, 800);  // the twenty columns in full
    editor->session->window->show();
    settle(1500);
    if (!editor->prompter.asked.isEmpty()) {
        error = QStringLiteral("the authoring program asked: ") +
                editor->prompter.asked.join(QStringLiteral(" / "));
        return nullptr;
    }
    editor_ = std::move(editor);
    return editor_.get();
}

const QList<Shot>& allShots() {
    static const QList<Shot> shots{
        {QStringLiteral("editor"), editorWindow},
        {QStringLiteral("image-dialog"), imageDialog},
        {QStringLiteral("text-dialog"), textDialog},
        {QStringLiteral("longtext-dialog"), longTextDialog},
        {QStringLiteral("position-editor"), positionEditor},
        {QStringLiteral("animation-maker"), animationMaker},
        {QStringLiteral("build-window"), buildWindow},
        {QStringLiteral("player"), playerPage1},
    };
    return shots;
}

}  // namespace ztv::shots
