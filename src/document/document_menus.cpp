#include "document/document_menus.h"

#include "document/date_stamp.h"

#include <deque>

namespace tagloom {

namespace {

std::vector<MenuItem> bookmarkItems(const char *prefix)
{
    // Ids such as "Search.Bookmarks.Set.3" must outlive the table.
    static std::deque<QByteArray> ids;
    static const char *const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    std::vector<MenuItem> items;
    for (const char *digit : digits) {
        ids.push_back(QByteArray(prefix) + digit);
        items.push_back(menuAction(ids.back().constData(), digit));
    }
    return items;
}

std::vector<MenuItem> buildMenuBar()
{
    std::vector<MenuItem> m = {
        submenu("File", "&File"),
        menuAction("File.New", "&New", "Ctrl+N", "New File"),
        menuAction("File.NewFrom", "N&ew From...", "Ctrl+Shift+N", "New From"),
        menuAction("File.PageWizard", "New Page Wi&zard"),
        menuAction("File.OpenLocal", "&Open from Local", "Ctrl+O", "Open from Local"),
        menuAction("File.OpenWeb", "Open from &Web", "Ctrl+W", "Open from Web"),
        submenu("File.Import", "&Import"),
        menuAction("File.ImportText", "Plain Text Files"),
        menuAction("File.ImportOther", "Other Files"),
        endMenu(),
        submenu("File.Export", "&Export"),
        menuAction("File.ExportUnix", "&UNIX Format"),
        menuAction("File.ExportMac", "&Mac Format"),
        endMenu(),
        separator(),
        menuAction("File.Close", "&Close"),
        menuAction("File.CloseAll", "C&lose All"),
        separator(),
        menuAction("File.Save", "&Save", "Ctrl+S", "Save"),
        menuAction("File.SaveAs", "S&ave As"),
        separator(),
        menuAction("File.Print", "&Print", "Ctrl+P", "Print"),
        menuAction("File.PrintPreview", "Print Preview"),
        separator(),
        menuAction("File.Exit", "E&xit", "Alt+X", "Exit"),
        endMenu(),

        submenu("Edit", "&Edit"),
        menuAction("Edit.Undo", "&Undo", nullptr, "Undo"),
        menuAction("Edit.Redo", "&Redo", nullptr, "Redo"),
        separator(),
        menuAction("Edit.Cut", "&Cut", nullptr, "Cut"),
        menuAction("Edit.Copy", "C&opy", nullptr, "Copy"),
        menuAction("Edit.Paste", "&Paste", nullptr, "Paste"),
        separator(),
        menuAction("Edit.Uppercase", "Convert to Uppercase"),
        menuAction("Edit.Lowercase", "Convert to Lowercase"),
        separator(),
        menuAction("Edit.SelectAll", "&Select All", "Ctrl+A", "Select All"),
        menuAction("Edit.ClearAll", "C&lear All", "Ctrl+Shift+A"),
        separator(),
        menuAction("Edit.Preferences", "Pr&eferences"),
        endMenu(),

        submenu("Search", "&Search"),
        menuAction("Search.Find", "&Find", "Ctrl+F", "Find"),
        menuAction("Search.Replace", "Find and &Replace", "Ctrl+R", "Find and Replace"),
        menuAction("Search.FindFirst", "Find First", "F3", "FindFirst"),
        menuAction("Search.FindNext", "Find Next"),
        separator(),
        menuAction("Search.Top", "Goto &Top"),
        menuAction("Search.Bottom", "Goto &Bottom"),
        menuAction("Search.GotoLine", "Goto &Line Number"),
        submenu("Search.Bookmarks", "Bookmarks"),
        submenu("Search.Bookmarks.Set", "&Set"),
    };
    for (const MenuItem &item : bookmarkItems("Search.Bookmarks.Set."))
        m.push_back(item);
    m.push_back(endMenu());
    m.push_back(submenu("Search.Bookmarks.Go", "&Go To"));
    for (const MenuItem &item : bookmarkItems("Search.Bookmarks.Go."))
        m.push_back(item);
    m.insert(m.end(), {
        endMenu(),
        endMenu(),
        separator(),
        menuAction("Search.Extended", "E&xtended Find and Replace", "Ctrl+Shift+R", "Extended Find and Replace"),
        endMenu(),

        submenu("Insert", "&Insert"),
        menuAction("Insert.Image", "&Image", "Ctrl+I", "Image"),
        menuAction("Insert.Rollover", "&Rollover Image"),
        menuAction("Insert.Hyperlink", "&Hyperlink", "Ctrl+H", "Hyperlink"),
        menuAction("Insert.Anchor", "&Anchor"),
        menuAction("Insert.Comment", "&Comment"),
        menuAction("Insert.Script", "&Script"),
        menuAction("Insert.Applet", "&Java Applet", "Ctrl+J", "Java Applet"),
        menuAction("Insert.Nbsp", "Non-Breaking Space", "Ctrl+Shift+Space", "Non-breaking Space"),
        menuAction("Insert.LineBreak", "Line Break", "Shift+Return", "Line Break"),
        menuAction("Insert.Table", "&Table", "Ctrl+T", "Table"),
        menuAction("Insert.Layer", "&Layer", "Ctrl+L", "Layer"),
        menuAction("Insert.Timestamp", "Ti&mestamp"),
        submenu("Insert.Multimedia", "Multimedia"),
        menuAction("Insert.Shockwave", "&Shockwave"),
        menuAction("Insert.Video", "&Video"),
        menuAction("Insert.Sound", "S&ound"),
        menuAction("Insert.QuickTime", "&Quick Time"),
        menuAction("Insert.RealVideo", "&RealVideo"),
        endMenu(),
        menuAction("Insert.NavigationMenu", "Navigation Menu"),
        menuAction("Insert.ActiveX", "&ActiveX Control"),
        menuAction("Insert.Plugin", "&Plug-in"),
        submenu("Insert.BlankTags", "Blank Tags"),
        menuAction("Insert.Blank.Pair", "<> </>"),
        menuAction("Insert.Blank.Open", "<>"),
        menuAction("Insert.Blank.Close", "</>"),
        menuAction("Insert.Blank.Comment", "<!-- //-->"),
        menuAction("Insert.Blank.Asp", "<% %>"),
        menuAction("Insert.Blank.AspValue", "<%= %>"),
        menuAction("Insert.Blank.Php", "<? ?>"),
        menuAction("Insert.Blank.PhpLong", "<?php ?>"),
        endMenu(),
        endMenu(),

        submenu("Format", "F&ormat"),
        menuAction("Format.Font", "&Font"),
        menuAction("Format.StyleSheets", "Using &Style Sheets"),
        submenu("Format.FontFaces", "Font Faces"),
        menuAction("Format.Bold", "Bold"),
        menuAction("Format.Italic", "Italic"),
        menuAction("Format.Underline", "Underline"),
        menuAction("Format.Strikethrough", "Strikethrough"),
        menuAction("Format.Blink", "Blink"),
        endMenu(),
        submenu("Format.FontSizes", "Font Sizes"),
        menuAction("Format.Size.+5", "+5"),
        menuAction("Format.Size.+4", "+4"),
        menuAction("Format.Size.+3", "+3"),
        menuAction("Format.Size.+2", "+2"),
        menuAction("Format.Size.+1", "+1"),
        menuAction("Format.Size.0", "0"),
        menuAction("Format.Size.-1", "-1"),
        menuAction("Format.Size.-2", "-2"),
        endMenu(),
        submenu("Format.Headers", "Header Levels"),
        menuAction("Format.H1", "Header 1"),
        menuAction("Format.H2", "Header 2"),
        menuAction("Format.H3", "Header 3"),
        menuAction("Format.H4", "Header 4"),
        menuAction("Format.H5", "Header 5"),
        endMenu(),
        submenu("Format.Alignment", "Alignment"),
        menuAction("Format.Align.Left", "Left"),
        menuAction("Format.Align.Center", "Center"),
        menuAction("Format.Align.Right", "Right"),
        endMenu(),
        menuAction("Format.Transitions", "&DHTML Transitions"),
        separator(),
        menuAction("Format.EditCurrentTag", "&Edit Current Tag"),
        endMenu(),

        submenu("Tools", "&Tools"),
        menuAction("Tools.SpellCheck", "&Spell Check", "F7", "Spell Check"),
        separator(),
        menuAction("Tools.ImageMap", "&Image Map Creator"),
        menuAction("Tools.VisualLayer", "Create &Layer Visually"),
        menuAction("Tools.ContentWizards", "Content Wi&zards"),
        menuAction("Tools.StyleEditor", "Hueloom"),
        submenu("Tools.Site", "Pathloom"),
        menuAction("Tools.Site.Administer", "Administer"),
        menuAction("Tools.Site.Client", "Client"),
        endMenu(),
        menuAction("Tools.DownloadTimer", "&Download Timer"),
        separator(),
        menuAction("Tools.ImageEditor", "Edit with Image Editor"),
        menuAction("Tools.Wbmp", "Convert Image to WBMP"),
        endMenu(),

        submenu("Coding", "&Coding"),
        menuAction("Coding.Format", "&Format HTML"),
        menuAction("Coding.FixFormat", "Fi&x and Format HTML"),
        menuAction("Coding.UpgradeCss", "&Upgrade to Style Sheets"),
        menuAction("Coding.UpgradeXml", "Upgrade to X&ML"),
        menuAction("Coding.UpgradeXhtml", "Upgrade to X&HTML"),
        separator(),
        menuAction("Coding.Compress", "Comp&ress this Document"),
        menuAction("Coding.Validate", "&Validate Document"),
        separator(),
        menuAction("Coding.JavaScriptBuilder", "&JavaScript Builder"),
        menuAction("Coding.ColdFusionBuilder", "&ColdFusion Builder"),
        endMenu(),

        submenu("Window", "&Window"),
        menuAction("Window.Tile", "&Tile"),
        menuAction("Window.Cascade", "&Cascade"),
        menuAction("Window.ArrangeIcons", "&Arrange Icons"),
        separator(),
        menuAction("Window.CodeController", "View Code Controller"),
        menuAction("Window.LineNumbers", "View Line Numbers"),
        menuAction("Window.Gutter", "View Gutter"),
        separator(),
        menuAction("Window.WapPreview", "&WAP Preview"),
        endMenu(),

        submenu("Help", "&Help"),
        menuAction("Help.Contents", "&Contents", "F1"),
        menuAction("Help.CurrentTag", "&Get Help for Current Tag", "Shift+F1"),
        menuAction("Help.Reference", "&Web Design Reference"),
    });
    appendHelpMenuEnd(m);
    return m;
}

} // namespace

void appendHelpMenuEnd(std::vector<MenuItem> &items)
{
    items.insert(items.end(), {
                                  submenu("Help.Web", "&Quenby on the Web..."),
                                  menuAction("Help.Web.Home", "&Quenby Home"),
                                  menuAction("Help.Web.Product", "T&agloom Home"),
                                  menuAction("Help.Web.Guide", "&Products Guide"),
                                  menuAction("Help.Web.Support", "&Technical Support"),
                                  endMenu(),
                                  separator(),
                                  menuAction("Help.About", "&About"),
                                  endMenu(),
                              });
}

const std::vector<MenuItem> &documentMenuBar()
{
    static const std::vector<MenuItem> items = buildMenuBar();
    return items;
}

namespace {

std::vector<MenuItem> dateTimeItems()
{
    // Ids such as "Context.DateTime.3" must outlive the table.
    static std::deque<QByteArray> ids;
    std::vector<MenuItem> items;
    for (int i = 0; i < int(dateStampItems().size()); ++i) {
        ids.push_back(QByteArrayLiteral("Context.DateTime.") + QByteArray::number(i));
        items.push_back(menuAction(ids.back().constData(), dateStampItems()[i].caption));
    }
    return items;
}

std::vector<MenuItem> buildContextMenu()
{
    std::vector<MenuItem> items = {
        submenu("Context", "Context"),
        menuAction("Context.TagHelp", "&Get Help for Current Tag"),
        menuAction("Context.EditTag", "&Edit Current Tag"),
        separator(),
        menuAction("Context.CloseFile", "Close File"),
        menuAction("Context.CloseAll", "Close All Files"),
        separator(),
        menuAction("Context.Cut", "&Cut"),
        menuAction("Context.Copy", "C&opy"),
        menuAction("Context.Paste", "&Paste"),
        separator(),
        menuAction("Context.Undo", "&Undo"),
        menuAction("Context.Redo", "&Redo"),
        separator(),
        submenu("Context.Case", "Con&vert Case"),
        menuAction("Context.Lowercase", "&Lowercase"),
        menuAction("Context.Uppercase", "&Uppercase"),
        endMenu(),
        menuAction("Context.LastModified", "&Insert Last Modified"),
        submenu("Context.DateTime", "I&nsert Current Date and Time"),
    };
    const std::vector<MenuItem> dates = dateTimeItems();
    items.insert(items.end(), dates.begin(), dates.end());
    items.insert(items.end(), {
        menuAction("Context.CustomDate", "&Custom Date"),
        endMenu(),
        separator(),
        menuAction("Context.SelectAll", "S&elect All"),
        menuAction("Context.ClearAll", "C&lear All"),
        separator(),
        menuAction("Context.SpellCheck", "Spell C&heck"),
        endMenu(),
    });
    return items;
}

} // namespace

const std::vector<MenuItem> &editorContextMenu()
{
    static const std::vector<MenuItem> items = buildContextMenu();
    return items;
}

} // namespace tagloom
