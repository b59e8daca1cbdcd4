#pragma once
// Tabs for a narrow panel: the page names as buttons on as many rows as the
// width needs, instead of one row of tabs with scroll arrows.

class QTabWidget;
class QWidget;

namespace tagloom {

// Hides the tab bar of `tabs` (its pages, names and current page stay as they
// are) and returns a widget holding the pages with the name buttons below.
// Add every page before calling this.
QWidget *withMultiRowTabs(QTabWidget *tabs);

} // namespace tagloom
