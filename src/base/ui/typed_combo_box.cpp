#include "base/ui/typed_combo_box.h"

#include <QComboBox>

namespace tagloom {

void makeTypedComboBox(QComboBox *box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
}

} // namespace tagloom
