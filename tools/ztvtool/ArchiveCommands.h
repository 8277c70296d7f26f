#pragma once

#include <QStringList>
#include <QTextStream>

// The commands that make and look into packages: cabinet archives, and the entries of an
// appended player or a media data file. Failures throw tool::Failure, wrong arguments
// tool::UsageError; with verbose, the extractions and the archive made are told on out.
namespace ztv::tool {

// cab create [--type none|mszip|lzx] [--window 15..21] OUT.cab FILE... | list CAB |
// extract CAB DIR [NAME]
void cabCommand(const QStringList& args, QTextStream& out, bool verbose);
// entries list FILE | extract FILE DIR [NAME]
void entriesCommand(const QStringList& args, QTextStream& out, bool verbose);

}  // namespace ztv::tool
