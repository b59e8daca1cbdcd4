#include "tags/ui/applet_dialog.h"

#include "base/ui/file_dialogs.h"
#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

AppletDialog::AppletDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Java Applet..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TJavaForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_applet = rows.addText("EditApplet", "Applet:");
    connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Insert Java Applet");
        request.filters = {QStringLiteral("Java Files (*.class)|*.class"), QStringLiteral("All Files (*.*)|*.*")};
        request.defaultSuffix = QStringLiteral("class");
        chooseInto(m_applet, request);
    });
    m_codeBase = rows.addText("EditCodeBase", "Code Base:");
    connect(rows.addButton("B&rowse..."), &QPushButton::clicked, this, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Insert Java Codebase");
        request.filters = {QStringLiteral("All Files (*.*)|*.*")};
        chooseInto(m_codeBase, request);
    });
    m_alternativeText = rows.addText("EditAlternativeText", "Alternative Text:");
    m_name = rows.addText("EditName", "Name:");
    m_width = rows.addText("EditWidth", "Width:");
    m_height = rows.addText("EditHeight", "Height:");
    m_vSpace = rows.addText("EditVSpace", "VSpace:");
    m_hSpace = rows.addText("EditHSpace", "HSpace:");
    m_align = rows.addDropDown("EditAlign", "Align:",
                               {QStringLiteral("bottom"), QStringLiteral("left"), QStringLiteral("middle"),
                                QStringLiteral("right"), QStringLiteral("top")},
                               true);
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_applet);
}

AppletFields AppletDialog::fields() const
{
    AppletFields f;
    f.EditApplet = m_applet->text();
    f.EditCodeBase = m_codeBase->text();
    f.EditAlternativeText = m_alternativeText->text();
    f.EditName = m_name->text();
    f.EditWidth = m_width->text();
    f.EditHeight = m_height->text();
    f.EditVSpace = m_vSpace->text();
    f.EditHSpace = m_hSpace->text();
    f.EditAlign = m_align->currentText();
    return f;
}

MarkupOutcome AppletDialog::markup() const { return appletMarkup(fields()); }

void AppletDialog::resetFields()
{
    for (QLineEdit *field : {m_applet, m_codeBase, m_alternativeText, m_name, m_width, m_height, m_vSpace, m_hSpace})
        field->clear();
    m_align->setEditText(QString());
}

} // namespace tagloom
