#include "tags/navigation_markup.h"

namespace tagloom {

namespace {

constexpr int maximumItems = 32767;

} // namespace

std::optional<int> navigationItemCount(const QString &itemsText)
{
    const QString digits = itemsText.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    // Plain digits only: no sign, no thousands separator; stopping past the
    // largest count keeps a long run of digits from overflowing.
    int count = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        count = count * 10 + (c.unicode() - '0');
        if (count > maximumItems)
            return std::nullopt;
    }
    if (count < 1)
        return std::nullopt;
    return count;
}

QList<NavigationRow> resizedNavigationRows(const QList<NavigationRow> &rows, const QString &itemsText)
{
    const std::optional<int> count = navigationItemCount(itemsText);
    if (!count)
        return rows;
    QList<NavigationRow> resized = rows.mid(0, *count);
    resized.resize(*count);
    return resized;
}

QStringList navigationLines(const NavigationFields &f)
{
    QStringList lines;
    lines << QStringLiteral("<form>");
    lines << QLatin1String("<select name=\"") + f.Name + QLatin1String("\" ")
            + QLatin1String("onChange='top.location.href=this.form.") + f.Name
            + QLatin1String(".options[this.form.") + f.Name + QLatin1String(".selectedIndex].value'>");
    lines << QStringLiteral("<option value='#'>Select Item");
    for (const NavigationRow &row : f.Rows)
        lines << QLatin1String("<option value=\"") + row.Link + QLatin1String("\">") + row.Text;
    lines << QStringLiteral("</select>");
    lines << QStringLiteral("</form>");
    return lines;
}

MarkupOutcome navigationMarkup(const NavigationFields &fields)
{
    return MarkupOutcome::inserting(linesInsertion(navigationLines(fields)));
}

} // namespace tagloom
