#include "tags/ui/edit_current_tag.h"

#include "base/ui/messages.h"
#include "document/editor_operations.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"

#include <QCheckBox>

namespace tagloom {

void editCurrentTag(EditorOperations *editor, const TagDialogs &dialogs, QWidget *messageParent)
{
    if (!editor)
        return;
    const QString selected = editor->SelectedText();
    if (selected.isEmpty()) {
        showMessage(messageParent, MessageKind::Plain, QString(), selectTagMessage());
        return;
    }
    // Each parameter shows its dialog first, so a dialog that was hidden
    // takes its show-time defaults before the tag's values overwrite them.
    for (const CurrentTagStep &step : currentTagSteps(selected)) {
        MarkupDialog *dialog = dialogs(step.dialog);
        if (!dialog)
            continue;
        dialog->openForEdit();
        if (step.bodyTag) {
            dialog->setWindowTitle(QLatin1String(BodyTagCaption));
            if (QWidget *title = dialog->findChild<QWidget *>(QStringLiteral("EditTitle")))
                title->setEnabled(false);
        }
        if (step.field == QLatin1String(WatermarkField)) {
            if (auto *watermark = dialog->findChild<QCheckBox *>(step.field)) {
                watermark->setEnabled(true);
                watermark->setChecked(true);
            }
        } else if (!step.field.isEmpty()) {
            setFieldText(dialog, step.field, step.value);
        }
    }
}

} // namespace tagloom
