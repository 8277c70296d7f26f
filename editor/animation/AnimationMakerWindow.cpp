#include "editor/animation/AnimationMakerWindow.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/animation/AnimationOutput.h"
#include "editor/animation/GifOptionsDialog.h"
#include "editor/animation/WindowsFilter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/BusyCursor.h"
#include "editor/widgets/DialogButton.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QStyle>
#include <algorithm>

namespace ztv::editor {

namespace {

constexpr QSize kPreviewBox(200, 150);

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* shown = new QLabel(text, parent);
    shown->setGeometry(geometry);
    shown->setWordWrap(true);
    return shown;
}

}  // namespace

AnimationMakerWindow::AnimationMakerWindow(const SessionSettings& state, Prompter& prompter,
                                           bool closeOnSave, QWidget* parent)
    : TiledDialog(parent), state_(state), prompter_(prompter), closeOnSave_(closeOnSave) {
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(state.text(lang::AnimationMakerCaption));
    setFixedSize(680, 400);
    QGroupBox* group = panelGroup(QString(), QRect(10, 8, 660, 340), this);
    label(group, state.text(lang::AnimationInstruction), QRect(12, 16, 636, 22));
    label(group, state.text(lang::AnimationSameSize), QRect(12, 38, 636, 22));
    list_ = new QListWidget(group);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(12, 66, 300, 262);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            previewFrame_ = row;
            showPreview();
        }
    });

    const auto button = [this, group](const char* name, const QString& text, int top) {
        return dialogButton(group, name, text, QRect(322, top, 100, 30));
    };
    connect(button("BitBtn1", state.text(lang::ButtonNew), 66), &QPushButton::clicked, this,
            &AnimationMakerWindow::addPictures);
    connect(button("BitBtn2", state.text(lang::ButtonDelete), 104), &QPushButton::clicked, this,
            &AnimationMakerWindow::removeSelected);
    QPushButton* up = button("BUp", QString(), 152);
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    QPushButton* down = button("BDown", QString(), 190);
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(1); });

    preview_ = new QLabel(group);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setGeometry(446, 66, kPreviewBox.width(), kPreviewBox.height());
    preview_->setFrameShape(QFrame::Box);
    preview_->setAlignment(Qt::AlignCenter);
    label(group, state.text(lang::GifDelayLabel), QRect(446, 228, 110, 24));
    pace_ = new QSpinBox(group);
    pace_->setObjectName(QStringLiteral("Pace"));
    pace_->setRange(20, 10000);
    pace_->setSingleStep(20);
    pace_->setValue(GifWriteOptions{}.delayMs);
    pace_->setGeometry(560, 228, 86, 24);
    timer_.setInterval(pace_->value());
    connect(pace_, &QSpinBox::valueChanged, &timer_, qOverload<int>(&QTimer::setInterval));
    connect(&timer_, &QTimer::timeout, this, &AnimationMakerWindow::stepPreview);

    QPushButton* ok =
        dialogButton(this, "OKBtn", state.text(lang::AnimationCreate), QRect(10, 358, 130, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AnimationMakerWindow::create);
    connect(
        dialogButton(this, "CancelBtn", state.text(lang::ButtonCancel), QRect(150, 358, 100, 30)),
        &QPushButton::clicked, this, &QDialog::reject);
    list_->setFocus();
}

void AnimationMakerWindow::addPictures() {
    const QStringList chosen = prompter_.openFileNames(
        QString(), QString(), qtFileFilter(state_.text(lang::AnimationOpenFilter)));
    if (!chosen.isEmpty()) {
        addFiles(chosen);
    }
}

void AnimationMakerWindow::addFiles(const QStringList& hostPaths) {
    QList<AnimationFrames::Refusal> refused;
    {
        BusyCursor busy;
        refused = frames_.add(hostPaths);
    }
    for (const AnimationFrames::Refusal& refusal : refused) {
        prompter_.message(refusalMessage(state_.language, refusal, frames_.frameSize()));
    }
    refreshList(frames_.count() - 1);
}

void AnimationMakerWindow::removeSelected() {
    const int row = list_->currentRow();
    if (row < 0) {
        return;
    }
    frames_.remove(row);
    refreshList(std::min(row, frames_.count() - 1));
}

void AnimationMakerWindow::moveSelected(int by) {
    const int row = list_->currentRow();
    if (frames_.move(row, row + by)) {
        refreshList(row + by);
    }
}

void AnimationMakerWindow::refreshList(int selected) {
    list_->clear();
    for (int i = 0; i < frames_.count(); ++i) {
        list_->addItem(frames_.label(i));
    }
    list_->setCurrentRow(selected);
    previewFrame_ = std::max(selected, 0);
    showPreview();
    if (frames_.count() > 1) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void AnimationMakerWindow::showPreview() {
    if (previewFrame_ >= frames_.count()) {
        preview_->clear();
        return;
    }
    const QImage& image = frames_.frame(previewFrame_).image;
    const QImage shown =
        image.width() > kPreviewBox.width() || image.height() > kPreviewBox.height()
            ? image.scaled(kPreviewBox, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image;
    preview_->setPixmap(QPixmap::fromImage(shown));
}

void AnimationMakerWindow::stepPreview() {
    if (frames_.count() > 0) {
        previewFrame_ = (previewFrame_ + 1) % frames_.count();
        showPreview();
    }
}

QString AnimationMakerWindow::chooseOutput() {
    const QString chosen =
        prompter_.saveFileName(state_.text(lang::AnimationMakerCaption), QString(),
                               qtFileFilter(state_.text(lang::AnimationSaveFilter)));
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path = withDefaultExtension(chosen);
    if (animationFormatOf(path) == AnimationFormat::Unknown) {
        prompter_.message(state_.text(lang::AnimationUnknownExtension) + u' ' +
                          QDir::toNativeSeparators(path));
        return {};
    }
    if (animationFormatOf(path) != AnimationFormat::Gif) {
        if (const auto tooWide =
                stripTooWide(state_.language, frames_.count(), frames_.frameSize())) {
            prompter_.message(*tooWide);
            return {};
        }
    }
    if (QFileInfo::exists(path) && prompter_.ask(state_.text(lang::ReplaceFileQuestion), QString(),
                                                 Prompter::Buttons::YesNoCancel) != Prompter::Yes) {
        return {};
    }
    return path;
}

void AnimationMakerWindow::create() {
    if (frames_.isEmpty()) {
        prompter_.message(state_.language.message(lang::AnimationListEmpty));
        return;
    }
    const QString path = chooseOutput();
    if (path.isEmpty()) {
        return;
    }
    const AnimationFormat format = animationFormatOf(path);
    GifWriteOptions gif;
    if (format == AnimationFormat::Gif) {
        GifOptionsDialog options(state_, this);
        if (runModal(state_, options) != Prompter::Yes) {
            return;
        }
        gif = options.options();
    }
    AnimationSaveResult result;
    {
        BusyCursor busy;
        result = saveAnimation(path, format, frames_.images(), gif);
    }
    const QString shown = QDir::toNativeSeparators(path);
    if (!result.saved) {
        const QString code = result.gifError != 0
                                 ? QStringLiteral("\nSave Failed. Error %1").arg(result.gifError)
                                 : QString();
        prompter_.message(state_.text(lang::FileNotWritten) + u' ' + shown + code);
        return;
    }
    savedPath_ = path;
    if (closeOnSave_) {
        done(Prompter::Yes);
    } else {
        prompter_.inform(state_.text(lang::AnimationSaved) + u' ' + shown);
    }
}

}  // namespace ztv::editor
