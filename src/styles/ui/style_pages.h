#pragma once
// The style-sheet editor's six property pages, built from one table: every
// field an editable drop-down (or a text box where it has no items) named
// after the property field it fills.

class QTabWidget;

namespace tagloom {

QTabWidget *buildStylePages();

} // namespace tagloom
