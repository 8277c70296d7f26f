#pragma once

#include "common/platform/FileIo.h"
#include "tests/editor/ProjectFixture.h"
#include "tests/support/PictureMakers.h"

#include <QDir>
#include <QLineEdit>
#include <memory>

namespace ztv::test {

// An element dialog on page 1 of a new project, with pictures made under a media folder and the
// page's .ACT file set and read by the test.
class ElementDialogFixture : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un")});
        ASSERT_EQ(window().storyboard().page(), 1);
        QDir().mkpath(media());
    }
    void TearDown() override {
        window().hide();
        session_.reset();
    }
    QString media() const { return dir_.path() + QStringLiteral("/media"); }
    // A picture under media, and its host path.
    QString picture(const QString& name, QSize size, QColor colour = Qt::red) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString host = media() + u'/' + name;
        EXPECT_TRUE(writeFileAtomically(
            host, name.endsWith(QStringLiteral(".jpg")) ? makeJpeg(image) : makeBmp(image)));
        return host;
    }
    QString actPath() { return window().storyboard().actPath(); }
    QList<ElementRecord> act() { return readPageRecords(actPath()); }
    // Puts records into the page's .ACT file and reloads the page.
    void setAct(const QList<ElementRecord>& records) {
        window().storyboard().closePage();
        ProjectWriter(workingDir()).writePageFile(1, records, QStringLiteral(".ACT"));
        ASSERT_TRUE(window().storyboard().openPage(1));
    }
    // The dialog on a cell, activated as when shown.
    template <class Dialog>
    std::unique_ptr<Dialog> openDialog(int column, int row) {
        auto& storyboard = window().storyboard();
        storyboard.setCurrentCell(column, row);
        auto dialog = std::make_unique<Dialog>(
            state(), prompter_, storyboard, !storyboard.cellText(column, row).isEmpty(), &window());
        dialog->show();
        return dialog;
    }
    template <class W = QLineEdit>
    static W* control(QDialog& d, const char* name) {
        auto* w = d.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
};

}  // namespace ztv::test
