#include "document/ui/menu_table.h"

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

constexpr unsigned Main = MenuPlace::Main;
constexpr unsigned Doc = MenuPlace::Document;

std::vector<MenuItem> buildMenuBar()
{
    std::vector<MenuItem> m = {
        submenu("File", "&File"),
        shownIn(Main, menuAction("File.New", "&New Document", "Ctrl+N", "New File")),
        shownIn(Doc, menuAction("File.New", "&New", "Ctrl+N", "New File")),
        shownIn(Main, menuAction("File.NewFrom", "N&ew from...", nullptr, "New From")),
        shownIn(Doc, menuAction("File.NewFrom", "N&ew From...", "Ctrl+Shift+N", "New From")),
        menuAction("File.PageWizard", "New Page Wi&zard"),
        shownIn(Main, separator()),
        menuAction("File.OpenLocal", "&Open from Local", "Ctrl+O", "Open from Local"),
        menuAction("File.OpenWeb", "Open from &Web", "Ctrl+W", "Open from Web"),
        submenu("File.Import", "&Import"),
        menuAction("File.ImportText", "Plain Text Files"),
        menuAction("File.ImportOther", "Other Files"),
        endMenu(),
        shownIn(Doc, submenu("File.Export", "&Export")),
        menuAction("File.ExportUnix", "&UNIX Format"),
        menuAction("File.ExportMac", "&Mac Format"),
        endMenu(),
        separator(),
        shownIn(Doc, menuAction("File.Close", "&Close")),
        shownIn(Doc, menuAction("File.CloseAll", "C&lose All")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("File.Save", "&Save", "Ctrl+S", "Save")),
        shownIn(Doc, menuAction("File.SaveAs", "S&ave As")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("File.Print", "&Print", "Ctrl+P", "Print")),
        shownIn(Doc, menuAction("File.PrintPreview", "Print Preview")),
        shownIn(Doc, separator()),
        // The main window's Exit carries no stored shortcut.
        shownIn(Main, menuAction("File.Exit", "E&xit", "Alt+X")),
        shownIn(Doc, menuAction("File.Exit", "E&xit", "Alt+X", "Exit")),
        endMenu(),

        submenu("Edit", "&Edit"),
        shownIn(Doc, menuAction("Edit.Undo", "&Undo", nullptr, "Undo")),
        shownIn(Doc, menuAction("Edit.Redo", "&Redo", nullptr, "Redo")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Edit.Cut", "&Cut", nullptr, "Cut")),
        shownIn(Doc, menuAction("Edit.Copy", "C&opy", nullptr, "Copy")),
        shownIn(Doc, menuAction("Edit.Paste", "&Paste", nullptr, "Paste")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Edit.Uppercase", "Convert to Uppercase")),
        shownIn(Doc, menuAction("Edit.Lowercase", "Convert to Lowercase")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Edit.SelectAll", "&Select All", "Ctrl+A", "Select All")),
        shownIn(Doc, menuAction("Edit.ClearAll", "C&lear All", "Ctrl+Shift+A")),
        shownIn(Doc, separator()),
        menuAction("Edit.Preferences", "Pr&eferences"),
        endMenu(),

        shownIn(Doc, submenu("Search", "&Search")),
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

        shownIn(Doc, submenu("Insert", "&Insert")),
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

        shownIn(Doc, submenu("Format", "F&ormat")),
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
        shownIn(Doc, menuAction("Tools.SpellCheck", "&Spell Check", "F7", "Spell Check")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Tools.ImageMap", "&Image Map Creator")),
        shownIn(Doc, menuAction("Tools.VisualLayer", "Create &Layer Visually")),
        shownIn(Doc, menuAction("Tools.ContentWizards", "Content Wi&zards")),
        menuAction("Tools.StyleEditor", "Hueloom"),
        submenu("Tools.Site", "Pathloom"),
        menuAction("Tools.Site.Administer", "Administer"),
        menuAction("Tools.Site.Client", "Client"),
        endMenu(),
        menuAction("Tools.CheckSiteLinks", "Check Site Links"),
        shownIn(Main, menuAction("Tools.RtfEditor", "RTF Editor")),
        shownIn(Main, separator()),
        shownIn(Main, menuAction("Tools.Update", "&Tagloom Update")),
        shownIn(Doc, menuAction("Tools.DownloadTimer", "&Download Timer")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Tools.ImageEditor", "Edit with Image Editor")),
        shownIn(Doc, menuAction("Tools.Wbmp", "Convert Image to WBMP")),
        endMenu(),

        shownIn(Doc, submenu("Coding", "&Coding")),
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
        // The document window's Cascade and Arrange Icons have no command.
        shownIn(Main, menuAction("Window.Cascade", "&Cascade")),
        shownIn(Doc, inertAction("Window.Cascade", "&Cascade")),
        shownIn(Main, menuAction("Window.Arrange", "&Arrange")),
        shownIn(Doc, inertAction("Window.ArrangeIcons", "&Arrange Icons")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Window.CodeController", "View Code Controller")),
        shownIn(Doc, menuAction("Window.LineNumbers", "View Line Numbers")),
        shownIn(Doc, menuAction("Window.Gutter", "View Gutter")),
        shownIn(Doc, separator()),
        shownIn(Doc, menuAction("Window.WapPreview", "&WAP Preview")),
        endMenu(),

        submenu("Help", "&Help"),
        menuAction("Help.Contents", "&Contents", "F1"),
        shownIn(Doc, menuAction("Help.CurrentTag", "&Get Help for Current Tag", "Shift+F1")),
        menuAction("Help.Reference", "&Web Design Reference"),
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
    return m;
}

} // namespace

const std::vector<MenuItem> &menuBarItems()
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
