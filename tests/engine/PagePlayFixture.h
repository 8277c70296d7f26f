#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"
#include "player/engine/PagePlayer.h"
#include "player/engine/ProjectSession.h"
#include "tests/engine/PlayerFixture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

namespace ztv::test {

// A working copy in "data/base" played in preview mode, pictures under "media" (stored as
// "\media\NAME"), and the vocabulary of the French language file.
class PagePlayFixture : public PlayerFixture {
  protected:
    PagePlayFixture();

    QString text(int line) const { return french_.text(line); }
    // A picture record with no effect, opaque, no action.
    ElementRecord picture(int row, int column, const QString& stored, QRect rect,
                          double attente = 0) const;
    // Writes a solid BMP picture and answers its stored path.
    QString solidBmp(const QString& name, QColor colour, QSize size = {40, 30}) const;
    QString writeMedia(const QString& name, const QByteArray& data) const;

    void writePage(int page, const QList<ElementRecord>& records) const;
    void writeSettings(const QStringList& lines) const;
    // Starts the preview of a page without playing it.
    void startPreview(int page = 1);
    // The engine's project session and page player on their own, for elements tested against
    // the page player that hosts them.
    struct HostedPage {
        explicit HostedPage(PlayerEnvironment environment) : env(std::move(environment)) {}
        PlayerEnvironment env;
        ProjectSession session{env};
        PagePlayer player{env, session};
    };
    // The preview of a page opened and displayed in a page player of its own, not played.
    std::unique_ptr<HostedPage> hostPreview(int page = 1);
    // Ticks the engine until its timer stops, advancing the clock by each interval; false when
    // it still runs after maxTicks.
    bool runUntilIdle(int maxTicks = 100000) { return runUntilIdleOf(*engine_, maxTicks); }
    bool runUntilIdleOf(Engine& engine, int maxTicks = 100000);
    // One tick after the timer's interval.
    void tick() { tickOf(*engine_); }
    void tickOf(Engine& engine);

    // Serves events and the engine's ticks until the condition holds; the milliseconds it took,
    // -1 when it did not.
    qint64 serveUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

    QRgb canvasAt(int x, int y) const { return engine_->canvas().pixel(x, y) & 0xffffff; }
    static QRgb rgb(QColor c) { return c.rgb() & 0xffffff; }

    LanguageFile french_;
};

}  // namespace ztv::test
