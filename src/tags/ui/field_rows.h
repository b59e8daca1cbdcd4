#pragma once
// The labelled rows of a tag dialog: each row a right-aligned label, its
// field (named after the dialog's control, so that a tag reopened in its
// dialog can fill it by name) and, when it has one, a button at the row's
// end. Rows are added top to bottom and the tab order follows them.

#include <QStringList>
#include <Qt>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tagloom {

struct FileDialogRequest;
class UpDownEdit;

class FieldRows {
public:
    // The rows go into `owner` (a dialog or a group box) as its layout.
    explicit FieldRows(QWidget *owner);

    QGridLayout *layout() const { return m_layout; }

    QLineEdit *addText(const char *name, const char *label);
    // An editable drop-down whose text is used as typed.
    QComboBox *addDropDown(const char *name, const char *label, QStringList items, bool sorted);
    UpDownEdit *addUpDown(const char *name, const char *label, int minimum, int maximum);
    // Any other field under a label; it spans the row.
    void addWide(const char *label, QWidget *field);
    // A button at the end of the last row added.
    QPushButton *addButton(const char *caption);

private:
    void addRow(const char *label, QWidget *field, int columns = 1, Qt::Alignment alignment = {});

    QWidget *m_owner;
    QGridLayout *m_layout;
    int m_row = -1;
};

// The text of the field named `name` among `root`'s children (text box,
// drop-down or up/down box); empty when there is none.
QString fieldText(const QWidget *root, const QString &name);
// Sets that field's text; false when `root` has no field of that name.
bool setFieldText(QWidget *root, const QString &name, const QString &text);
// The same for the field itself; false when it is no such field.
bool setWidgetText(QWidget *field, const QString &text);

// A Browse button's work: the file chooser, and a chosen file's full path as
// `field`'s text. False when the user cancelled.
bool chooseInto(QWidget *field, const FileDialogRequest &request);

} // namespace tagloom
