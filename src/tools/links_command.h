#pragma once
// tagloom-tools links [--format tsv|json] DIR: the site link check for
// scripts. One finding a line, written as validate writes its findings.

#include <QStringList>

namespace tagloom {

class ToolOutput;

// Exit status: 0 when nothing is broken (orphans and remote addresses alone
// do not count), 1 for a broken target or a letter-case mismatch, 2 for bad
// usage, a folder that cannot be read or a page that could not be checked.
int runLinksCommand(const QStringList &arguments, ToolOutput &out, ToolOutput &err);

} // namespace tagloom
