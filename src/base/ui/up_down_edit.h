#pragma once
// A text box with an up/down spinner beside it. Unlike a spin box it keeps
// whatever the user types, also an empty or non-numeric text, because that
// text goes into mark-up as typed; the spinner and the arrow keys step the
// number the text holds, within the range and without wrapping. A text that
// holds no number steps from the nearest end of the range.

#include <QAbstractSpinBox>
#include <optional>

namespace tagloom {

class UpDownEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, QWidget *parent = nullptr);

    QString textValue() const;
    void setTextValue(const QString &text);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;

signals:
    // Every change of the text, typed or stepped.
    void textValueChanged(const QString &text);

protected:
    StepEnabled stepEnabled() const override;

private:
    // The number the text holds, if it holds a whole number.
    std::optional<int> number() const;

    int m_minimum;
    int m_maximum;
};

} // namespace tagloom
