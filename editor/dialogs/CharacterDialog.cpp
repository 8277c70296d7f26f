#include "editor/dialogs/CharacterDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/DialogControls.h"
#include "editor/dialogs/DisappearanceFollow.h"
#include "editor/dialogs/PathField.h"
#include "editor/document/CharacterFields.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/RecordGeometry.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/DialogButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

namespace ztv::editor {

namespace {

constexpr SpriteDialog::Wording kWording{
    lang::PlaceCharacterCaption,    lang::ChangeCharacterCaption, lang::PictureTypeGroup,
    lang::CharacterDisappearOption, lang::CharacterAfterClick,    lang::CharacterJoinBackground,
    lang::PositionLeftLabel};

}  // namespace

CharacterDialog::CharacterDialog(SessionSettings& settings, Prompter& prompter,
                                 Storyboard& storyboard, bool hasElement, QWidget* parent)
    : SpriteDialog(settings, prompter, storyboard, hasElement, kWording, parent),
      media_(settings, prompter) {
    setObjectName(QStringLiteral("formperso"));
    buildSoundControls();
}

void CharacterDialog::buildSoundControls() {
    QGridLayout* box = kindBox();
    sound_ = named(new QLineEdit(this), "Edit9");
    sound_->setReadOnly(true);
    auto* browse = named(new QPushButton(QStringLiteral("..."), this), "BitBtn4");
    browse->setFixedWidth(32);
    mediaButtons_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(mediaButtons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto mediaButton = [&](const char* name, QStyle::StandardPixmap icon) {
        auto* b =
            named(new QPushButton(style()->standardIcon(icon), QString(), mediaButtons_), name);
        buttons->addWidget(b);
        return b;
    };
    auto* play = mediaButton("MediaPlay", QStyle::SP_MediaPlay);
    auto* stop = mediaButton("MediaStop", QStyle::SP_MediaPause);
    auto* again = mediaButton("MediaPrev", QStyle::SP_MediaSkipBackward);
    buttons->addStretch();
    auto* tool = named(new QPushButton(text(lang::KindSound), this), "BitBtn3");
    soundMode_ = named(new QComboBox(this), "ComboBox1");
    loops_ = named(new QSpinBox(this), "SpinEdit1");
    loops_->setRange(1, 100);
    box->addWidget(new QLabel(text(lang::CharacterSoundLabel), this), 0, 0);
    box->addWidget(sound_, 0, 1);
    box->addWidget(browse, 0, 2);
    box->addWidget(mediaButtons_, 1, 0, 1, 2);
    box->addWidget(tool, 1, 2);
    box->addWidget(soundMode_, 2, 0, 1, 2);
    box->addWidget(loops_, 2, 2);

    connect(browse, &QPushButton::clicked, this, &CharacterDialog::chooseSound);
    connect(play, &QPushButton::clicked, this, &CharacterDialog::playSound);
    connect(stop, &QPushButton::clicked, this, &CharacterDialog::pauseSound);
    connect(again, &QPushButton::clicked, this, &CharacterDialog::playSoundAgain);
    connect(tool, &QPushButton::clicked, this, &CharacterDialog::startSoundTool);
    connect(soundMode_, &QComboBox::currentIndexChanged, this,
            &CharacterDialog::onSoundModeChanged);
    connect(endPose_, &QComboBox::currentIndexChanged, this, &CharacterDialog::onEndPoseChanged);
}

QString CharacterDialog::helpPage(bool french) const {
    return french ? QStringLiteral("personnage.html") : QStringLiteral("character.html");
}

void CharacterDialog::fillLists() {
    SpriteDialog::fillLists();
    fillFromLines(soundMode_, lang::kCharacterSoundRanges);
}

void CharacterDialog::setNewDefaults() {
    SpriteDialog::setNewDefaults();
    soundMode_->setCurrentIndex(0);
    showSound(QString());
}

void CharacterDialog::showRecord(const ElementRecord& r) {
    const CharacterFields f = characterFieldsOf(r, state_.language);
    showSpriteFields(f);
    soundMode_->setCurrentIndex(f.speaks ? 0 : 1);
    loops_->setValue(f.loops);
    showSound(f.sound);
}

void CharacterDialog::afterActivate() {
    SpriteDialog::afterActivate();
    onSoundModeChanged();
    onEndPoseChanged();
}

// The voice shows with its media buttons, opened in the dialog's panel; none hides them.
void CharacterDialog::showSound(const QString& stored) {
    pausedAt_ = 0;
    showStoredPath(sound_, stored, shownMediaPath(state_, stored));
    mediaButtons_->setVisible(!stored.isEmpty());
    if (!stored.isEmpty()) {
        media_.open(stored, QString());
    }
}

void CharacterDialog::chooseSound() {
    const QString chosen = prompter_.openFileName(
        text(lang::CharacterSoundLabel), QString(),
        QStringLiteral("(*.wav, *.mid, *.mp3) (*.wav *.mid *.mp3 *.WAV *.MID *.MP3)"));
    media_.close();
    const QString stored = chosen.isEmpty() ? QString() : storedPath(chosen);
    showSound(stored);
    if (!stored.isEmpty()) {
        soundMode_->setCurrentIndex(0);
    }
}

void CharacterDialog::playSound() {
    media_.play(QRect(), true, 0, pausedAt_);
}

void CharacterDialog::pauseSound() {
    pausedAt_ = media_.pause();
}

void CharacterDialog::playSoundAgain() {
    pausedAt_ = 0;
    media_.play(QRect(), true, 0, 0);
}

void CharacterDialog::startSoundTool() {
    startTool(SoundRecorderLine, nullptr);
}

void CharacterDialog::done(int result) {
    media_.close();
    SpriteDialog::done(result);
}

// Loops count only without a voice.
void CharacterDialog::onSoundModeChanged() {
    loops_->setVisible(soundMode_->currentIndex() == 1);
}

// A character that leaves nothing behind has nothing to keep in the background or to clear.
void CharacterDialog::onEndPoseChanged() {
    const bool nothing = endPose_->currentIndex() == 3;
    if (nothing) {
        autoDisappear_->setChecked(false);
        joinBackground_->setChecked(false);
    }
    autoDisappear_->setEnabled(!nothing);
    joinBackground_->setEnabled(!nothing);
}

QRect CharacterDialog::proposedDisappearance() {
    if (storyboard_.defaultRect(row_).isEmpty()) {
        return QRect(rectText(0).toInt(), rectText(1).toInt(), rectText(2).toInt(),
                     rectText(3).toInt());
    }
    const QRect proposed = records_.proposedDisappearanceRect(row_, column_);
    records_.rebuildDefaultRects();
    return proposed;
}

bool CharacterDialog::fillRecord(ElementRecord& r, QString& cellText) {
    CharacterFields f;
    if (!readSpriteFields(&f) || !readStoredPath(sound_, &f.sound)) {
        return false;
    }
    f.speaks = soundMode_->currentIndex() == 0;
    f.loops = loops_->value();
    if (!refuse(characterProblem(f, stripWidth()))) {
        return false;
    }
    writeCharacterFields(f, state_.language, r);
    cellText = cellTextOf(r);
    return true;
}

void CharacterDialog::afterSave(const ElementRecord& record) {
    followWithDisappearance(records_, prompter_, state_, record, recordRect(record));
}

}  // namespace ztv::editor
