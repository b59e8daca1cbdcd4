#include "vocabulary/palette_tables.h"

#include "vocabulary/format_snippets.h"

#include <initializer_list>

namespace tagloom {

namespace {

// Texts are plain 8-bit; every one below is ASCII.
QString text(const char *s) { return QString::fromLatin1(s); }

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *s : list)
        out.append(text(s));
    return out;
}

PaletteEntry entry(const char *name, const char *caption, PaletteAction action)
{
    PaletteEntry e;
    e.id = text(name); // made whole ("Palette.<page>.<name>") once the page is built
    e.caption = text(caption);
    e.action = action;
    return e;
}

PaletteEntry inserting(const char *name, const char *caption, Insertion insertion)
{
    PaletteEntry e = entry(name, caption, PaletteAction::Insert);
    e.insertion = std::move(insertion);
    return e;
}

PaletteEntry line(const char *name, const char *caption, const char *line)
{
    return inserting(name, caption, lineInsertion(text(line)));
}

PaletteEntry lines(const char *name, const char *caption, std::initializer_list<const char *> lines)
{
    return inserting(name, caption, linesInsertion(texts(lines)));
}

PaletteEntry wrap(const char *name, const char *caption, const char *open, const char *close)
{
    return inserting(name, caption, wrapInsertion(text(open), text(close)));
}

PaletteEntry command(const char *name, const char *caption)
{
    return entry(name, caption, PaletteAction::Command);
}

PaletteEntry documentCommand(const char *name, const char *caption)
{
    PaletteEntry e = command(name, caption);
    e.needsDocument = true;
    return e;
}

PaletteEntry menu(const char *name, const char *caption, QList<PaletteEntry> items)
{
    PaletteEntry e = entry(name, caption, PaletteAction::Menu);
    e.items = std::move(items);
    return e;
}

PaletteEntry separator() { return entry("", "", PaletteAction::Separator); }

PaletteEntry serverVariables()
{
    PaletteEntry e = command("Vars", "Vars");
    e.tooltip = texts({"Insert a Server Variable"});
    return e;
}

PaletteEntry pictured(PaletteEntry e, const char *picture, std::initializer_list<const char *> tooltip)
{
    e.picture = text(picture);
    e.tooltip = texts(tooltip);
    return e;
}

QList<PaletteEntry> commonPage()
{
    return {
        pictured(command("Image", "Image"), "image",
                 {"Insert an Image", "- Use this feature to add an image to your ", "HTML documents."}),
        pictured(command("Rollover", "Rollover"), "rollover",
                 {"Insert an Image Rollover", "- Use this option to change one image for ",
                  "another when the mouse is passed over it and ", "back again."}),
        pictured(command("Hyperlink", "Hyperlink"), "hyperlink",
                 {"Insert a Hyperlink:", "- Use this option to link to other pages in your ",
                  "web site, and control the target frame you ", "want."}),
        pictured(inserting("Anchor", "Anchor", anchorLine()), "anchor",
                 {"Insert an Anchor", "- This can be used to navigate to a specific ",
                  "point in your page, for easier locating of ", "important information."}),
        pictured(command("Script", "Script"), "script",
                 {"Insert a Client-Side Script", "- Use this option to automatically insert any of ",
                  "the following script languages and invoke the ", "select syntax highlighting.", "",
                  "JavaScript, VBScript, PHP and JScript."}),
        pictured(command("Applet", "Java Applet"), "applet",
                 {"Insert a Java Applet", "- To add a Java applet to your document use ", "this option."}),
        pictured(inserting("Comment", "Comment", commentLine()), "comment",
                 {"Insert a Comment", "- Here you can insert text which will not be ",
                  "displayed by the web browser, such as author ", "or copyright information."}),
        pictured(command("Shockwave", "Shockwave"), "shockwave",
                 {"Insert Shockwave", "- Use this option for cross-browser embedding ",
                  "of Shockwave and Flash plug-ins."}),
        pictured(command("Video", "Video"), "video",
                 {"Insert a Video", "- Here you can embed an MPEG or AVI video ", "file in your web page."}),
        pictured(command("Sound", "Sound"), "sound",
                 {"Insert a Sound Clip", "- Use this option to have a sound clip played ", "on your web page."}),
        pictured(command("QuickTime", "QuickTime"), "quicktime",
                 {"Insert QuickTime Video", "- With this option you can have cross-browser ",
                  "embedding of QuickTime videos in your ", "document.  ", "",
                  "QuickTime (C) 1991 - 99 Apple Computer.", "QuickTime is a trademark of Apple Computer."}),
        pictured(command("RealVideo", "RealVideo"), "realvideo",
                 {"Insert RealVideo Stream", "- Insert a feed from a RealVideo stream using ",
                  "this option in your web pages.", "", "RealVideo is a trademark of Real Networks."}),
        pictured(command("NavigationMenu", "Navigation Menu"), "navigation",
                 {"Insert a Navigation Menu", "- Click here to insert a list of pages, with ",
                  "appropriate hyperlinks, that will automatically ", "redirect to the relevant page depending on ",
                  "what the user will select."}),
        pictured(command("ActiveX", "ActiveX"), "activex",
                 {"Insert an ActiveX Control", "- ActiveX can be used with Internet Explorer to ",
                  "embed certain objects.", "", "ActiveX and Internet Explorer are trademarks ",
                  "of Microsoft Corporation."}),
        pictured(command("Plugin", "Plug-in"), "plugin",
                 {"Insert a Plug-In", "- Click here to insert a Netscape compatible ", "plug-in into your web page."}),
        pictured(inserting("LineBreak", "Line Break", lineBreak()), "linebreak",
                 {"Insert a Line Break", "- Does exactly what it says above, you know."}),
        pictured(command("Layer", "Layer"), "layer",
                 {"Insert a Layer", "- Use this option to specify coordinates for a ", "layer using a custom tag."}),
        pictured(command("Timestamp", "Time Stamp"), "timestamp",
                 {"Insert Time Stamp", "- This JavaScript option will display the date ",
                  "the page was last modified on."}),
    };
}

