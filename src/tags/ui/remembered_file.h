#pragma once
// A dialog's own file chooser that starts at the file chosen last, until the
// dialog tells it to forget that file (on showing, or after OK and Cancel,
// as each dialog does).

#include "base/ui/file_dialogs.h"

class QLineEdit;

namespace tagloom {

class RememberedFile {
public:
    explicit RememberedFile(FileDialogRequest request) : m_request(std::move(request)) {}

    // The chosen full path, remembered for the next time; empty when cancelled.
    QString choose(QWidget *parent);
    void forget() { m_request.proposedPath.clear(); }
    const QString &last() const { return m_request.proposedPath; }

    // A Browse button's work: `file://` and the chosen path into `field`, or
    // the plain path. False, and the field unchanged, when cancelled.
    bool chooseUrlInto(QLineEdit *field);
    bool choosePathInto(QLineEdit *field);

private:
    FileDialogRequest m_request;
};

} // namespace tagloom
