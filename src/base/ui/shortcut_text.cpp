#include "base/ui/shortcut_text.h"

#include <QHash>
#include <QStringList>

namespace tagloom {

QKeySequence shortcutFromText(const QString &text)
{
    // Key names of the stored texts that Qt spells otherwise.
    static const QHash<QString, QString> aliases = {
        {QStringLiteral("enter"), QStringLiteral("Return")},
        {QStringLiteral("bksp"), QStringLiteral("Backspace")},
        {QStringLiteral("pgdn"), QStringLiteral("PgDown")},
        {QStringLiteral("esc"), QStringLiteral("Esc")},
        {QStringLiteral("ins"), QStringLiteral("Ins")},
        {QStringLiteral("del"), QStringLiteral("Del")},
    };
    if (text.isEmpty())
        return QKeySequence();
    QStringList parts = text.split(QLatin1Char('+'));
    QString key = parts.takeLast();
    if (key.isEmpty() && !parts.isEmpty()) { // "Ctrl++"
        parts.removeLast();
        key = QStringLiteral("+");
    }
    for (const QString &modifier : parts) {
        const QString m = modifier.toLower();
        if (m != QLatin1String("shift") && m != QLatin1String("ctrl") && m != QLatin1String("alt"))
            return QKeySequence();
    }
    key = aliases.value(key.toLower(), key);
    parts.append(key);
    const QKeySequence sequence = QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return QKeySequence();
    return sequence;
}

QString shortcutToText(QKeyCombination combination)
{
    const Qt::Key key = combination.key();
    // No key, or a modifier alone, makes no shortcut.
    if (int(key) == 0)
        return QString();
    switch (key) {
    case Qt::Key_unknown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return QString();
    default:
        break;
    }
    // Qt's names, spelt as the stored texts spell them.
    static const QHash<QString, QString> names = {
        {QStringLiteral("Return"), QStringLiteral("Enter")}, {QStringLiteral("Backspace"), QStringLiteral("BkSp")},
        {QStringLiteral("PgDown"), QStringLiteral("PgDn")},  {QStringLiteral("Escape"), QStringLiteral("Esc")},
    };
    QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    if (name.isEmpty())
        return QString();
    name = names.value(name, name);
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString text;
    if (modifiers & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (modifiers & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    return text + name;
}

} // namespace tagloom