QList<PaletteEntry> framesPage()
{
    return {
        line("Frameset", "frameset", "<frameset></frameset>"),
        line("Frame", "frame", "<frame>"),
        line("Iframe", "iframe", "<iframe>"),
        line("Noframes", "noframes", "<noframes>"),
    };
}

QList<PaletteEntry> tablesPage()
{
    PaletteEntry table = command("Table", "table");
    table.tooltip = texts({"Insert a Table"});
    return {
        table,
        line("Tbody", "tbody", "<tbody></tbody>"),
        line("Thead", "thead", "<thead></thead>"),
        line("Tfoot", "tfoot", "<tfoot></tfoot>"),
        line("Tr", "tr", "<tr></tr>"),
        line("Td", "td", "<td></td>"),
    };
}

QList<PaletteEntry> formsPage()
{
    return {
        pictured(lines("Form", "Form", {"<form name=\"..\" action=\"..\" style=\"..\">", "</form>"}), "form",
                 {"Insert a Form"}),
        pictured(menu("PushButton", "Push Button",
                      {
                          line("Normal", "&Normal", "<input type=\"button\" style=\"..\">"),
                          line("Submit", "&Submit", "<input type=\"submit\" style=\"..\">"),
                          line("Reset", "&Reset", "<input type=\"reset\" style=\"..\">"),
                      }),
                 "pushbutton", {"Insert a Push Button"}),
        pictured(line("CheckBox", "Check Box", "<input type=\"checkbox\" style=\"..\">"), "checkbox",
                 {"Insert a Check Box"}),
        pictured(line("RadioButton", "Radio Button", "<input type=\"radio\" style=\"..\">"), "radio",
                 {"Insert a Radio Button"}),
        pictured(line("TextField", "Text Field", "<input type=\"text\" style=\"..\">"), "textfield",
                 {"Insert a Text Field"}),
        pictured(line("TextArea", "Text Area", "<textarea name=\"..\" style=\"..\"></textarea>"), "textarea",
                 {"Insert a Text Area"}),
        pictured(line("DropDownList", "Drop-Down List",
                      "<select name=\"Menu\" size=\"1\"><option selected>A</option><option>B</option>"
                      "<option>C</option></select>"),
                 "select", {"Insert a Drop-Down List"}),
        pictured(line("FileField", "File Field", "<input type=\"file\" name=\"file\" enctype=\"multipart/form-data\">"),
                 "filefield", {"Insert a File Field"}),
        pictured(line("ImageField", "Image Field", "<input type=\"image\" border=\"0\" name=\"imageField\" src=\"\">"),
                 "imagefield", {"Insert an Image Field"}),
        pictured(line("HiddenField", "Hidden Field", "<input type=\"hidden\">"), "hidden", {"Insert a Hidden Field"}),
    };
}

