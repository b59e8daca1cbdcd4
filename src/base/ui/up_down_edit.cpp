#include "base/ui/up_down_edit.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

namespace tagloom {

UpDownEdit::UpDownEdit(int minimum, int maximum, QWidget *parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum)
{
    setWrapping(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &UpDownEdit::textValueChanged);
}

QString UpDownEdit::textValue() const { return lineEdit()->text(); }

void UpDownEdit::setTextValue(const QString &text) { lineEdit()->setText(text); }

QValidator::State UpDownEdit::validate(QString &, int &) const { return QValidator::Acceptable; }

void UpDownEdit::fixup(QString &) const {}

std::optional<int> UpDownEdit::number() const
{
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void UpDownEdit::stepBy(int steps)
{
    const std::optional<int> now = number();
    qint64 next = now ? qint64(*now) + steps : (steps > 0 ? m_minimum : m_maximum);
    next = std::clamp<qint64>(next, m_minimum, m_maximum);
    lineEdit()->setText(QString::number(next));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const
{
    const std::optional<int> now = number();
    if (!now)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (*now < m_maximum)
        enabled |= StepUpEnabled;
    if (*now > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

} // namespace tagloom
