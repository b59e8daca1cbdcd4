#pragma once
// The WML palette's two-field dialogs, "Insert WML Card" and "WML Access
// Tag...": two text boxes, both emptied whenever the dialog is shown, whose
// values a generator turns into lines below the caret line. Fixed in size
// and first shown in the middle of the screen.

#include "document/insertion.h"
#include "tags/ui/markup_dialog.h"

class QLineEdit;

namespace tagloom {

class WmlPairDialog : public MarkupDialog {
    Q_OBJECT
public:
    struct Field {
        const char *name;
        const char *label;
    };
    using Generator = Insertion (*)(const QString &first, const QString &second);

    WmlPairDialog(const QString &title, const char *objectName, Field first, Field second, Generator generator,
                  ActiveEditor activeEditor, QWidget *parent = nullptr);

    // "Insert WML Card": Name and Title.
    static WmlPairDialog *card(ActiveEditor activeEditor, QWidget *parent = nullptr);
    // "WML Access Tag...": Domain and Path.
    static WmlPairDialog *access(ActiveEditor activeEditor, QWidget *parent = nullptr);

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    QLineEdit *m_first;
    QLineEdit *m_second;
    Generator m_generator;
};

} // namespace tagloom
