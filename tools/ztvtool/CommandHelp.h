#pragma once

#include <QList>
#include <QString>

// What `ztvtool --help` and `ztvtool COMMAND --help` print.
namespace ztv::tool {

struct CommandHelp {
    QString name;
    QString usage;    // the forms of the command, one a line, without "ztvtool "
    QString summary;  // one line for the list of commands
    QString details;  // what it does, its arguments and its options
};

const QList<CommandHelp>& commandHelps();
// nullptr for a name that is no command.
const CommandHelp* findCommandHelp(const QString& name);

QString programUsage();
QString programHelp();
// "usage: ztvtool ..." lines of one command.
QString commandUsage(const CommandHelp& command);
QString commandHelpText(const CommandHelp& command);

}  // namespace ztv::tool
