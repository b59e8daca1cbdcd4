#include "tags/media_markup.h"

namespace tagloom {

namespace {

QString trueFalse(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

} // namespace

QString fileUrl(const QString &path) { return QStringLiteral("file://") + path; }

QStringList mediaLines(MediaMode mode, const QString &source)
{
    const QString &s = source;
    switch (mode) {
    case MediaMode::Sound:
        return {QStringLiteral("<embed src=\"") + s + QStringLiteral("\" autostart=\"true\" hidden=\"true\" loop=\"0\">"),
                QStringLiteral("<bgsound src=\"") + s + QStringLiteral("\" loop=\"infinite\">")};
    case MediaMode::Video:
        return {QStringLiteral("<embed src=\"") + s + QStringLiteral("\" autostart=\"true\" width=\"200\" height=\"200\">")};
    case MediaMode::Shock:
        // The letter case differs from line to line; it is kept as it is.
        return {QStringLiteral("<OBJECT id=\"who\" classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\" codebase=\"") +
                    QLatin1String(ShockwaveInstaller) + QStringLiteral("\">"),
                QStringLiteral("<param name=\"Movie\" value=\"") + s + QStringLiteral("\">"),
                QStringLiteral("<param NAME=\"Quality\" VALUE=\"best\"><param NAME=\"SAlign\" VALUE=\"Top\">"
                               "<PARAM NAME=\"Play\" VALUE=\"true\">"),
                QStringLiteral("<EMBED SRC=\"") + s + QStringLiteral("\" play=\"false\" quality=\"best\"></EMBED>"),
                QStringLiteral("</OBJECT>")};
    case MediaMode::Plugs:
        break;
    }
    return {QStringLiteral("<embed src=\"") + s + QStringLiteral("\"></embed>")};
}

MarkupOutcome mediaMarkup(MediaMode mode, const QString &source)
{
    return MarkupOutcome::inserting(linesInsertion(mediaLines(mode, source)));
}

QString quickTimeLine(const QuickTimeFields &f)
{
    return QStringLiteral("<embed src=\"") + f.Movie + QStringLiteral("\" height=\"") + f.Height +
           QStringLiteral("\" width=\"") + f.Width + QStringLiteral("\" autoplay=\"") + trueFalse(f.AutoPlay) +
           QStringLiteral("\" loop=\"") + trueFalse(f.Loop) + QStringLiteral("\" controller=\"") +
           trueFalse(f.Controls) + QStringLiteral("\" href=\"") + f.LinkTo + QStringLiteral("\" target=\"") +
           f.Target + QStringLiteral("\" pluginspage=\"") + QLatin1String(QuickTimePluginPage) +
           QStringLiteral("\"></embed>");
}

MarkupOutcome quickTimeMarkup(const QuickTimeFields &fields)
{
    return MarkupOutcome::inserting(lineInsertion(quickTimeLine(fields)));
}

QStringList realVideoLines(const RealVideoFields &f)
{
    const QString autoPlay = trueFalse(f.AutoPlay);
    return {
        QStringLiteral("<object id=RAOCX classid=\"clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA\" width=\"") + f.Width +
            QStringLiteral("\" height=\"") + f.Height + QStringLiteral("\">"),
        QStringLiteral("<param name=\"SRC\" value=\"") + f.Movie + QStringLiteral("\">"),
        QStringLiteral("<param name=\"CONSOLE\" value=\"Clip1\">"),
        QStringLiteral("<param name=\"CONTROLS\" value=\"imagewindow\">"),
        QStringLiteral("<param name=\"AUTOSTART\" value=\"") + autoPlay + QStringLiteral("\">"),
        QStringLiteral("<embed src=\"") + f.Movie + QStringLiteral("\" height=\"") + f.Height +
            QStringLiteral("\" width=\"") + f.Width +
            QStringLiteral("\" controls=\"ImageWindow\" console=\"Clip1\" pluginspage=\"") +
            QLatin1String(RealVideoPluginPage) + QStringLiteral("\" autoplay=\"") + autoPlay +
            QStringLiteral("\"></embed>"),
        QStringLiteral("</object>"),
    };
}

MarkupOutcome realVideoMarkup(const RealVideoFields &fields)
{
    return MarkupOutcome::inserting(linesInsertion(realVideoLines(fields)));
}

QString activeXLine()
{
    return QStringLiteral("<object id=\"\" classid=\"\" width= height= data=\"\"></object>");
}

} // namespace tagloom
