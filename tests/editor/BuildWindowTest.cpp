// The build wizard and the build window driven by mouse clicks: the options, the output folder,
// a build that plays, its progress and closing message, and cancel.
#include "common/formats/LangLines.h"
#include "common/platform/DesktopShell.h"
#include "editor/builder/BuildWindow.h"
#include "editor/builder/BuildWizard.h"
#include "editor/document/SessionSettings.h"
#include "tests/editor/BuildFixture.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <functional>

namespace ztv::test {
namespace {

using namespace editor;

class RecordingShell : public DesktopShell {
  public:
    bool open(const QString& hostPath, const QStringList&, const QString&) override {
        opened.append(hostPath);
        return true;
    }
    bool openAddress(const QString& address) override {
        addresses.append(address);
        return true;
    }
    QStringList opened;
    QStringList addresses;
};

class BuildWindow : public BuildFixture {
  protected:
    BuildWindow() {
        state_.language = french_;
        state_.paths = AppPaths(QStringLiteral(ZTV_APPDIR), host("data"));
        state_.drives = drives_;
        state_.mediaDrive = QStringLiteral("C:");
        state_.projectName = project();
        state_.projectDir = host("proj");
    }

    template <class T>
    T* child(QWidget& parent, const char* name) {
        T* w = parent.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void click(QWidget& parent, const char* name) {
        QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
    }

    // The wizard with the given clicks, confirmed.
    BuildWizard* confirmedWizard(const QList<const char*>& clicks) {
        wizard_ = std::make_unique<BuildWizard>(state_, prompter_);
        wizard_->show();
        for (const char* name : clicks) {
            click(*wizard_, name);
        }
        click(*wizard_, "BitBtn1");
        EXPECT_EQ(wizard_->result(), Prompter::Yes);
        return wizard_.get();
    }

    std::unique_ptr<editor::BuildWindow> buildWindow(const BuildWizard& wizard) {
        auto window = std::make_unique<editor::BuildWindow>(
            state_, prompter_, shell_,
            builder::BuildRequest{project(), QStringLiteral(ZTV_APPDIR), wizard.outputFolder(),
                                  wizard.options()});
        window->show();
        return window;
    }

    SessionSettings state_;
    RecordingShell shell_;
    std::unique_ptr<BuildWizard> wizard_;
};

TEST_F(BuildWindow, TheSingleFileChoiceForcesGlobalCompressionWithoutPlayer) {
    BuildWizard wizard(state_, prompter_);
    wizard.show();
    EXPECT_TRUE(child<QRadioButton>(wizard, "RadioButton3")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(wizard, "RadioButton5")->isChecked());
    click(wizard, "CheckPlayComp");
    click(wizard, "RadioPage");
    click(wizard, "RadioZTVX");
    EXPECT_TRUE(child<QRadioButton>(wizard, "RadioGlobal")->isChecked());
    for (const char* name : {"CheckPlayComp", "RadioButton5", "RadioPage"}) {
        EXPECT_FALSE(child<QWidget>(wizard, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QCheckBox>(wizard, "CheckPlayComp")->isChecked());
    click(wizard, "RadioButton4");
    for (const char* name : {"CheckPlayComp", "RadioButton5", "RadioPage"}) {
        EXPECT_TRUE(child<QWidget>(wizard, name)->isEnabled()) << name;
    }
}

// The page must be installed: a missing one would be told instead of opened.
TEST_F(BuildWindow, HelpOpensTheBuildPagesInTheEditorsLanguage) {
    auto browser = std::make_shared<RecordingShell>();
    state_.shell = browser;
    const auto helpOf = [&](const QString& language) {
        state_.languageName = language;
        BuildWizard wizard(state_, prompter_);
        editor::BuildWindow window(state_, prompter_, shell_,
                                   {project(), QStringLiteral(ZTV_APPDIR), {}, {}});
        wizard.show();
        window.show();
        EXPECT_TRUE(child<QWidget>(wizard, "BitBtn4")->isEnabled());
        EXPECT_TRUE(child<QWidget>(window, "BitBtn3")->isEnabled());
        click(wizard, "BitBtn4");
        click(window, "BitBtn3");
        QStringList pages;
        for (const QString& address : browser->addresses) {
            const QString file = QUrl(address).toLocalFile();
            EXPECT_TRUE(QFileInfo(file).isFile()) << file.toStdString();
            pages.append(file.section(u'/', -3));
        }
        browser->addresses.clear();
        return pages;
    };
    EXPECT_EQ(helpOf(QStringLiteral("FRENCH")), (QStringList{"aide/zentrovale/application.html",
                                                             "aide/zentrovale/application.html"}));
    EXPECT_EQ(helpOf(QStringLiteral("ENGLISH")),
              (QStringList{"help/zentrovale/export.html", "help/zentrovale/presentation.html"}));
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
}

TEST_F(BuildWindow, ACdRomBuildPageByPagePlaysAndSaysWhereItIs) {
    const BuildWizard* wizard = confirmedWizard({"RadioButton4", "RadioPage", "CheckAutorun"});
    const QString out = host("proj/Application1");
    EXPECT_EQ(wizard->outputFolder(), out);
    EXPECT_EQ(entriesOf(out), (QStringList{"sounds/", "videos/"}));

    auto window = buildWindow(*wizard);
    EXPECT_EQ(window->statusLabel().text(), french_.text(lang::BuildPressStart));
    const QLabel* folder = child<QLabel>(*window, "Label2");
    EXPECT_TRUE(folder->text().startsWith(french_.text(lang::BuildOutputFolder)));
    EXPECT_EQ(folder->toolTip(), out);
    prompter_.answer(Prompter::No);  // do not start the application
    click(*window, "BitBtn2");
    EXPECT_EQ(window->result(), Prompter::Yes);
    EXPECT_EQ(window->statusLabel().text(), french_.text(lang::BuildAssembling));
    EXPECT_EQ(window->progressBar().value(), window->progressBar().maximum());
    const QStringList texts = prompter_.texts();
    ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
    EXPECT_EQ(texts[0], french_.text(lang::StartApplicationQuestion));
    EXPECT_EQ(texts[1], french_.text(23) + " demo" + french_.text(24) + ' ' + out + ". " +
                            french_.text(480) + " videos " + french_.text(481) + " sounds.");
    EXPECT_TRUE(prompter_.asked()[1].information) << "a success shows no warning";
    EXPECT_TRUE(shell_.opened.isEmpty());
    EXPECT_EQ(entriesOf(out),
              (QStringList{"autorun", "autorun.inf", "demo", "sounds/", "videos/"}));

    prompter_ = ScriptedPrompter();
    EXPECT_EQ(playFirstPage(out + "/demo"), referencePage());
}

TEST_F(BuildWindow, CancelStopsTheBuildBeforeAnythingIsAssembled) {
    auto window = buildWindow(*confirmedWizard({}));
    window->onPageGathered = [&](int) { click(*window, "BitBtn1"); };
    click(*window, "BitBtn2");
    EXPECT_EQ(window->result(), Prompter::Cancel);
    EXPECT_EQ(prompter_.texts(), QStringList{french_.text(lang::BuildCancelled)});
    EXPECT_FALSE(QFileInfo::exists(host("proj/Application1/demo")));
}

TEST_F(BuildWindow, EscOrClosingTheWindowStopsARunningBuild) {
    const std::function<void(editor::BuildWindow&)> stops[] = {
        [](editor::BuildWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](editor::BuildWindow& w) { w.close(); },
    };
    for (const auto& stop : stops) {
        prompter_ = ScriptedPrompter();
        auto window = buildWindow(*confirmedWizard({}));
        window->onPageGathered = [&](int) {
            stop(*window);
            EXPECT_TRUE(window->isVisible()) << "the build has not stopped yet";
        };
        click(*window, "BitBtn2");
        EXPECT_EQ(window->result(), Prompter::Cancel);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(prompter_.texts(), QStringList{french_.text(lang::BuildCancelled)});
    }
}

TEST_F(BuildWindow, YesStartsTheBuiltSingleFileProject) {
    auto window = buildWindow(*confirmedWizard({"RadioZTVX"}));
    prompter_.answer(Prompter::Yes);
    click(*window, "BitBtn2");
    EXPECT_EQ(shell_.opened, QStringList{host("proj/Application1/demo.ztvx")});
    EXPECT_TRUE(prompter_.texts().last().contains(french_.text(lang::BuiltAsZtvx)));
}

}  // namespace
}  // namespace ztv::test
