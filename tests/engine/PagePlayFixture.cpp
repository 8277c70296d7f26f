#include "tests/engine/PagePlayFixture.h"

#include "common/formats/ElementDefaults.h"
#include "common/formats/LangLines.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace ztv::test {

PagePlayFixture::PagePlayFixture() {
    french_.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
    QDir().mkpath(host(QStringLiteral("data/base")));
    QDir().mkpath(host(QStringLiteral("media")));
    writeSettings(settingsLines());
}

ElementRecord PagePlayFixture::picture(int row, int column, const QString& stored, QRect rect,
                                       double attente) const {
    ElementRecord r = plainElement(french_, row, column, stored, rect);
    r.Attente = attente;
    r.Vitesse = 100;
    return r;
}

QString PagePlayFixture::solidBmp(const QString& name, QColor colour, QSize size) const {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.save(host(QStringLiteral("media/") + name), "BMP");
    return QStringLiteral("\\media\\") + name;
}

QString PagePlayFixture::writeMedia(const QString& name, const QByteArray& data) const {
    ProjectWriter(host(QStringLiteral("media"))).writeBytes(name, data);
    return QStringLiteral("\\media\\") + name;
}

void PagePlayFixture::writePage(int page, const QList<ElementRecord>& records) const {
    ProjectWriter(host(QStringLiteral("data/base"))).writePageFile(page, records);
}

void PagePlayFixture::writeSettings(const QStringList& lines) const {
    ProjectWriter(host(QStringLiteral("data/base")))
        .writeSettings(QStringLiteral("$inip.ini"), lines);
}

namespace {

QStringList previewArguments(int page, const QString& dataHost) {
    return {QStringLiteral("somm"), QString::number(page), dataHost};
}

}  // namespace

void PagePlayFixture::startPreview(int page) {
    ASSERT_TRUE(start(previewArguments(page, host(QStringLiteral("data")))));
}

std::unique_ptr<PagePlayFixture::HostedPage> PagePlayFixture::hostPreview(int page) {
    auto hosted = std::make_unique<HostedPage>(
        environment(previewArguments(page, host(QStringLiteral("data")))));
    EXPECT_TRUE(hosted->session.open(appHost()));
    hosted->player.prepareDisplay();
    return hosted;
}

void PagePlayFixture::tickOf(Engine& engine) {
    clock_.advance(engine.timer().interval());
    engine.stepDueElements();
}

bool PagePlayFixture::runUntilIdleOf(Engine& engine, int maxTicks) {
    for (int i = 0; i < maxTicks && engine.timer().isActive(); ++i) {
        tickOf(engine);
    }
    return !engine.timer().isActive();
}

qint64 PagePlayFixture::serveUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs) {
            return -1;
        }
        // An event loop that sleeps until an event comes, as the player's does (a test wait
        // sleeps a fixed while instead, and so never meets a news that comes too early).
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        if (engine_->timer().isActive()) {
            tick();
        }
    }
    return elapsed.elapsed();
}

}  // namespace ztv::test
