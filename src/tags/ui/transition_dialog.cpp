#include "tags/ui/transition_dialog.h"

#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace tagloom {

TransitionDialog::TransitionDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Page Transitions Control"), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TForm31"));
    auto *note = new QLabel(QStringLiteral("This feature will only work with version 4.0 and above of Microsoft "
                                           "Internet Explorer.  Netscape users will see only the normal page."),
                            this);
    note->setWordWrap(true);

    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_event = rows.addDropDown("EditEvent", "Event:",
                               {QStringLiteral("Page-Enter"), QStringLiteral("Page-Exit"), QStringLiteral("Site-Enter"),
                                QStringLiteral("Site-Exit")},
                               false);
    m_event->setEditText(QStringLiteral("Page-Enter"));
    m_time = rows.addText("EditTime", "Time (secs):");
    m_time->setText(QStringLiteral("1"));
    m_types = new QListWidget(fieldsBox);
    m_types->setObjectName(QStringLiteral("ListType"));
    m_types->addItems(transitionTypes());
    m_types->setCurrentRow(-1);
    rows.addWide("Type:", m_types);
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_event);
}

TransitionFields TransitionDialog::fields() const
{
    const QListWidgetItem *chosen = m_types->currentItem();
    return {m_event->currentText(), m_time->text(),
            chosen && chosen->isSelected() ? chosen->text() : QString()};
}

MarkupOutcome TransitionDialog::markup() const { return transitionMarkup(fields()); }

} // namespace tagloom
