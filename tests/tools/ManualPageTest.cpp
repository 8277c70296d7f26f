#include "tools/ztvtool/CommandHelp.h"
#include "tools/ztvtool/ManualPage.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ztv {
namespace {

QString collapsed(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

// The page as `man` shows it, on lines too wide to wrap; warnings of the formatter fail.
QString shownByMan(const QString& roff) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("ztvtool.1")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(roff.toUtf8());
    file.close();
    QProcess man;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("1000"));
    man.setProcessEnvironment(env);
    man.start(QStringLiteral("man"),
              {QStringLiteral("--warnings"), QStringLiteral("-l"), file.fileName()});
    EXPECT_TRUE(man.waitForFinished(30000));
    EXPECT_EQ(man.readAllStandardError(), QByteArray());
    return collapsed(QString::fromUtf8(man.readAllStandardOutput()));
}

TEST(ManualPage, SaysWhatTheHelpSaysOfEveryCommandAndOption) {
    const QString shown = shownByMan(tool::manualPage(QStringLiteral("3.0")));
    ASSERT_FALSE(shown.isEmpty());
    // The options, then what the help says after them.
    QStringList expected =
        tool::programHelp().section(QStringLiteral("Options:\n"), 1).split(QStringLiteral("\n\n"));
    for (const tool::CommandHelp& command : tool::commandHelps()) {
        expected << command.summary << command.details << command.usage.split(u'\n').first();
    }
    for (const QString& text : expected) {
        EXPECT_TRUE(shown.contains(collapsed(text).trimmed())) << text.toStdString();
    }
}

}  // namespace
}  // namespace ztv
