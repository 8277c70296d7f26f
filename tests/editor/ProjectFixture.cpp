#include "tests/editor/ProjectFixture.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace ztv::test {

void ProjectFixture::SetUp() {
    EditorFixture::SetUp();
    QDir().mkpath(folder());
    session_ = start();
    ASSERT_TRUE(session_);
    state().dialogRunner = [this](QDialog& dialog) {
        dialogsShown.append(dialog.objectName());
        dialog.setResult(0);
        if (!steps_.isEmpty()) {
            steps_.takeFirst()(dialog);
        }
        return dialog.result();
    };
}

void ProjectFixture::newPageAnswer(const QString& title, const QString& number) {
    onDialog([title, number](QDialog& d) {
        if (!number.isEmpty()) {
            d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(number);
        }
        d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(title);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
}

void ProjectFixture::parametersAnswer(const QString& width, const QString& height) {
    onDialog([width, height](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(width);
        d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(height);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
}

void ProjectFixture::newProjectWithPages(const QStringList& titles) {
    parametersAnswer();
    if (!titles.isEmpty()) {
        newPageAnswer(titles.first());
    }
    window().runCommand(editor::Command::NewProject);
    for (qsizetype i = 1; i < titles.size(); ++i) {
        newPageAnswer(titles[i]);
        window().runCommand(editor::Command::NewPage);
    }
}

}  // namespace ztv::test
