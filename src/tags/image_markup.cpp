#include "tags/image_markup.h"

#include "tags/tag_text.h"

namespace tagloom {

QString imageTag(const ImageFields &f)
{
    QString tag = QLatin1String("<img src=\"") + f.Src + QLatin1Char('"');
    appendOptionalAttribute(tag, "height", f.Height);
    appendOptionalAttribute(tag, "width", f.Width);
    appendOptionalAttribute(tag, "alt", f.AltText);
    appendOptionalAttribute(tag, "lowres", f.LowRes);
    // Border before style, whatever order the fields are shown in.
    appendOptionalAttribute(tag, "border", f.Border);
    appendOptionalAttribute(tag, "style", f.Style);
    appendOptionalAttribute(tag, "name", f.Name);
    tag += QLatin1Char('>');
    // Any alignment, "top" or "middle" too, aligns the paragraph, never the img.
    if (!f.Align.isEmpty())
        tag = QLatin1String("<p align=\"") + f.Align + QLatin1String("\">") + tag + QLatin1String("</p>");
    return tag;
}

MarkupOutcome imageMarkup(const ImageFields &fields, bool editMode)
{
    QList<DialogMessage> messages;
    if (fields.Src.isEmpty())
        messages.append({DialogMessage::Kind::Warning, QStringLiteral("You have not specifed an picture.")});
    const QString tag = imageTag(fields);
    return MarkupOutcome::inserting(editMode ? replaceInsertion(tag) : lineInsertion(tag), messages);
}

QStringList imageFileFilters()
{
    return {
        QStringLiteral("All (*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf"),
        QStringLiteral("JPEG Image File (*.jpg)|*.jpg"),
        QStringLiteral("JPEG Image File (*.jpeg)|*.jpeg"),
        QStringLiteral("GIF Image (*.gif)|*.gif"),
        QStringLiteral("Bitmaps (*.bmp)|*.bmp"),
        QStringLiteral("Icons (*.ico)|*.ico"),
    };
}

QStringList pictureFiltersWithMetafiles()
{
    return imageFileFilters() + QStringList{QStringLiteral("Enhanced Metafiles (*.emf)|*.emf"),
                                            QStringLiteral("Metafiles (*.wmf)|*.wmf")};
}

} // namespace tagloom
