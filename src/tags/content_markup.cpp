#include "tags/content_markup.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "codetools/rtf_to_html.h"

namespace tagloom {

namespace {

QStringList linesOf(std::initializer_list<const char *> lines)
{
    QStringList out;
    for (const char *line : lines)
        out.append(QLatin1String(line));
    return out;
}

const char ScriptOpen[] = "<SCRIPT language=\"JavaScript\" type=\"text/javascript\">";

} // namespace

QStringList netscapeFixLines()
{
    return linesOf({
        "<script language=\"JavaScript\">",
        "<!--",
        "function MM_reloadPage(init) {",
        "  if (init == true) {",
        "    if ((navigator.appName == \"Netscape\") && (parseInt(navigator.appVersion) == 4)) {",
        "      document.MM_pgW = innerWidth;",
        "      document.MM_pgH = innerHeight;",
        "      onresize = MM_reloadPage;",
        "    }",
        "  } else if (innerWidth != document.MM_pgW || innerHeight != document.MM_pgH) {",
        "    location.reload();",
        "  }",
        "}",
        "MM_reloadPage(true);",
        "// -->",
        "</script>",
    });
}

QStringList frameThrowerLines()
{
    return linesOf({
        "<script language=\"JavaScript\" type=\"text/javascript\"> ",
        "<!--",
        "setTimeout (\"changePage()\", 3000);",
        "function changePage() {",
        "if (self.parent.frames.length != 0)",
        "self.parent.location=document.location;",
        "}",
        "//-->",
        "</script>",
    });
}

QStringList yourBrowserLines(const QString &prefix, BrowserVariant variant)
{
    QStringList lines = {prefix + QStringLiteral("<BR>")};
    switch (variant) {
    case BrowserVariant::JavaScript:
        lines += linesOf({ScriptOpen, "document.write(navigator.appName)", "</SCRIPT>"});
        break;
    case BrowserVariant::ActiveServerPages:
        lines += QStringLiteral("<% Request.ServerVariables(\"HTTP_USER_AGENT\") %>");
        break;
    case BrowserVariant::ServerSideIncludes:
        lines += QStringLiteral("<!--#ECHO VAR=\"HTTP_USER_AGENT\" -->");
        break;
    case BrowserVariant::Php:
        lines += QStringLiteral("<?php echo $HTTP_USER_AGENT; ?>");
        break;
    }
    return lines;
}

QStringList screenSizeLines(const QString &url640, const QString &url800, const QString &url1024)
{
    const auto go = [](const QString &url) {
        return QStringLiteral("document.location = \"") + url + QStringLiteral("\"; }");
    };
    return {QLatin1String(ScriptOpen),
            QStringLiteral("if (screen.height==480) {"),
            go(url640),
            QStringLiteral("if (screen.height==600) {"),
            go(url800),
            QStringLiteral("if (screen.height==768) {"),
            go(url1024),
            QStringLiteral("</SCRIPT>")};
}

QStringList yourLocationLines(const QString &prefix)
{
    return QStringList{prefix + QStringLiteral("<BR>")} +
           linesOf({ScriptOpen, "document.write(document.location);", "</SCRIPT>"});
}

QStringList bulletedListPageLines(const QString &html)
{
    return {QStringLiteral("<HTML>"),
            QString(),
            QStringLiteral("<HEAD>"),
            QStringLiteral("<TITLE>Untitled</TITLE>"),
            QStringLiteral("</HEAD>"),
            QString(),
            QStringLiteral("<BODY topmargin=\"0\" leftmargin=\"0\" link=\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">"),
            QString(),
            html,
            QString(),
            QStringLiteral("</BODY>"),
            QStringLiteral("</HTML>")};
}

Result<QString> bulletedListHtml(const QString &dataFolder, const QString &rtf)
{
    const QString path = dataFolder + QLatin1String(DataPath::RtfWork);
    const Status written = writeFileAtomically(path, rtf.toUtf8());
    if (!written)
        return Result<QString>::failure(written.error);
    const Result<QByteArray> read = readWholeFile(path);
    if (!read)
        return Result<QString>::failure(read.error);
    return Result<QString>::success(RtfToHtml(QString::fromUtf8(*read)));
}

MarkupOutcome contentMarkup(ContentPage page, const ContentFields &fields)
{
    switch (page) {
    case ContentPage::NetscapeFix:
        return MarkupOutcome::inserting(linesInsertion(netscapeFixLines()));
    case ContentPage::FrameThrower:
        return MarkupOutcome::inserting(linesInsertion(frameThrowerLines()));
    case ContentPage::YourBrowser:
        return MarkupOutcome::inserting(linesInsertion(yourBrowserLines(fields.EditBrowser, fields.browserType)));
    case ContentPage::ScreenSizes:
        return MarkupOutcome::inserting(linesInsertion(screenSizeLines(fields.URLA, fields.URLB, fields.URLC)));
    case ContentPage::BulletedList:
        return MarkupOutcome::inserting(endInsertion(bulletedListPageLines(fields.bulletHtml)));
    case ContentPage::YourLocation:
        return MarkupOutcome::inserting(linesInsertion(yourLocationLines(fields.EditLocation)));
    }
    return MarkupOutcome::inserting(linesInsertion({}));
}

} // namespace tagloom
