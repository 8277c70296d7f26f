#include "editor/builder/BuildWindow.h"

#include "common/formats/LangLines.h"
#include "common/platform/DesktopShell.h"
#include "common/platform/Prompter.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/TiledDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace ztv::editor {

using namespace builder;

BuildWindow::BuildWindow(SessionSettings& state, Prompter& prompter, DesktopShell& shell,
                         BuildRequest request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      state_(state),
      prompter_(prompter),
      shell_(shell),
      request_(std::move(request)) {
    setObjectName(QStringLiteral("FCopyLog"));
    setWindowTitle(state.text(lang::BuildWindowCaption));
    setFixedSize(460, 170);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 460, 170);
    fillWithPanelColour(panel);

    label_ = new QLabel(panel);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(16, 14, 428, 40);
    label_->setWordWrap(true);
    bar_ = new QProgressBar(panel);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setGeometry(16, 62, 428, 22);
    bar_->setValue(0);
    auto* folder = new QLabel(panel);
    folder->setObjectName(QStringLiteral("Label2"));
    folder->setGeometry(16, 90, 428, 22);
    const QString output = QDir::toNativeSeparators(request_.outputHost);
    folder->setText(folder->fontMetrics().elidedText(
        state.text(lang::BuildOutputFolder) + u' ' + output, Qt::ElideMiddle, folder->width()));
    folder->setToolTip(output);

    start_ = dialogButton(panel, "BitBtn2", state.text(lang::BuildStart), QRect(16, 120, 130, 30));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &BuildWindow::start);
    cancelButton_ =
        dialogButton(panel, "BitBtn1", state.text(lang::ButtonCancel), QRect(16, 120, 130, 30));
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &BuildWindow::requestCancel);
    attachHelp(
        this,
        dialogButton(panel, "BitBtn3", state.text(lang::ButtonHelp), QRect(314, 120, 130, 30)),
        state, prompter, buildWindowHelp());
}

void BuildWindow::showEvent(QShowEvent* event) {
    label_->setText(state_.text(lang::BuildPressStart));
    cancel_ = false;
    QDialog::showEvent(event);
}

void BuildWindow::requestCancel() {
    cancel_ = true;
}

// A build stops at its next look at the cancel request; the window closes when it has.
void BuildWindow::reject() {
    if (running_) {
        requestCancel();
        return;
    }
    QDialog::reject();
}

BuildHooks BuildWindow::hooks() {
    BuildHooks h;
    h.status = [this](const QString& text) {
        label_->setText(text);
        QCoreApplication::processEvents();
    };
    h.progress = [this](int value, int maximum) {
        bar_->setRange(0, maximum);
        bar_->setValue(value);
    };
    h.pageGathered = [this](int page) {
        if (onPageGathered)
            onPageGathered(page);
    };
    h.cancelRequested = [this] {
        QCoreApplication::processEvents();
        return cancel_;
    };
    h.findMedia = [this](const QString& stored) { return findMediaHost(state_, stored); };
    return h;
}

void BuildWindow::start() {
    start_->hide();
    cancelButton_->show();
    cancelButton_->setFocus();
    ApplicationBuild build(request_, state_.language, state_.drives, prompter_, hooks());
    running_ = true;
    const BuildOutcome outcome = build.run();
    running_ = false;
    cancelButton_->hide();
    if (outcome != BuildOutcome::Built) {
        done(Prompter::Cancel);
        return;
    }
    finish(build);
}

// Offers to start the application, then tells where it is.
void BuildWindow::finish(ApplicationBuild& build) {
    const int answer =
        prompter_.ask(state_.text(lang::StartApplicationQuestion),
                      state_.text(lang::MessageBoxCaption), Prompter::Buttons::YesNoCancel);
    prompter_.inform(build.closingMessage(), state_.text(lang::MessageBoxCaption));
    if (answer == Prompter::Yes) {
        const QString application = build.applicationHost();
        shell_.open(application, {}, QFileInfo(application).absolutePath());
    }
    done(Prompter::Yes);
}

}  // namespace ztv::editor
