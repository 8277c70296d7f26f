#pragma once

#include "common/formats/ElementRecord.h"
#include "common/platform/Clock.h"
#include "common/platform/Prompter.h"
#include "player/engine/Engine.h"

#include <QList>
#include <QSize>
#include <QTemporaryDir>
#include <memory>

// What the page benchmarks share: a working copy whose page 1 holds given records, and the
// player's engine previewing it without a window.
namespace ztv::bench {

// Any message means the page did not load as it should.
class AbortingPrompter : public Prompter {
  public:
    int ask(const QString& text, const QString&, Buttons) override;
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
};

class BenchPage {
  public:
    // Page 1 of a project of `size` holds `records`.
    BenchPage(QSize size, const QList<ElementRecord>& records);
    Engine& engine() { return *engine_; }
    // The engine's clock: steps come due as it advances.
    ManualClock& clock() { return clock_; }

  private:
    QTemporaryDir dir_;
    AbortingPrompter prompter_;
    ManualClock clock_;
    std::unique_ptr<Engine> engine_;
};

}  // namespace ztv::bench
