#include "wireless/ui/wml_pair_dialog.h"

#include "base/ui/window_placement.h"
#include "tags/ui/field_rows.h"
#include "wireless/wml_markup.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace tagloom {

WmlPairDialog::WmlPairDialog(const QString &title, const char *objectName, Field first, Field second,
                             Generator generator, ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(title, std::move(activeEditor), parent), m_generator(generator)
{
    setObjectName(QLatin1String(objectName));
    auto *fields = new QWidget(this);
    FieldRows rows(fields);
    m_first = rows.addText(first.name, first.label);
    m_second = rows.addText(second.name, second.label);
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    addButtonRow(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFocusProxy(m_first);
    adjustSize();
    centreOnScreen(this);
}

WmlPairDialog *WmlPairDialog::card(ActiveEditor activeEditor, QWidget *parent)
{
    return new WmlPairDialog(
        QStringLiteral("Insert WML Card"), "TWMLCardForm", {"EditName", "Name:"}, {"EditTitle", "Title:"},
        [](const QString &name, const QString &title) { return wmlCardMarkup({name, title}); },
        std::move(activeEditor), parent);
}

WmlPairDialog *WmlPairDialog::access(ActiveEditor activeEditor, QWidget *parent)
{
    return new WmlPairDialog(
        QStringLiteral("WML Access Tag..."), "TWMLAccessForm", {"EditDomain", "Domain:"}, {"EditPath", "Path:"},
        [](const QString &domain, const QString &path) { return wmlAccessMarkup({domain, path}); },
        std::move(activeEditor), parent);
}

MarkupOutcome WmlPairDialog::markup() const
{
    return MarkupOutcome::inserting(m_generator(m_first->text(), m_second->text()));
}

void WmlPairDialog::resetFields()
{
    m_first->clear();
    m_second->clear();
}

} // namespace tagloom
