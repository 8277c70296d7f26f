#pragma once

#include "common/platform/Clock.h"
#include "common/platform/FileIo.h"
#include "editor/document/Storyboard.h"
#include "editor/position/PositionEditor.h"
#include "tests/editor/ProjectFixture.h"

#include <QApplication>
#include <QMouseEvent>

#include <memory>

namespace ztv::test {

inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kBlue = 0xFF0000FFu;
inline constexpr QRgb kGreen = 0xFF00FF00u;

// A new project of one page whose page files each test writes, and the position editor opened
// on one of its records.
class PositionFixture : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un")});
        ASSERT_EQ(window().storyboard().page(), 1);
        state().clock = clock_;
    }
    void TearDown() override {
        editor_.reset();
        window().hide();
        session_.reset();
    }
    // A plain-colour picture that appears at once.
    ElementRecord plain(int row, int column, QRect rect, QRgb colour) {
        ElementRecord r = makeRecord(row, column, state().text(120));
        r.Effet = state().text(220);
        r.Transparent = state().text(200);
        r.Vitesse = 100;
        r.Couleur = std::int32_t(qRed(colour) | (qGreen(colour) << 8) | (qBlue(colour) << 16));
        place(r, rect);
        return r;
    }
    static void place(ElementRecord& r, QRect rect) {
        r.Gauche = rect.left();
        r.Haut = rect.top();
        r.Largeur = rect.width();
        r.Hauteur = rect.height();
    }
    // The page's .ACT file, and its .JOU file made from it as the storyboard does.
    void setPage(const QList<ElementRecord>& records) {
        auto& storyboard = window().storyboard();
        storyboard.closePage();
        ProjectWriter(workingDir()).writePageFile(1, records, QStringLiteral(".ACT"));
        ASSERT_TRUE(storyboard.openPage(1));
        ASSERT_TRUE(storyboard.regenerate());
    }
    QList<ElementRecord> jou() { return readPageRecords(window().storyboard().jouPath()); }
    QList<ElementRecord> act() { return readPageRecords(window().storyboard().actPath()); }
    // The .JOU index of the cell's record.
    int jouIndex(int row, int column) {
        const QList<ElementRecord> records = jou();
        for (int i = 0; i < records.size(); ++i) {
            if (records[i].Ligne == row && records[i].Colonne == column) {
                return i + 1;
            }
        }
        return -1;
    }
    editor::PositionEditor& open(int index, bool preview = false) {
        editor_ = std::make_unique<editor::PositionEditor>(
            state(), prompter_, window().storyboard(), index, preview, &window());
        editor_->show();
        return *editor_;
    }
    static void mouse(QWidget* w, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    QRgb pixel(QPoint at) const { return editor_->pagePicture().pixel(at) | 0xFF000000u; }
    QStringList asked() const { return prompter_.texts(); }
    // Previews step by the editor's clock, which only the test moves: one tick of the player.
    void playerTick(editor::PositionEditor& e) {
        clock_->advance(16);
        e.previewTick();
    }

    std::unique_ptr<editor::PositionEditor> editor_;
    std::shared_ptr<ManualClock> clock_ = std::make_shared<ManualClock>();
};

}  // namespace ztv::test
