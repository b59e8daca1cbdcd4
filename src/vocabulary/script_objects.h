#pragma once
// Built-in vocabulary of the side panel: the Objects tree of script object
// names and the tag names of the Tags page. Fixed data, not read from files.

#include <QStringList>
#include <vector>

namespace tagloom {

// One node of the Objects tree; a node with children is a group. Every node,
// group or leaf, inserts its own text.
struct ScriptObject {
    const char *text;
    std::vector<ScriptObject> children;
};

// The top-level nodes, in display order.
const std::vector<ScriptObject> &scriptObjects();

// The Tags drop-down's names, sorted; each names a file Attr/<name>.tlx.
QStringList attributeTagNames();

} // namespace tagloom
