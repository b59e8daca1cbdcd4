#pragma once
// The style-sheet editor's rule block: the selector and every property
// field turned into forty lines, always all of them, in a fixed order,
// whether or not a field is filled. Values go in as typed.

#include <QHash>
#include <QString>
#include <QStringList>

namespace tagloom {

struct StyleFields {
    QString selector = QStringLiteral("Choose...");
    // Field texts by the field's object name (StyleField names below); a
    // missing field counts as empty.
    QHash<QString, QString> values;
    QString value(const char *field) const { return values.value(QLatin1String(field)); }
};

// The object names of the property fields, in the order of the block.
namespace StyleField {
inline constexpr const char *Spaced[] = {
    "FontSize", "FontWeight", "Colour", "FontFamily", "FontStyle", "Font", "LineHeight", "TextDecoration",
    "TextAlign", "TextIndent", "TextTransform", "MarginTop", "MarginBottom", "MarginLeft", "MarginRight",
    "PaddingTop", "PaddingBottom", "PaddingLeft", "PaddingRight", "Clip", "Height", "Width", "Left", "Top",
    "Overflow", "Position", "Visibility",
};
inline constexpr const char *BorderSides[] = {"Top", "Right", "Bottom", "Left"};
} // namespace StyleField

QStringList styleBlockLines(const StyleFields &fields);

} // namespace tagloom
