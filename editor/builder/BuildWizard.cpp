#include "editor/builder/BuildWizard.h"

#include "common/builder/OutputFolder.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QRadioButton>

namespace ztv::editor {

using namespace builder;

namespace {

QRadioButton* radio(QWidget* parent, const char* name, const QString& text, int top) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(12, top, 380, 22);
    return button;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    return group;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, int top) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(24, top, 380, 22);
    return box;
}

}  // namespace

BuildWizard::BuildWizard(const SessionSettings& state, Prompter& prompter, QWidget* parent)
    : TiledDialog(parent), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("FCreerLog"));
    setWindowTitle(state.text(lang::BuildWizardCaption));
    setFixedSize(430, 400);

    QGroupBox* distribution = groupBox(this, "GroupBox1", QString(), QRect(12, 12, 406, 100));
    web_ = radio(distribution, "RadioButton3", state.text(lang::WebOption), 12);
    cdRom_ = radio(distribution, "RadioButton4", state.text(lang::CdRomOption), 40);
    ztvx_ = radio(distribution, "RadioZTVX", state.text(lang::ZtvxOption), 68);
    web_->setChecked(true);
    autorun_ = checkBox(this, "CheckAutorun", state.text(lang::AutorunOption), 122);
    compressedPlayer_ =
        checkBox(this, "CheckPlayComp", state.text(lang::CompressedPlayerOption), 150);

    QGroupBox* compression =
        groupBox(this, "GroupBox2", state.text(lang::CompressionGroup), QRect(12, 184, 406, 120));
    noCompression_ = radio(compression, "RadioButton5", state.text(lang::NoCompression), 28);
    global_ = radio(compression, "RadioGlobal", state.text(lang::GlobalCompression), 56);
    perPage_ = radio(compression, "RadioPage", state.text(lang::PageCompression), 84);
    noCompression_->setChecked(true);

    connect(web_, &QRadioButton::clicked, this, &BuildWizard::chooseFolderBuild);
    connect(cdRom_, &QRadioButton::clicked, this, &BuildWizard::chooseFolderBuild);
    connect(ztvx_, &QRadioButton::clicked, this, &BuildWizard::chooseSingleFile);

    auto addButton = [this](const char* name, int line, int left) {
        return dialogButton(this, name, state_.text(line), QRect(left, 350, 110, 30));
    };
    QPushButton* ok = addButton("BitBtn1", lang::ButtonOk, 12);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &BuildWizard::confirm);
    connect(addButton("BitBtn2", lang::ButtonCancel, 160), &QPushButton::clicked, this,
            &QDialog::reject);
    attachHelp(this, addButton("BitBtn4", lang::ButtonHelp, 308), state, prompter,
               buildWizardHelp());
}

void BuildWizard::chooseSingleFile() {
    global_->setChecked(true);
    enableMultiFileChoices(false);
    compressedPlayer_->setChecked(false);
}

void BuildWizard::chooseFolderBuild() {
    enableMultiFileChoices(true);
}

void BuildWizard::enableMultiFileChoices(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{compressedPlayer_, noCompression_, perPage_}) {
        w->setEnabled(enabled);
    }
}

BuildOptions BuildWizard::chosen() const {
    BuildOptions o;
    o.distribution = ztvx_->isChecked()    ? Distribution::Ztvx
                     : cdRom_->isChecked() ? Distribution::CdRom
                                           : Distribution::Web;
    o.autorun = autorun_->isChecked();
    o.compression = perPage_->isChecked()  ? Compression::PerPage
                    : global_->isChecked() ? Compression::Global
                                           : Compression::None;
    o.compressedPlayer = compressedPlayer_->isChecked();
    return o.normalised();
}

void BuildWizard::confirm() {
    const BuildOptions o = chosen();
    const QString folder =
        nextOutputFolder(state_.projectDir, state_.text(lang::OutputFolderPrefix));
    if (folder.isEmpty()) {
        prompter_.message(state_.language.message(lang::OutputFoldersExhausted));
        return;
    }
    if (!createOutputFolders(folder, o)) {
        prompter_.message(state_.text(lang::AssemblyFailed) + u' ' +
                          QDir::toNativeSeparators(folder));
        return;
    }
    options_ = o;
    output_ = folder;
    done(Prompter::Yes);
}

}  // namespace ztv::editor
