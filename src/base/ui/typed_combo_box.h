#pragma once
// Editable drop-downs whose text feeds generated mark-up or a lookup: what the
// user types is used exactly as typed. No inline completion (which would turn
// "Arial" into the first list item starting with it, and eat the first
// Return), and a typed text never joins the list.

class QComboBox;

namespace tagloom {

// Makes `box` such a drop-down.
void makeTypedComboBox(QComboBox *box);

} // namespace tagloom
