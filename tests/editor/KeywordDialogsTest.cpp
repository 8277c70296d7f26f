// The project's keywords through the keyword list and keyword dialogs, saved with the project.
#include "common/formats/LangLines.h"
#include "editor/dialogs/KeywordDialog.h"
#include "tests/editor/ProjectFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace ztv::test {
namespace {

class Keywords : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    }
    // Scripts the keyword dialog: fills it and presses OK (it may stay open after a refusal).
    static void fill(QDialog& d, const QString& keyword, const QString& page,
                     const QString& column = {}) {
        d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(keyword);
        d.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(page);
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(column);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    }
    QString pmg() const { return workingDir() + QStringLiteral("/MOTS.PMG"); }
};

TEST_F(Keywords, CreatedModifiedAndDeletedKeywordsAreSavedAndReadBack) {
    onDialog([this](QDialog& list) {
        auto* count = list.findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(count->text(), QStringLiteral("0 ") + numberedText(98));
        EXPECT_FALSE(list.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isEnabled());
        for (const auto& [keyword, page] :
             {std::pair{"lune", "1"}, {"soleil", "2"}, {"mer", "2"}}) {
            onDialog([k = QString(keyword), p = QString(page)](QDialog& d) { fill(d, k, p); });
            list.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        }
        EXPECT_EQ(count->text(), QStringLiteral("3 ") + numberedText(99));
        auto* tree = list.findChild<QTreeWidget*>(QStringLiteral("ListBox1"));
        tree->setCurrentItem(tree->topLevelItem(1));
        onDialog([](QDialog& d) {
            EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), "soleil");
            fill(d, QStringLiteral("soleil"), QStringLiteral("1"), QStringLiteral("4"));
        });
        list.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        tree->setCurrentItem(tree->topLevelItem(0));
        list.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        EXPECT_EQ(count->text(), QStringLiteral("2 ") + numberedText(99));
        onDialog([](QDialog& d) { fill(d, QStringLiteral("ciel"), QStringLiteral("2")); });
        list.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window().runCommand(editor::Command::Keywords);
    EXPECT_TRUE(state().modified);

    // The deleted keyword keeps its record, emptied; a new one is appended after the last.
    const auto all = keywordtable::readAll(pmg());
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 4);
    EXPECT_TRUE(all->at(0).isFree());
    EXPECT_EQ(all->at(1), (KeywordEntry{"soleil", "1", "4"}));
    EXPECT_EQ(all->at(3), (KeywordEntry{"ciel", "2", ""}));

    prompter_.choosePath(folder() + QStringLiteral("/mots"));
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(keywordtable::readUsed(folder() + QStringLiteral("/mots.PMG")),
              (QList<KeywordEntry>{{"soleil", "1", "4"}, {"mer", "2", ""}, {"ciel", "2", ""}}));
}

TEST_F(Keywords, WhatTheRecordCannotHoldIsRefusedBeforeWriting) {
    const QList<PageEntry> pages{{1, QStringLiteral("Un")}, {2, QStringLiteral("Deux")}};
    EXPECT_EQ(editor::checkKeyword({"", "1", ""}, pages), lang::KeywordEmpty);
    EXPECT_EQ(editor::checkKeyword({"a", "", ""}, pages), lang::KeywordPageEmpty);
    EXPECT_EQ(editor::checkKeyword({QString(151, 'k'), "1", ""}, pages), lang::KeywordTooLong);
    EXPECT_EQ(editor::checkKeyword({"a", "1", QString(101, '1')}, pages), lang::KeywordTooLong);
    EXPECT_EQ(editor::checkKeyword({"a", "7", ""}, pages), lang::FirstPageMissing);
    EXPECT_EQ(editor::checkKeyword({QString(150, 'k'), "2", ""}, pages), 0);

    onDialog(
        [](QDialog& list) { list.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
    onDialog([](QDialog& d) {
        fill(d, QStringLiteral("lune"), QStringLiteral("7"));
        EXPECT_EQ(d.result(), 0) << "the dialog stays";
    });
    window().runCommand(editor::Command::Keywords);
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(lang::FirstPageMissing)});
    EXPECT_TRUE(keywordtable::readUsed(pmg()).isEmpty());
}

TEST_F(Keywords, ABrokenKeywordFileIsReadAsFarAsItGoes) {
    QByteArray data(kKeywordRecordSize, '\0');
    for (int i = 0; i < 10000; ++i) {
        data += keywordtable::encode({QStringLiteral("k%1").arg(i), "1", ""});
    }
    data += QByteArray(100, 'x');  // a partial last record
    ProjectWriter(workingDir()).writeBytes(QStringLiteral("MOTS.PMG"), data);
    onDialog([](QDialog& list) {
        EXPECT_EQ(list.findChild<QTreeWidget*>(QStringLiteral("ListBox1"))->topLevelItemCount(),
                  10000);
    });
    window().runCommand(editor::Command::Keywords);
}

}  // namespace
}  // namespace ztv::test
