// Every fuzz target runs once on its seeds and on the inputs kept in fuzz/corpus/<target>/ (the
// findings of earlier fuzzing), so a regression fails here under the sanitizers.
#include "fuzz/FuzzSeeds.h"
#include "fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace ztv::fuzz;

namespace {

class CorpusReplay : public ::testing::TestWithParam<std::string> {};

void runOn(const Target& target, const QByteArray& input) {
    target.run(reinterpret_cast<const std::uint8_t*>(input.constData()), size_t(input.size()));
}

}  // namespace

TEST_P(CorpusReplay, EveryInputRunsCleanly) {
    const Target* target = findTarget(GetParam());
    ASSERT_NE(target, nullptr);
    const QList<QByteArray> seeded = seeds(GetParam());
    ASSERT_FALSE(seeded.isEmpty());
    for (const QByteArray& input : seeded)
        runOn(*target, input);
    const QDir kept(QStringLiteral(ZTV_SOURCE_DIR "/fuzz/corpus/") +
                    QString::fromStdString(GetParam()));
    for (const QString& name : kept.entryList(QDir::Files)) {
        QFile file(kept.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        SCOPED_TRACE(name.toStdString());
        runOn(*target, file.readAll());
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const Target& t : targets())
                                 names.emplace_back(t.name);
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });
