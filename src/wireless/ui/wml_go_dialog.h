#pragma once
// "WML Go Tag...": a go task from an address, the referer flag, method,
// encoding type, name and class; every showing starts from the defaults
// (GET, form URL encoding, the rest empty). Fixed in size and first shown
// in the middle of the screen.

#include "tags/ui/markup_dialog.h"
#include "wireless/wml_markup.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tagloom {

class WmlGoDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit WmlGoDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    WmlGoFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    QLineEdit *m_address;
    QCheckBox *m_sendReferer;
    QComboBox *m_method;
    QLineEdit *m_encodingType;
    QLineEdit *m_name;
    QLineEdit *m_class;
};

} // namespace tagloom