QList<PaletteEntry> listsPage()
{
    return {
        line("UL", "UL", "<UL></UL>"), line("OL", "OL", "<OL></OL>"), line("LI", "LI", "<LI>"),
        line("DD", "DD", "<DD>"),      line("DT", "DT", "<DT>"),      line("Menu", "M", "<MENU></MENU>"),
    };
}

QList<PaletteEntry> wmlPage()
{
    return {
        documentCommand("Access", "access"),
        documentCommand("Card", "card"),
        documentCommand("Go", "go"),
        separator(),
        menu("BigSmall", "big/small",
             {wrap("Big", "&Big", "<big>", "</big>"), wrap("Small", "&Small", "<small>", "</small>")}),
        pictured(wrap("Strong", "Strong", "<strong>", "</strong>"), "strong", {"Strong"}),
        pictured(wrap("Emphasis", "Emphasis", "<em>", "</em>"), "emphasis", {"Emphasis"}),
        pictured(wrap("Underline", "Underline", "<u>", "</u>"), "underline", {"Underline"}),
    };
}

QList<PaletteEntry> aspPage()
{
    return {
        serverVariables(),
        line("Include", "#", "<!--#include file=\"\"-->"),
        line("Block", "<%%>", "<% %>"),
        line("Value", "<%= %>", "<%= %>"),
        line("If", "<% if %>", "<% if %>"),
        line("Else", "<% else %>", "<% else %>"),
        line("EndIf", "<% end if %>", "<% elseif %>"), // this button has always written elseif
    };
}

QList<PaletteEntry> coldFusionPage()
{
    PaletteEntry add = entry("Add", "+", PaletteAction::InsertChoice);
    add.tooltip = texts({"Insert the tag chosen on the left"});
    return {
        serverVariables(),
        separator(),
        entry("Tags", "ColdFusion Tags...", PaletteAction::TagChoice),
        add,
        separator(),
        line("If", "if", "<cfif></cfif>"),
        line("Else", "else", "<cfelse>"),
        line("ElseIf", "eif", "<cfelseif>"),
        line("Set", "set", "<cfset>"),
        line("Output", "out", "<cfoutput></cfoutput>"),
    };
}

QList<PaletteEntry> ssiPage()
{
    auto pair = [](const char *name, const char *caption, const char *virtualLine, const char *directLine) {
        return menu(name, caption, {line("Virtual", "Virtual", virtualLine), line("Direct", "Direct", directLine)});
    };
    return {
        serverVariables(),
        line("Break", "Brake", "<!--#break -->"),
        line("Echo", "Echo", "<!--#echo var=\"\" -->"),
        line("Label", "Label", "<!--#label=\"\" -->"),
        line("Goto", "Goto", "<!--#goto=\"\" -->"),
        menu("Extras", "Extras",
             {
                 menu("ODBC", "ODBC",
                      {
                          line("Connect", "Connect", "<!--#odbc connect=\"datasource,username,password\" -->"),
                          line("Debug", "Debug", "<!--#odbc debug=\"\" -->"),
                          line("Format", "Format", "<!--#odbc format=\"\" -->"),
                      }),
                 menu("Exec", "Exec",
                      {line("Command", "Command", "<!--#exec cmd=\"\" -->"), line("CGI", "CGI", "<!--#exec cgi=\"\" -->")}),
                 pair("Include", "Include", "<!--#include virtual =\"\" -->", "<!--#include file=\"\" -->"),
                 pair("Flastmod", "Flastmod", "<!--#flastmod virtual=\"\" -->", "<!--#flastmod file=\"\" -->"),
                 pair("FileSize", "File Size", "<!--#fsize virtual=\"\" -->", "<!--#fsize file=\"\" -->"),
             }),
    };
}

QList<PaletteEntry> phpPage()
{
    return {
        serverVariables(),
        line("Short", "<? ?>", "<?    ?>"),
        line("Long", "<?php ?>", "<?php       ?>"),
        lines("Var", "$var = \"\";", {"<?", "$var =  \"..\"; ", "?>"}),
        lines("ArrayVar", "$var[x] = \"\";", {"<?", "$var[x] = \"..\";", "?>"}),
        lines("Echo", "echo", {"<?", "echo \"$var\"; ", "?>"}),
        lines("If", "if", {"<?", "if ($a > $b)", "     print \"a > b\" ?>"}),
        lines("Else", "else", {"<?", "} else {", "?>"}),
        lines("ElseIf", "elseif", {"<?", "} elseif ($a==$b) {", "?>"}),
    };
}

