#include "styles/style_block.h"

#include <iterator>

namespace tagloom {

namespace {

// The CSS names of StyleField::Spaced, in the same order.
const char *const kSpacedProperties[] = {
    "font-size", "font-weight", "color", "font-family", "font-style", "font", "line-height", "text-decoration",
    "text-align", "text-indent", "text-transform", "margin-top", "margin-bottom", "margin-left", "margin-right",
    "padding-top", "padding-bottom", "padding-left", "padding-right", "clip", "height", "width", "left", "top",
    "overflow", "position", "visibility",
};
static_assert(std::size(kSpacedProperties) == std::size(StyleField::Spaced));

QString line(const char *property, const QString &value)
{
    return QLatin1String(property) + value + QLatin1Char(';');
}

} // namespace

QStringList styleBlockLines(const StyleFields &fields)
{
    QStringList lines{fields.selector + QStringLiteral(" {")};
    for (size_t i = 0; i < std::size(kSpacedProperties); ++i)
        lines << QLatin1String(kSpacedProperties[i]) + QStringLiteral(" : ") + fields.value(StyleField::Spaced[i]) +
                     QLatin1Char(';');
    lines << line("list-style-position: ", fields.value("ListPosition"))
          << line("list-style-image: ", fields.value("BulletImage"))
          << line("list-style-type: ", fields.value("ListType"));
    QStringList colours;
    for (const char *side : StyleField::BorderSides)
        colours << fields.values.value(QStringLiteral("Border%1Color").arg(QLatin1String(side)));
    lines << line("border-color: ", colours.join(QLatin1Char(' ')));
    for (const char *side : StyleField::BorderSides) {
        const QString name = QStringLiteral("Border%1").arg(QLatin1String(side));
        lines << QStringLiteral("border-%1-width: ").arg(name.mid(6).toLower()) +
                     fields.values.value(name + QStringLiteral("Width")) +
                     fields.values.value(name + QStringLiteral("Unit")) + QLatin1Char(';');
    }
    lines << line("letter-spacing: ", fields.value("LetterSpacing") + fields.value("LetterSpacingUnit"))
          << line("word-spacing: ", fields.value("WordSpacing") + fields.value("WordSpacingUnit"))
          << line("white-space: ", fields.value("Whitespace")) << QStringLiteral(" }");
    return lines;
}

} // namespace tagloom
