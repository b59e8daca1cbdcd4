#pragma once
// "Insert Java Applet...": one applet opening tag; reopened on an existing
// APPLET tag it replaces that tag.

#include "tags/applet_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLineEdit;

namespace tagloom {

class AppletDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit AppletDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    AppletFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    QLineEdit *m_applet;
    QLineEdit *m_codeBase;
    QLineEdit *m_alternativeText;
    QLineEdit *m_name;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QLineEdit *m_vSpace;
    QLineEdit *m_hSpace;
    QComboBox *m_align;
};

} // namespace tagloom