QList<PaletteEntry> webTvPage()
{
    return {
        line("Audioscope", "Audiosc",
             "<audioscope align=\"\" leftcolor=\"#\" width=\"\" height=\"\" rightcolor=\"#\" rightoffset=\"\" "
             "border=\"\" leftoffset=\"\" maxlevel=\"yes|no\" gain=\"\">"),
        line("Basefont", "Basefont", "<basefont size=\"\" face=\"\" color=\"\">"),
        line("BQ", "BQ", "<bq></bq>"),
        line("LimitText", "LimitText", "<limittext width=\"\" size=\"\" value=\"\">"),
        line("Nobr", "Nobr", "<nobr>"),
        line("Nosmartquotes", "Nosmartquotes", "<nosmartquotes></nosmartquotes>"),
        line("Shadow", "Shadow", "<shadow></shadow>"),
        line("Sidebar", "Sidebar", "<sidebar align=\"\" width=\"\"></sidebar>"),
    };
}

// Turns the short names into whole ids: "Palette.SSI.Extras.ODBC.Connect".
void qualify(QList<PaletteEntry> &entries, const QString &prefix)
{
    for (PaletteEntry &e : entries) {
        if (e.action == PaletteAction::Separator)
            continue;
        e.id = prefix + QLatin1Char('.') + e.id;
        qualify(e.items, e.id);
    }
}

QList<PalettePageTable> buildPages()
{
    QList<PalettePageTable> pages = {
        {QStringLiteral("Common"), commonPage()},   {QStringLiteral("Frames"), framesPage()},
        {QStringLiteral("Tables"), tablesPage()},   {QStringLiteral("Forms"), formsPage()},
        {QStringLiteral("Lists"), listsPage()},     {QStringLiteral("WML"), wmlPage()},
        {QStringLiteral("ASP"), aspPage()},         {QStringLiteral("ColdFusion"), coldFusionPage()},
        {QStringLiteral("SSI"), ssiPage()},         {QStringLiteral("PHP"), phpPage()},
        {QStringLiteral("WebTV"), webTvPage()},
    };
    for (PalettePageTable &page : pages)
        qualify(page.entries, QStringLiteral("Palette.") + page.flag);
    return pages;
}

template <typename Visit>
void walk(const QList<PaletteEntry> &entries, const Visit &visit)
{
    for (const PaletteEntry &e : entries) {
        visit(e);
        walk(e.items, visit);
    }
}

template <typename Accept>
QList<const PaletteEntry *> collect(const Accept &accept)
{
    QList<const PaletteEntry *> found;
    for (const PalettePageTable &page : palettePageTables())
        walk(page.entries, [&](const PaletteEntry &e) {
            if (accept(e))
                found.append(&e);
        });
    return found;
}

} // namespace

const QList<PalettePageTable> &palettePageTables()
{
    static const QList<PalettePageTable> pages = buildPages();
    return pages;
}

const PalettePageTable *palettePageTable(const QString &flag)
{
    for (const PalettePageTable &page : palettePageTables())
        if (page.flag == flag)
            return &page;
    return nullptr;
}

const PaletteEntry *findPaletteEntry(const QString &id)
{
    const QList<const PaletteEntry *> found =
        collect([&](const PaletteEntry &e) { return e.action != PaletteAction::Separator && e.id == id; });
    return found.value(0, nullptr);
}

QList<const PaletteEntry *> paletteInsertEntries()
{
    return collect([](const PaletteEntry &e) { return e.action == PaletteAction::Insert; });
}

QList<const PaletteEntry *> paletteCommandEntries()
{
    return collect([](const PaletteEntry &e) { return e.action == PaletteAction::Command; });
}

QString paletteTooltip(const PaletteEntry &entry)
{
    if (!entry.tooltip.isEmpty())
        return entry.tooltip.join(QLatin1Char('\n'));
    // Text buttons without a tooltip of their own show what they insert.
    if (entry.action == PaletteAction::Insert)
        return entry.insertion.texts.join(QLatin1Char('\n'));
    return QString(entry.caption).remove(QLatin1Char('&'));
}

QString coldFusionTagPrompt() { return QStringLiteral("ColdFusion Tags..."); }

Insertion coldFusionTagInsertion(const QString &dropDownText) { return lineInsertion(dropDownText); }

} // namespace tagloom
