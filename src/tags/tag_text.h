#pragma once
// Small pieces shared by the tag generators.

#include <QString>

namespace tagloom {

// Appends ` name="value"` to `tag` when `value` is non-empty; the value goes
// in verbatim (no escaping, no trimming).
inline void appendOptionalAttribute(QString &tag, const char *name, const QString &value)
{
    if (!value.isEmpty())
        tag += QLatin1Char(' ') + QLatin1String(name) + QLatin1String("=\"") + value + QLatin1Char('"');
}

} // namespace tagloom
