"""One entry per element of the web design reference.

Every entry names the element, its group folder, a one-line purpose, a
longer description, its main attributes with their meaning, a short example,
related elements and the set of common attributes it also takes (see
groups.COMMON_SETS). An optional note carries advice, for example that an
element is superseded by style sheets.

make_reference.py turns each entry into data/Help/Reference/<group>/<name>.html.
"""


def E(name, group, purpose, description, attrs, example, related,
      common="all", note=None, tag=None, attrs_heading="Attributes"):
    return {
        "name": name,
        "group": group,
        "purpose": purpose,
        "description": description,
        "attrs": attrs,
        "example": example,
        "related": related,
        "common": common,
        "note": note,
        "tag": tag,
        "attrs_heading": attrs_heading,
    }


ELEMENTS = [
    # ------------------------------------------------------------ html
    E("doctype", "html",
      "Declares which version of HTML the page is written in.",
      "The document type declaration is the very first line of a page. It is "
      "not an element and has no closing tag: it tells browsers and "
      "validators which set of rules the page follows. Browsers that see a "
      "full declaration with a system address use their standards mode; "
      "pages without one are shown in a forgiving compatibility mode.",
      [("Strict", "HTML 4.01 without the superseded presentation elements "
        "and without frames."),
       ("Transitional", "HTML 4.01 including the older presentation elements "
        "(font, center, u and so on); the usual choice for pages edited by "
        "hand."),
       ("Frameset", "HTML 4.01 Transitional for pages whose body is "
        "replaced by a frameset.")],
      '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN"\n'
      '  "http://www.w3.org/TR/html4/loose.dtd">\n'
      "<HTML>\n...\n</HTML>",
      ["html", "head", "body"],
      common="none", tag="!DOCTYPE", attrs_heading="Document types",
      note="The three document types are named by the public identifier "
           "between the first pair of quotes. The Fix and Format command "
           "of the Coding menu can write or change the declaration for you."),
    E("html", "html",
      "The root element that contains the whole page.",
      "Everything in a page except the document type declaration lies "
      "inside HTML. It holds exactly two children: HEAD, which describes "
      "the page, followed by either BODY or, for a frames page, FRAMESET. "
      "Both tags may be left out and browsers will assume them, but writing "
      "them keeps the page clear.",
      [("lang", "The main language of the page, for example en or de."),
       ("dir", "The reading direction of the text: ltr or rtl."),
       ("version", "An old way of naming the HTML version; superseded by "
        "the document type declaration.")],
      "<HTML lang=\"en\">\n<HEAD>\n<TITLE>My Page</TITLE>\n</HEAD>\n"
      "<BODY>\n<P>Hello.</P>\n</BODY>\n</HTML>",
      ["doctype", "head", "body", "frameset"],
      common="i18n"),
    E("body", "html",
      "Holds the visible content of the page.",
      "BODY contains everything the reader sees: text, images, tables, "
      "forms and so on. Its attributes set page-wide colours, a background "
      "picture and scripts that run when the page loads or unloads. The "
      "colour attributes still work everywhere but are better expressed in "
      "a style sheet. The page wizard (File menu) writes a BODY tag from "
      "your choices, and Edit Current Tag reopens it for changes.",
      [("bgcolor", "Background colour of the page, as #RRGGBB or a colour "
        "name."),
       ("background", "Address of a picture tiled behind the page."),
       ("text", "Colour of ordinary text."),
       ("link, vlink, alink", "Colours of unvisited, visited and active "
        "links."),
       ("onload, onunload", "Script run when the page has loaded or is "
        "left.")],
      "<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000CC\"\n"
      "      onload=\"startClock()\">\n<H1>Welcome</H1>\n</BODY>",
      ["html", "head", "frameset", "noframes"],
      note="The colour and background attributes are superseded by style "
           "sheets: body { background: white; color: black }."),

    # ------------------------------------------------------------ head
    E("head", "head",
      "Holds information about the page.",
      "HEAD comes first inside HTML and contains elements that describe "
      "the page rather than display it: the title (required), META "
      "information, LINK and STYLE for style sheets, SCRIPT for scripts "
      "shared by the page and BASE for the base address.",
      [("profile", "Address of a profile that defines the META names the "
        "page uses.")],
      "<HEAD>\n<TITLE>Price List</TITLE>\n"
      "<META name=\"keywords\" content=\"prices, products\">\n"
      "<LINK rel=\"stylesheet\" href=\"site.css\" type=\"text/css\">\n"
      "</HEAD>",
      ["title", "meta", "link", "style", "base", "script"],
      common="i18n"),
    E("title", "head",
      "Gives the page its title.",
      "The title appears in the browser's title bar, in bookmarks and in "
      "search results, so it should say briefly what the page is about. "
      "Every page needs exactly one TITLE, inside HEAD. It may hold only "
      "text and character references, no other tags.",
      [],
      "<HEAD>\n<TITLE>Opening Hours - Riverside Library</TITLE>\n</HEAD>",
      ["head", "meta"],
      common="i18n"),
    E("meta", "head",
      "Adds information about the page, such as keywords or a refresh.",
      "META elements are name and value pairs that describe the page for "
      "search engines and other programs, or stand in for HTTP headers. "
      "They sit in HEAD and have no closing tag. Common uses are a "
      "description, keywords, the author, the character set and an "
      "automatic refresh or redirection. The DHTML Transitions command of "
      "the Format menu writes a META tag for Internet Explorer page "
      "transitions.",
      [("name", "The name of the property, for example description, "
        "keywords or author."),
       ("http-equiv", "The HTTP header the value stands for, for example "
        "Content-Type or Refresh."),
       ("content", "The value of the property."),
       ("scheme", "How to read the value, where the name allows several "
        "forms.")],
      "<META name=\"description\" content=\"Opening hours and events\">\n"
      "<META http-equiv=\"Content-Type\" content=\"text/html; "
      "charset=ISO-8859-1\">\n"
      "<META http-equiv=\"Refresh\" content=\"5; URL=new.htm\">",
      ["head", "title", "link"],
      common="i18n"),
    E("link", "head",
      "Relates the page to another document, most often a style sheet.",
      "LINK sits in HEAD and states a relation between this page and "
      "another resource. Its main use is attaching an external style sheet; "
      "it can also name alternate versions, the next and previous pages of "
      "a series, or a site icon. It has no closing tag and shows nothing "
      "itself. Format > Using Style Sheets writes a LINK to a style sheet, "
      "and Edit Current Tag reopens it.",
      [("href", "Address of the related document."),
       ("rel", "The relation of that document to this page, for example "
        "stylesheet, next or alternate."),
       ("rev", "The relation of this page to that document."),
       ("type", "Content type of the document, for example text/css."),
       ("media", "Media the linked style sheet is meant for: screen, print, "
        "all and so on.")],
      "<LINK rel=\"stylesheet\" type=\"text/css\" href=\"styles/site.css\">\n"
      "<LINK rel=\"stylesheet\" type=\"text/css\" href=\"print.css\" "
      "media=\"print\">",
      ["style", "head", "base"]),
    E("style", "head",
      "Holds style-sheet rules inside the page.",
      "STYLE contains style rules that apply to this page only. It belongs "
      "in HEAD. Wrapping the rules in a comment hides them from very old "
      "browsers that do not know the element. Rules shared by several pages "
      "are better kept in a separate .css file attached with LINK; the "
      "Hueloom style-sheet editor (Tools menu) helps to write either.",
      [("type", "The style language, normally text/css (required)."),
       ("media", "Media the rules apply to, for example screen or print."),
       ("title", "A name for the style sheet, so that browsers can offer "
        "a choice between alternatives.")],
      "<STYLE type=\"text/css\">\n<!--\nbody { font-family: Verdana, "
      "sans-serif }\nh1   { color: #003366 }\n-->\n</STYLE>",
      ["link", "head", "span", "div"],
      common="i18n"),
    E("base", "head",
      "Sets the base address and default target for every link.",
      "BASE in HEAD gives the address that relative links of the page are "
      "resolved against, instead of the page's own address, and may set "
      "the frame that links open in by default. A page has at most one "
      "BASE and it has no closing tag.",
      [("href", "The absolute base address."),
       ("target", "The default frame or window for links, for example "
        "_top or a frame name.")],
      "<HEAD>\n<BASE href=\"http://www.example.com/guide/\" "
      "target=\"main\">\n</HEAD>",
      ["a", "link", "head", "frame"],
      common="none"),

    # ------------------------------------------------------------ block
    E("p", "block",
      "Marks a paragraph.",
      "P is the basic unit of running text. Browsers leave space above and "
      "below each paragraph. The closing tag may be left out, but writing "
      "it avoids surprises with style sheets. A paragraph cannot hold "
      "other block elements such as tables or lists.",
      [("align", "Alignment of the text: left, center, right or justify "
        "(superseded by text-align).")],
      "<P>Tagloom writes the mark-up for you.</P>\n"
      "<P align=\"center\">Centred text.</P>",
      ["br", "div", "pre", "blockquote"]),
    E("h1", "block",
      "A heading of the first (highest) level.",
      "HTML has six levels of headings, H1 to H6, from the most to the "
      "least important. H1 is normally the main title of the page's "
      "content and is shown in large bold type. Use the levels in order to "
      "give the page an outline; choose them for their meaning, not for "
      "their size, and change the size with a style sheet. H2 to H6 work "
      "exactly like H1. Format > Header Levels wraps the selection in a "
      "heading.",
      [("align", "Alignment of the heading: left, center, right or justify "
        "(superseded by text-align).")],
      "<H1>Annual Report</H1>\n<H2>Sales</H2>\n<P>Sales rose by 4%.</P>",
      ["p", "div", "hr"],
      note="The same page describes H2, H3, H4, H5 and H6."),
    E("div", "block",
      "A generic block that groups content.",
      "DIV has no meaning of its own. It groups elements so that a class, "
      "a style or a script can treat them as one, and it is the usual "
      "element for page layout with style sheets and for positioned "
      "layers. The Layer dialog of the Insert menu can write a positioned "
      "DIV.",
      [("align", "Alignment of the content (superseded by text-align)."),
       ("class", "One or more class names for style sheets."),
       ("id", "A unique name for style sheets, scripts and links."),
       ("style", "Style rules for this block only.")],
      "<DIV class=\"sidebar\" style=\"position: absolute; top: 10px; "
      "left: 10px; width: 150px\">\n<P>Latest news</P>\n</DIV>",
      ["span", "p", "center", "style"]),
    E("address", "block",
      "Contact information for the page or its author.",
      "ADDRESS marks up how to reach the author or owner of the page or "
      "of a section: a name, an e-mail link, a postal address. Browsers "
      "usually show it in italics. It is not meant for arbitrary postal "
      "addresses in the text.",
      [],
      "<ADDRESS>\nWritten by <A href=\"mailto:jo@example.com\">Jo "
      "Smith</A>,<BR>\n12 High Street, Anytown\n</ADDRESS>",
      ["p", "a", "br"]),
    E("blockquote", "block",
      "A long quotation set off as a block.",
      "BLOCKQUOTE holds a quotation of one or more paragraphs. Browsers "
      "indent it on both sides. Do not use it merely to indent text; a "
      "style sheet margin does that. For short quotations inside a "
      "sentence use Q.",
      [("cite", "Address of the source of the quotation.")],
      "<BLOCKQUOTE cite=\"http://www.example.com/speech.htm\">\n"
      "<P>We shall go on to the end.</P>\n</BLOCKQUOTE>",
      ["q", "cite", "p"]),
    E("center", "block",
      "Centres its content horizontally.",
      "CENTER is an old shorthand for a block whose content is centred. "
      "It is the same as DIV align=\"center\". Style sheets are the modern "
      "way: text-align: center for text, and automatic margins for "
      "blocks.",
      [],
      "<CENTER>\n<IMG src=\"logo.gif\" alt=\"Logo\">\n</CENTER>",
      ["div", "p"],
      note="Superseded in HTML 4. Tagloom's document analysis reports it "
           "as deprecated."),
    E("hr", "block",
      "A horizontal rule that separates sections.",
      "HR draws a horizontal line across the page, marking a change of "
      "topic. It has no closing tag. The rule button of the format bar "
      "inserts one.",
      [("align", "Alignment of a rule narrower than the page: left, center "
        "or right."),
       ("noshade", "Draws a solid line instead of a sunken one."),
       ("size", "Height of the rule in pixels."),
       ("width", "Width in pixels or as a percentage of the available "
        "width.")],
      "<P>End of chapter one.</P>\n<HR width=\"50%\" size=\"2\" noshade>\n"
      "<P>Chapter two.</P>",
      ["br", "p", "h1"],
      common="all",
      note="align, noshade, size and width are superseded by style "
           "sheets."),
    E("pre", "block",
      "Preformatted text, shown exactly as written.",
      "Inside PRE the browser keeps every space and line break and uses a "
      "fixed-width font. It suits program listings, plain-text tables and "
      "poetry. Tags still work inside, so characters such as < and & "
      "must be written as &lt; and &amp;. The compressor of the "
      "Coding menu leaves the content of PRE alone.",
      [("width", "The intended width of the text in characters (rarely "
        "honoured).")],
      "<PRE>\nName      Score\nAnn          12\nBob           9\n</PRE>",
      ["code", "tt", "samp", "p"]),
    E("noscript", "block",
      "Content shown only when scripts cannot run.",
      "NOSCRIPT holds alternative content for browsers that do not "
      "support scripts or have them switched off. Place it next to the "
      "SCRIPT it stands in for.",
      [],
      "<SCRIPT type=\"text/javascript\">\ndocument.write(new Date());\n"
      "</SCRIPT>\n<NOSCRIPT>\n<P>Your browser does not run scripts.</P>\n"
      "</NOSCRIPT>",
      ["script", "noframes"]),
    E("isindex", "block",
      "A one-line search prompt (obsolete).",
      "ISINDEX shows a single text field; when the reader presses Enter, "
      "the browser sends the typed words to the page's address as a query. "
      "It predates forms and has no closing tag. Use a FORM with an INPUT "
      "field instead.",
      [("prompt", "The text shown before the field.")],
      "<ISINDEX prompt=\"Search the catalogue: \">",
      ["form", "input"],
      common="core+i18n",
      note="Superseded in HTML 4; Tagloom's document analysis reports it "
           "as deprecated."),

    # ------------------------------------------------------------ lists
    E("ul", "lists",
      "An unordered (bulleted) list.",
      "UL holds list items (LI) whose order does not matter; browsers show "
      "a bullet before each item. Lists can be nested by putting a new "
      "list inside an item. The UL button of the Lists palette inserts an "
      "empty list.",
      [("type", "Bullet shape: disc, circle or square (superseded by "
        "list-style-type)."),
       ("compact", "Asks for a tighter layout (superseded).")],
      "<UL>\n<LI>Flour</LI>\n<LI>Eggs</LI>\n<LI>Milk</LI>\n</UL>",
      ["ol", "li", "dl", "menu", "dir"]),
    E("ol", "lists",
      "An ordered (numbered) list.",
      "OL holds list items (LI) in a meaningful order; browsers number "
      "them. The numbering style and the first number can be chosen.",
      [("type", "Numbering style: 1, a, A, i or I (superseded by "
        "list-style-type)."),
       ("start", "The number of the first item."),
       ("compact", "Asks for a tighter layout (superseded).")],
      "<OL type=\"A\" start=\"3\">\n<LI>Preheat the oven.</LI>\n"
      "<LI>Mix the dough.</LI>\n</OL>",
      ["ul", "li", "dl"]),
    E("li", "lists",
      "One item of a list.",
      "LI is an item of UL, OL, MENU or DIR. It may hold text, inline "
      "elements and block elements, including further lists. The closing "
      "tag may be left out.",
      [("type", "Changes the bullet or numbering style from this item on "
        "(superseded)."),
       ("value", "Sets the number of this item in an ordered list "
        "(superseded).")],
      "<OL>\n<LI>First step</LI>\n<LI value=\"10\">Tenth step</LI>\n</OL>",
      ["ul", "ol", "menu", "dir"]),
    E("dl", "lists",
      "A definition list of terms and their descriptions.",
      "DL pairs terms (DT) with descriptions (DD). It suits glossaries, "
      "question and answer lists and any list of names with explanations. "
      "A term may have several descriptions and a description several "
      "terms.",
      [("compact", "Asks for a tighter layout (superseded).")],
      "<DL>\n<DT>HTML</DT>\n<DD>The mark-up language of web pages.</DD>\n"
      "<DT>CSS</DT>\n<DD>The style-sheet language.</DD>\n</DL>",
      ["dt", "dd", "ul", "ol"]),
    E("dt", "lists",
      "A term in a definition list.",
      "DT names the term that the following DD elements describe. It may "
      "hold inline content only. The closing tag may be left out.",
      [],
      "<DL>\n<DT>Caret</DT>\n<DD>The text cursor of the editor.</DD>\n"
      "</DL>",
      ["dl", "dd"]),
    E("dd", "lists",
      "The description of a term in a definition list.",
      "DD follows one or more DT elements and describes them. Browsers "
      "indent it. It may hold block content such as paragraphs and lists. "
      "The closing tag may be left out.",
      [],
      "<DL>\n<DT>Palette</DT>\n<DD>A page of quick-insert buttons.</DD>\n"
      "</DL>",
      ["dl", "dt"]),
    E("menu", "lists",
      "A single-column menu list (superseded).",
      "MENU was meant for short lists of menu choices. Browsers show it "
      "like UL. Use UL instead.",
      [("compact", "Asks for a tighter layout.")],
      "<MENU>\n<LI>Open</LI>\n<LI>Save</LI>\n</MENU>",
      ["ul", "dir", "li"],
      note="Superseded in HTML 4; Tagloom's document analysis reports it "
           "as deprecated."),
    E("dir", "lists",
      "A multi-column directory list (superseded).",
      "DIR was meant for lists of short items such as file names, laid out "
      "in columns. Browsers show it like UL. Use UL instead.",
      [("compact", "Asks for a tighter layout.")],
      "<DIR>\n<LI>index.htm</LI>\n<LI>about.htm</LI>\n</DIR>",
      ["ul", "menu", "li"],
      note="Superseded in HTML 4; Tagloom's document analysis reports it "
           "as deprecated."),

    # ------------------------------------------------------------ tables
    E("table", "tables",
      "A table of rows and columns.",
      "TABLE holds an optional CAPTION, optional column groups, and rows "
      "(TR) of header cells (TH) and data cells (TD), optionally grouped "
      "into THEAD, TFOOT and TBODY. Tables are meant for tabular data; page "
      "layout is better done with style sheets. The Table dialog of the "
      "Insert menu lets you lay out a table in a grid and writes the "
      "mark-up.",
      [("border", "Width of the frame around the table in pixels; 0 for "
        "none."),
       ("cellpadding", "Space between a cell's border and its content."),
       ("cellspacing", "Space between the cells."),
       ("width", "Width of the table in pixels or per cent."),
       ("summary", "A description of the table's purpose for speech "
        "browsers."),
       ("align, bgcolor", "Position on the page and background colour "
        "(superseded by style sheets).")],
      "<TABLE border=\"1\" cellpadding=\"4\" summary=\"Prices\">\n"
      "<CAPTION>Prices</CAPTION>\n<TR><TH>Item</TH><TH>Price</TH></TR>\n"
      "<TR><TD>Tea</TD><TD>1.20</TD></TR>\n</TABLE>",
      ["tr", "td", "th", "caption", "thead", "tbody"]),
    E("caption", "tables",
      "The title of a table.",
      "CAPTION must come directly after the TABLE start tag. It describes "
      "the table and is shown above it by default.",
      [("align", "Where the caption goes: top, bottom, left or right "
        "(superseded).")],
      "<TABLE border=\"1\">\n<CAPTION>Opening hours</CAPTION>\n"
      "<TR><TD>Mon-Fri</TD><TD>9-17</TD></TR>\n</TABLE>",
      ["table", "th"]),
    E("tr", "tables",
      "A row of a table.",
      "TR holds the cells of one row: TH for header cells and TD for data "
      "cells. The tr button of the Tables palette inserts an empty row.",
      [("align", "Horizontal alignment of the row's cells: left, center, "
        "right, justify or char."),
       ("valign", "Vertical alignment: top, middle, bottom or baseline."),
       ("bgcolor", "Background colour of the row (superseded).")],
      "<TR align=\"center\" valign=\"top\">\n<TD>1</TD>\n<TD>2</TD>\n</TR>",
      ["td", "th", "table", "tbody"]),
    E("td", "tables",
      "A data cell of a table.",
      "TD holds the content of one cell: text, images, lists, even another "
      "table. A cell can stretch across several columns or rows. An empty "
      "cell is best given a non-breaking space (&nbsp;) so that "
      "browsers draw its border.",
      [("colspan", "Number of columns the cell spans."),
       ("rowspan", "Number of rows the cell spans."),
       ("align, valign", "Horizontal and vertical alignment of the "
        "content."),
       ("nowrap", "Keeps the text on one line (superseded)."),
       ("width, height, bgcolor", "Size and background colour "
        "(superseded by style sheets).")],
      "<TR>\n<TD colspan=\"2\" align=\"right\">Total</TD>\n<TD>42</TD>\n"
      "</TR>",
      ["th", "tr", "table"]),
    E("th", "tables",
      "A header cell of a table.",
      "TH works like TD but marks a heading for a row or a column. "
      "Browsers show it bold and centred. Header cells help speech "
      "browsers to read a table aloud.",
      [("colspan, rowspan", "Number of columns or rows the cell spans."),
       ("scope", "Which cells the heading belongs to: row, col, rowgroup "
        "or colgroup."),
       ("abbr", "A short form of the heading."),
       ("align, valign", "Alignment of the content.")],
      "<TR>\n<TH scope=\"col\">Name</TH>\n<TH scope=\"col\">Phone</TH>\n"
      "</TR>",
      ["td", "tr", "thead", "caption"]),
    E("thead", "tables",
      "The group of header rows of a table.",
      "THEAD holds the rows at the top of a table that label its columns. "
      "When a long table is printed, browsers may repeat the head on every "
      "page. It comes before TFOOT and TBODY.",
      [("align, valign", "Alignment of the cells of the group.")],
      "<TABLE>\n<THEAD><TR><TH>Month</TH><TH>Rain</TH></TR></THEAD>\n"
      "<TBODY><TR><TD>May</TD><TD>51 mm</TD></TR></TBODY>\n</TABLE>",
      ["tbody", "tfoot", "tr", "table"]),
    E("tbody", "tables",
      "A group of body rows of a table.",
      "TBODY holds the main rows of a table. A table may have several, "
      "to divide its rows into sections. When the table has no THEAD or "
      "TFOOT the tags may be left out.",
      [("align, valign", "Alignment of the cells of the group.")],
      "<TBODY>\n<TR><TD>Jan</TD><TD>30</TD></TR>\n"
      "<TR><TD>Feb</TD><TD>28</TD></TR>\n</TBODY>",
      ["thead", "tfoot", "tr", "table"]),
    E("tfoot", "tables",
      "The group of footer rows of a table.",
      "TFOOT holds summary rows such as totals. In HTML 4 it is written "
      "before TBODY, so that the browser can show it before all body rows "
      "have arrived, but it is displayed at the bottom.",
      [("align, valign", "Alignment of the cells of the group.")],
      "<TABLE>\n<THEAD><TR><TH>Item</TH><TH>Cost</TH></TR></THEAD>\n"
      "<TFOOT><TR><TD>Total</TD><TD>9.00</TD></TR></TFOOT>\n"
      "<TBODY><TR><TD>Pen</TD><TD>9.00</TD></TR></TBODY>\n</TABLE>",
      ["thead", "tbody", "tr", "table"]),
    E("colgroup", "tables",
      "A group of table columns.",
      "COLGROUP gathers columns so that their width and alignment can be "
      "set in one place, and so that the browser can lay out the table "
      "before all of it has arrived. It comes after CAPTION and before the "
      "rows, and may hold COL elements.",
      [("span", "Number of columns in the group, when it holds no COL."),
       ("width", "Width of each column of the group."),
       ("align, valign", "Alignment of the cells of these columns.")],
      "<TABLE>\n<COLGROUP span=\"2\" width=\"100\">\n<COLGROUP "
      "width=\"300\">\n<TR><TD>A</TD><TD>B</TD><TD>Notes</TD></TR>\n"
      "</TABLE>",
      ["col", "table"]),
    E("col", "tables",
      "Attributes for one or more table columns.",
      "COL sets the width and alignment of columns without grouping them. "
      "It sits inside COLGROUP or directly in TABLE and has no closing tag "
      "or content.",
      [("span", "Number of columns it applies to."),
       ("width", "Width of each of those columns."),
       ("align, valign", "Alignment of the cells of those columns.")],
      "<TABLE>\n<COL width=\"80\">\n<COL width=\"200\" align=\"right\">\n"
      "<TR><TD>Tea</TD><TD>1.20</TD></TR>\n</TABLE>",
      ["colgroup", "table"]),

    # ------------------------------------------------------------ forms
    E("form", "forms",
      "A form that collects input and sends it.",
      "FORM holds the controls (INPUT, SELECT, TEXTAREA, BUTTON) whose "
      "values are sent together when the reader submits the form. The "
      "action names the program on the server that receives them. The form "
      "button of the Forms palette inserts an empty form.",
      [("action", "Address of the program that processes the form "
        "(required)."),
       ("method", "get (values appended to the address) or post (values "
        "sent in the request body)."),
       ("enctype", "Encoding of the sent data; multipart/form-data for "
        "file uploads."),
       ("name", "A name for scripts."),
       ("target", "The frame or window that shows the answer."),
       ("onsubmit, onreset", "Scripts run when the form is sent or "
        "cleared.")],
      "<FORM action=\"/cgi-bin/order.pl\" method=\"post\">\n"
      "<P>Name: <INPUT type=\"text\" name=\"name\">\n"
      "<INPUT type=\"submit\" value=\"Order\"></P>\n</FORM>",
      ["input", "select", "textarea", "button", "fieldset", "label"]),
    E("input", "forms",
      "A form control: text field, check box, button and more.",
      "INPUT is the most versatile control: its type decides whether it is "
      "a text or password field, a check box, a radio button, a push, "
      "submit or reset button, a picture button, a file chooser or a "
      "hidden value. It has no closing tag. The Forms palette inserts each "
      "kind.",
      [("type", "text, password, checkbox, radio, submit, reset, button, "
        "image, file or hidden."),
       ("name", "The name under which the value is sent."),
       ("value", "The initial value, or the caption of a button."),
       ("size, maxlength", "Visible width and greatest number of "
        "characters of a text field."),
       ("checked", "Pre-selects a check box or radio button."),
       ("src, alt", "Picture and alternative text of an image button."),
       ("disabled, readonly", "Makes the control unusable or not "
        "editable.")],
      "<INPUT type=\"text\" name=\"email\" size=\"30\" maxlength=\"80\">\n"
      "<INPUT type=\"checkbox\" name=\"news\" value=\"yes\" checked>\n"
      "<INPUT type=\"submit\" value=\"Send\">",
      ["form", "label", "button", "select", "textarea"]),
    E("button", "forms",
      "A push button that can hold text and pictures.",
      "BUTTON works like a submit, reset or plain INPUT button, but its "
      "content can be any inline mark-up, including pictures and "
      "formatted text.",
      [("type", "submit (the default), reset or button."),
       ("name, value", "What is sent when this button submits the form."),
       ("disabled", "Makes the button unusable.")],
      "<BUTTON type=\"submit\" name=\"go\" value=\"1\">\n"
      "<IMG src=\"tick.gif\" alt=\"\"> <B>Confirm</B>\n</BUTTON>",
      ["input", "form"]),
    E("select", "forms",
      "A drop-down list or list box of choices.",
      "SELECT holds OPTION elements, optionally grouped by OPTGROUP. With "
      "a size of 1 it is a drop-down list; with a larger size, a list box. "
      "The drop-down button of the Forms palette inserts one, and the "
      "Navigation Menu dialog of the Insert menu builds a drop-down that "
      "loads the chosen page.",
      [("name", "The name under which the chosen value is sent."),
       ("size", "Number of visible rows."),
       ("multiple", "Allows several choices."),
       ("disabled", "Makes the list unusable."),
       ("onchange", "Script run when the choice changes.")],
      "<SELECT name=\"size\" size=\"1\">\n<OPTION value=\"s\">Small\n"
      "<OPTION value=\"m\" selected>Medium\n<OPTION value=\"l\">Large\n"
      "</SELECT>",
      ["option", "optgroup", "form", "input"]),
    E("option", "forms",
      "One choice of a SELECT list.",
      "OPTION holds the text of one entry. When it has no value, its text "
      "is sent. The closing tag may be left out.",
      [("value", "The value sent when this entry is chosen."),
       ("selected", "Pre-selects the entry."),
       ("label", "A shorter text for the entry."),
       ("disabled", "Makes the entry unusable.")],
      "<SELECT name=\"day\">\n<OPTION value=\"1\">Monday</OPTION>\n"
      "<OPTION value=\"2\" selected>Tuesday</OPTION>\n</SELECT>",
      ["select", "optgroup"]),
    E("optgroup", "forms",
      "A labelled group of choices in a SELECT list.",
      "OPTGROUP gathers related OPTION elements under a heading that "
      "cannot be chosen itself. Groups cannot be nested.",
      [("label", "The heading of the group (required)."),
       ("disabled", "Makes every entry of the group unusable.")],
      "<SELECT name=\"car\">\n<OPTGROUP label=\"Small\">\n<OPTION>Mini\n"
      "</OPTGROUP>\n<OPTGROUP label=\"Large\">\n<OPTION>Estate\n"
      "</OPTGROUP>\n</SELECT>",
      ["select", "option"]),
    E("textarea", "forms",
      "A multi-line text field.",
      "TEXTAREA lets the reader type several lines of text. Its content "
      "is the initial text. The text area button of the Forms palette "
      "inserts one; the compressor of the Coding menu leaves its content "
      "alone.",
      [("name", "The name under which the text is sent."),
       ("rows, cols", "Visible height in lines and width in characters "
        "(both required)."),
       ("wrap", "Line wrapping (a common extension): off, soft or hard."),
       ("readonly, disabled", "Makes the text not editable or the field "
        "unusable.")],
      "<TEXTAREA name=\"comments\" rows=\"5\" cols=\"40\">\n"
      "Type your comments here.\n</TEXTAREA>",
      ["input", "form", "label"]),
    E("label", "forms",
      "A caption for a form control.",
      "LABEL ties a piece of text to a control, so that clicking the text "
      "operates the control and speech browsers can read the caption. It "
      "either wraps the control or names it with for.",
      [("for", "The id of the control the label belongs to."),
       ("accesskey", "A key that moves the focus to the control.")],
      "<LABEL for=\"mail\">E-mail address:</LABEL>\n"
      "<INPUT type=\"text\" id=\"mail\" name=\"mail\">",
      ["input", "form", "fieldset"]),
    E("fieldset", "forms",
      "A framed group of related form controls.",
      "FIELDSET draws a frame around controls that belong together, for "
      "example the fields of an address. Its first child may be a LEGEND "
      "that titles the group.",
      [],
      "<FIELDSET>\n<LEGEND>Delivery address</LEGEND>\n"
      "Street: <INPUT type=\"text\" name=\"street\"><BR>\n"
      "Town: <INPUT type=\"text\" name=\"town\">\n</FIELDSET>",
      ["legend", "form", "label"]),
    E("legend", "forms",
      "The title of a FIELDSET.",
      "LEGEND is shown in the frame line of its FIELDSET. It must be the "
      "first element inside the FIELDSET.",
      [("align", "Position of the title: top, bottom, left or right "
        "(superseded)."),
       ("accesskey", "A key that moves the focus into the group.")],
      "<FIELDSET>\n<LEGEND>Payment</LEGEND>\n"
      "<INPUT type=\"radio\" name=\"pay\" value=\"card\"> Card\n"
      "</FIELDSET>",
      ["fieldset", "form"]),

    # ------------------------------------------------------------ fontstyle
    E("b", "fontstyle",
      "Bold text.",
      "B shows its content in bold type without saying why. When the text "
      "is important, STRONG says so and is usually shown bold too. The "
      "bold button of the format bar and Format > Font Faces > Bold wrap "
      "the selection in B.",
      [],
      "<P>Press <B>OK</B> to continue.</P>",
      ["strong", "i", "u", "font"]),
    E("i", "fontstyle",
      "Italic text.",
      "I shows its content in italics. For emphasis prefer EM; for titles "
      "of works, CITE; for defined terms, DFN. The italic button of the "
      "format bar and Format > Font Faces > Italic wrap the selection in "
      "I.",
      [],
      "<P>The ship <I>Endeavour</I> sailed in 1768.</P>",
      ["em", "b", "cite", "dfn"]),
    E("u", "fontstyle",
      "Underlined text.",
      "U underlines its content. Since readers take underlined text on the "
      "web for a link, use it sparingly. The underline button of the "
      "format bar and Format > Font Faces > Underline wrap the selection "
      "in U.",
      [],
      "<P>Fill in <U>every</U> field.</P>",
      ["b", "i", "s"],
      note="Superseded in HTML 4 by text-decoration: underline; Tagloom's "
           "document analysis reports it as deprecated."),
    E("s", "fontstyle",
      "Struck-through text.",
      "S draws a line through its content. It is the same as STRIKE. To "
      "show that text was removed from a document, DEL carries that "
      "meaning.",
      [],
      "<P>Price: <S>15.00</S> 12.00</P>",
      ["strike", "del", "u"],
      note="Superseded in HTML 4 by text-decoration: line-through; "
           "Tagloom's document analysis reports it as deprecated."),
    E("strike", "fontstyle",
      "Struck-through text.",
      "STRIKE draws a line through its content, like S. Format > Font "
      "Faces > Strikethrough wraps the selection in STRIKE.",
      [],
      "<P>Meeting on <STRIKE>Monday</STRIKE> Tuesday.</P>",
      ["s", "del", "u"],
      note="Superseded in HTML 4 by text-decoration: line-through; "
           "Tagloom's document analysis reports it as deprecated."),
    E("tt", "fontstyle",
      "Teletype (fixed-width) text.",
      "TT shows its content in a fixed-width font, as on a typewriter or "
      "terminal. For program code prefer CODE, for keyboard input KBD and "
      "for program output SAMP.",
      [],
      "<P>Type <TT>dir</TT> at the prompt.</P>",
      ["code", "kbd", "samp", "pre"]),
    E("small", "fontstyle",
      "Smaller text.",
      "SMALL shows its content one size smaller than the surrounding text; "
      "nested SMALL elements make it smaller still. The big/small button of "
      "the WML palette also offers it for WML cards.",
      [],
      "<P>Total: 42.00 <SMALL>(tax included)</SMALL></P>",
      ["font", "sub", "sup"]),

    # ------------------------------------------------------------ phrase
    E("em", "phrase",
      "Emphasis.",
      "EM marks text that is stressed, as a speaker would stress a word. "
      "Browsers usually show it in italics; speech browsers change their "
      "voice. For stronger importance use STRONG.",
      [],
      "<P>Do <EM>not</EM> switch off the computer.</P>",
      ["strong", "i"]),
    E("strong", "phrase",
      "Strong importance.",
      "STRONG marks text of great importance, such as a warning. Browsers "
      "usually show it in bold.",
      [],
      "<P><STRONG>Warning:</STRONG> this deletes every file.</P>",
      ["em", "b"]),
    E("cite", "phrase",
      "A citation or the title of a work.",
      "CITE marks the title of a book, film or article, or a reference to "
      "another source. Browsers usually show it in italics.",
      [],
      "<P>As <CITE>The Elements of Style</CITE> advises, omit needless "
      "words.</P>",
      ["q", "blockquote", "i"]),
    E("dfn", "phrase",
      "The defining instance of a term.",
      "DFN marks the place where a term is defined, usually its first "
      "use. Browsers show it in italics.",
      [],
      "<P>A <DFN>palette</DFN> is a page of buttons that insert "
      "mark-up.</P>",
      ["abbr", "em", "dl"]),
    E("code", "phrase",
      "A fragment of program code.",
      "CODE marks computer code within text. Browsers show it in a "
      "fixed-width font. For a whole listing, put CODE inside PRE.",
      [],
      "<P>Call <CODE>window.close()</CODE> to close the window.</P>",
      ["pre", "kbd", "samp", "var", "tt"]),
    E("samp", "phrase",
      "Sample output of a program.",
      "SAMP marks text that a program or computer shows, such as a "
      "message. Browsers show it in a fixed-width font.",
      [],
      "<P>The server answered <SAMP>404 Not Found</SAMP>.</P>",
      ["code", "kbd", "tt"]),
    E("kbd", "phrase",
      "Text the user types.",
      "KBD marks keys or text that the reader should enter. Browsers show "
      "it in a fixed-width font.",
      [],
      "<P>Press <KBD>Ctrl+G</KBD> to expand the word.</P>",
      ["code", "samp", "var"]),
    E("var", "phrase",
      "A variable or placeholder.",
      "VAR marks a variable in a formula or program, or a placeholder the "
      "reader replaces with a real value. Browsers show it in italics.",
      [],
      "<P>Type <KBD>ping <VAR>hostname</VAR></KBD>.</P>",
      ["code", "kbd"]),
    E("abbr", "phrase",
      "An abbreviation.",
      "ABBR marks a shortened form such as Mon. or Inc. Its title gives "
      "the full form, which many browsers show as a tip.",
      [("title", "The full form of the abbreviation.")],
      "<P>Open <ABBR title=\"Monday\">Mon.</ABBR> to "
      "<ABBR title=\"Friday\">Fri.</ABBR></P>",
      ["acronym", "dfn"]),
    E("acronym", "phrase",
      "An acronym.",
      "ACRONYM marks a word formed from initials, such as WAP or NATO. Its "
      "title gives the full form.",
      [("title", "The full form of the acronym.")],
      "<P><ACRONYM title=\"Wireless Application Protocol\">WAP</ACRONYM> "
      "phones show WML cards.</P>",
      ["abbr", "dfn"]),
    E("ins", "phrase",
      "Text inserted into a document.",
      "INS marks text that was added in a later revision. It may hold "
      "inline or block content. Browsers often underline it.",
      [("cite", "Address of a document that explains the change."),
       ("datetime", "When the change was made, for example "
        "2001-05-14T09:00:00Z.")],
      "<P>The meeting starts at <DEL>10:00</DEL> <INS "
      "datetime=\"2001-05-14T09:00:00Z\">11:00</INS>.</P>",
      ["del", "u"]),
    E("del", "phrase",
      "Text deleted from a document.",
      "DEL marks text that was removed in a later revision but is kept to "
      "show the change. Browsers usually strike it through.",
      [("cite", "Address of a document that explains the change."),
       ("datetime", "When the change was made.")],
      "<P>Price: <DEL>20.00</DEL> <INS>18.00</INS></P>",
      ["ins", "s", "strike"]),

    # ------------------------------------------------------------ special
    E("a", "special",
      "A hyperlink or a named anchor.",
      "With href, A makes its content a link to another page, a place in a "
      "page, an e-mail address or a file. With name (or id), it marks a "
      "place in the page that links can jump to, using #name. The "
      "Hyperlink dialog (Insert menu, Ctrl+H) wraps the selection in a "
      "link; Insert > Anchor writes a named anchor; Edit Current Tag "
      "reopens a link for changes.",
      [("href", "The address the link leads to."),
       ("name", "Makes the element a target for links to #name."),
       ("target", "The frame or window the page opens in: _blank, _self, "
        "_parent, _top or a frame name."),
       ("title", "A tip describing the target."),
       ("accesskey, tabindex", "A shortcut key, and the place in the Tab "
        "order."),
       ("onclick, onmouseover", "Scripts run when the link is clicked or "
        "pointed at.")],
      "<A href=\"prices.htm\" target=\"_top\">Our prices</A>\n"
      "<A href=\"#contact\">Contact us</A>\n...\n<A name=\"contact\">"
      "</A><H2>Contact</H2>",
      ["link", "base", "area", "img"]),
    E("img", "special",
      "An inline picture.",
      "IMG places a picture (GIF, JPEG or PNG) in the text. It has no "
      "closing tag. Always give alternative text for readers who cannot "
      "see the picture, and give the height and width so that the page "
      "does not jump about while it loads. The Image dialog (Insert menu, "
      "Ctrl+I) writes the tag and can measure the picture; Edit Current "
      "Tag reopens it.",
      [("src", "Address of the picture (required)."),
       ("alt", "Text shown instead of the picture (required)."),
       ("width, height", "Size in pixels."),
       ("border", "Width of the frame drawn when the picture is a link; "
        "0 for none."),
       ("usemap", "Name of a client-side image MAP, as #name."),
       ("align", "Alignment against the text: left, right, top, middle "
        "or bottom (superseded)."),
       ("hspace, vspace", "Space left and right, above and below "
        "(superseded).")],
      "<IMG src=\"images/logo.gif\" alt=\"Riverside Library\" "
      "width=\"120\" height=\"60\" border=\"0\">",
      ["a", "map", "area", "object"]),
    E("map", "special",
      "A client-side image map.",
      "MAP holds AREA elements that make regions of a picture into links. "
      "The picture refers to the map with usemap=\"#name\". The Image Map "
      "Creator of the Tools menu lets you draw the regions over the "
      "picture and writes MAP, AREA and IMG for you.",
      [("name", "The name the picture's usemap refers to (required).")],
      "<MAP name=\"plan\">\n<AREA shape=\"rect\" coords=\"0,0,100,50\" "
      "href=\"north.htm\" alt=\"North\">\n<AREA shape=\"circle\" "
      "coords=\"150,80,30\" href=\"centre.htm\" alt=\"Centre\">\n</MAP>\n"
      "<IMG src=\"plan.gif\" alt=\"Site plan\" usemap=\"#plan\">",
      ["area", "img", "a"]),
    E("area", "special",
      "One clickable region of an image map.",
      "AREA sits inside MAP and defines a region of the picture and the "
      "link it leads to. It has no closing tag.",
      [("shape", "rect, circle, poly or default."),
       ("coords", "The coordinates in pixels: left,top,right,bottom for a "
        "rectangle; x,y,radius for a circle; x1,y1,x2,y2,... for a "
        "polygon."),
       ("href", "The address the region leads to."),
       ("nohref", "Marks a region that leads nowhere."),
       ("alt", "Text for the region (required)."),
       ("target", "The frame or window the page opens in.")],
      "<AREA shape=\"poly\" coords=\"10,10,90,10,50,70\" href=\"tri.htm\" "
      "alt=\"Triangle\">",
      ["map", "img", "a"]),
    E("object", "special",
      "Embeds an object: a picture, a plug-in, an applet or a control.",
      "OBJECT is the general way to include external content such as "
      "multimedia, ActiveX controls, Java applets or another page. PARAM "
      "elements inside it pass settings; any other content is shown when "
      "the object cannot be. Insert > ActiveX Control and the multimedia "
      "dialogs of the Insert menu write OBJECT mark-up.",
      [("data", "Address of the object's data."),
       ("type", "Content type of the data."),
       ("classid", "Identifies the implementation, for example an ActiveX "
        "class."),
       ("codebase", "Base address of the implementation."),
       ("width, height", "Size in pixels."),
       ("name", "A name for scripts and forms.")],
      "<OBJECT data=\"movie.mov\" type=\"video/quicktime\" width=\"320\" "
      "height=\"240\">\n<PARAM name=\"autoplay\" value=\"true\">\n"
      "<P>Your browser cannot play this film.</P>\n</OBJECT>",
      ["param", "applet", "img", "iframe"]),
    E("param", "special",
      "A setting passed to an OBJECT or APPLET.",
      "PARAM hands a named value to the object or applet it is in. It has "
      "no closing tag. Several PARAM elements come first inside their "
      "OBJECT or APPLET.",
      [("name", "The name of the setting (required)."),
       ("value", "Its value."),
       ("valuetype", "data (the default), ref (the value is an address) "
        "or object."),
       ("type", "Content type of the value when it is an address.")],
      "<APPLET code=\"Ticker.class\" width=\"300\" height=\"20\">\n"
      "<PARAM name=\"text\" value=\"Sale ends Friday\">\n"
      "<PARAM name=\"speed\" value=\"5\">\n</APPLET>",
      ["object", "applet"],
      common="none"),
    E("applet", "special",
      "Embeds a Java applet.",
      "APPLET runs a Java program inside the page. Settings are passed "
      "with PARAM elements; other content is shown when Java is not "
      "available. The Java Applet dialog (Insert menu, Ctrl+J) writes the "
      "tag, and Edit Current Tag reopens it.",
      [("code", "The applet's class file."),
       ("codebase", "Base address of the applet's files."),
       ("archive", "Archives of classes to load first."),
       ("width, height", "Size of the applet's area in pixels "
        "(required)."),
       ("alt", "Text for browsers that know APPLET but cannot run Java."),
       ("name", "A name for scripts and other applets."),
       ("align, hspace, vspace", "Position and surrounding space.")],
      "<APPLET code=\"Clock.class\" codebase=\"classes/\" width=\"150\" "
      "height=\"150\" alt=\"A clock\">\n<PARAM name=\"face\" "
      "value=\"round\">\nYou need Java to see the clock.\n</APPLET>",
      ["param", "object"],
      common="core",
      note="Superseded in HTML 4 by OBJECT; Tagloom's document analysis "
           "reports it as deprecated."),
    E("script", "special",
      "A script, written in the page or loaded from a file.",
      "SCRIPT holds program code, most often JavaScript, that the browser "
      "runs. It may sit in HEAD (functions shared by the page) or in BODY "
      "(code that writes content where it stands). Wrapping the code in a "
      "comment hides it from very old browsers. The Script dialog of the "
      "Insert menu writes a script block; the compressor leaves script "
      "content alone.",
      [("type", "The script language as a content type, for example "
        "text/javascript (required)."),
       ("language", "The older way of naming the language, for example "
        "JavaScript (superseded)."),
       ("src", "Address of a file holding the script."),
       ("defer", "Tells the browser the script writes no content, so it "
        "may run later.")],
      "<SCRIPT type=\"text/javascript\">\n<!--\nfunction greet() {\n"
      "  alert(\"Hello\");\n}\n//-->\n</SCRIPT>\n"
      "<SCRIPT type=\"text/javascript\" src=\"menu.js\"></SCRIPT>",
      ["noscript", "style", "object"],
      common="none"),
    E("br", "special",
      "A line break.",
      "BR ends the line and continues on the next, without starting a new "
      "paragraph. It has no closing tag. Insert > Line Break (Shift+Enter) "
      "and the line-break button of the Common palette add one at the end "
      "of the caret line.",
      [("clear", "Moves the next line below floating pictures: left, "
        "right, all or none (superseded).")],
      "<P>Riverside Library<BR>\n12 High Street<BR>\nAnytown</P>",
      ["p", "pre", "hr"],
      common="core"),
    E("font", "special",
      "Sets the face, size and colour of text.",
      "FONT changes the typeface, size and colour of its content. Sizes "
      "run from 1 to 7 (3 is normal) or are relative, such as +1 or -2. "
      "The font controls of the format bar, Format > Font Sizes and the "
      "Master Font dialog (Format > Font) write FONT tags. Style sheets do "
      "the same job more flexibly.",
      [("face", "A list of typeface names, the first one available being "
        "used."),
       ("size", "1 to 7, or a change relative to the base size such as "
        "+2."),
       ("color", "Text colour as #RRGGBB or a colour name.")],
      "<FONT face=\"Verdana, Arial, Helvetica, sans-serif\" size=\"+1\" "
      "color=\"#003366\">Welcome</FONT>",
      ["basefont", "span", "b", "small"],
      common="core+i18n",
      note="Superseded in HTML 4 by style sheets; Tagloom's document "
           "analysis reports it as deprecated. The Upgrade to Style Sheets "
           "command of the Coding menu replaces FONT tags with style "
           "rules."),
    E("basefont", "special",
      "Sets the base font size of the page.",
      "BASEFONT sets the size that relative FONT sizes such as +1 are "
      "counted from, and in some browsers the face and colour. It has no "
      "closing tag.",
      [("size", "The base size, 1 to 7 (3 is the default)."),
       ("face", "Typeface names."),
       ("color", "Text colour.")],
      "<BASEFONT size=\"4\">\n<P>Normal text is now size 4; <FONT "
      "size=\"+1\">this is 5</FONT>.</P>",
      ["font", "body"],
      common="none",
      note="Superseded in HTML 4 by style sheets; Tagloom's document "
           "analysis reports it as deprecated."),
    E("span", "special",
      "A generic inline container.",
      "SPAN has no meaning of its own. It wraps a piece of text so that a "
      "class, a style or a script can address it. It is the inline partner "
      "of DIV.",
      [("class", "One or more class names for style sheets."),
       ("id", "A unique name."),
       ("style", "Style rules for this text only.")],
      "<P>Status: <SPAN class=\"ok\" style=\"color: green\">online</SPAN>"
      "</P>",
      ["div", "font", "style"]),
    E("bdo", "special",
      "Overrides the direction of text.",
      "BDO forces its content to be shown left to right or right to left, "
      "whatever the characters would normally do. It is needed only in "
      "rare cases of mixed-direction text.",
      [("dir", "The direction: ltr or rtl (required)."),
       ("lang", "The language of the content.")],
      "<P>Read backwards: <BDO dir=\"rtl\">Hello</BDO></P>",
      ["span", "q"],
      common="core"),
    E("q", "special",
      "A short quotation within a sentence.",
      "Q marks a quotation that runs on in the text. Browsers add the "
      "quotation marks themselves, so do not type them. For quotations of "
      "a paragraph or more use BLOCKQUOTE.",
      [("cite", "Address of the source of the quotation.")],
      "<P>She said <Q>the page is ready</Q> and left.</P>",
      ["blockquote", "cite"]),
    E("sub", "special",
      "Subscript text.",
      "SUB lowers its content below the line in a smaller size, as in "
      "chemical formulas.",
      [],
      "<P>Water is H<SUB>2</SUB>O.</P>",
      ["sup", "small"]),
    E("sup", "special",
      "Superscript text.",
      "SUP raises its content above the line in a smaller size, as in "
      "powers and footnote marks.",
      [],
      "<P>E = mc<SUP>2</SUP></P>",
      ["sub", "small"]),
    E("iframe", "special",
      "An inline frame that shows another page inside this one.",
      "IFRAME places a separate, scrollable document in a box within the "
      "page. Its content is shown by browsers that cannot show frames. The "
      "iframe button of the Frames palette inserts the tag.",
      [("src", "Address of the page to show."),
       ("name", "A name that links can target."),
       ("width, height", "Size of the box."),
       ("frameborder", "1 to draw a border, 0 for none."),
       ("scrolling", "yes, no or auto."),
       ("marginwidth, marginheight", "Space inside the frame's edges.")],
      "<IFRAME src=\"news.htm\" name=\"news\" width=\"300\" height=\"200\" "
      "frameborder=\"0\">\n<A href=\"news.htm\">Read the news</A>\n"
      "</IFRAME>",
      ["frame", "object", "frameset"],
      common="core"),

    # ------------------------------------------------------------ frames
    E("frameset", "frames",
      "Divides the window into frames.",
      "A frames page has FRAMESET in place of BODY. The rows or cols "
      "attribute splits the window, and each part holds a FRAME or another "
      "FRAMESET. A NOFRAMES element gives content for browsers without "
      "frames. The frameset button of the Frames palette inserts the tags.",
      [("rows", "Heights of the rows: pixels, per cent or * for the rest, "
        "separated by commas."),
       ("cols", "Widths of the columns, written the same way."),
       ("onload, onunload", "Scripts run when all frames have loaded or "
        "the page is left.")],
      "<FRAMESET cols=\"180,*\">\n<FRAME src=\"menu.htm\" name=\"menu\">\n"
      "<FRAME src=\"home.htm\" name=\"main\">\n<NOFRAMES>\n<BODY>\n"
      "<A href=\"home.htm\">Enter without frames</A>\n</BODY>\n"
      "</NOFRAMES>\n</FRAMESET>",
      ["frame", "noframes", "iframe", "body"],
      common="core"),
    E("frame", "frames",
      "One frame of a frameset.",
      "FRAME names the page shown in one part of a FRAMESET. It has no "
      "closing tag. Links elsewhere can load a page into it by naming it "
      "as their target.",
      [("src", "Address of the page shown in the frame."),
       ("name", "The name that links use as target."),
       ("noresize", "Stops the reader from resizing the frame."),
       ("scrolling", "yes, no or auto."),
       ("frameborder", "1 to draw a border, 0 for none."),
       ("marginwidth, marginheight", "Space inside the frame's edges.")],
      "<FRAME src=\"menu.htm\" name=\"menu\" scrolling=\"no\" noresize>",
      ["frameset", "noframes", "iframe", "a"],
      common="core"),
    E("noframes", "frames",
      "Content for browsers that cannot show frames.",
      "NOFRAMES inside a FRAMESET holds a BODY with an alternative page, "
      "for example links to the frames' pages. Search engines read it too, "
      "so it is worth filling. The noframes button of the Frames palette "
      "inserts the tag.",
      [],
      "<NOFRAMES>\n<BODY>\n<P>This site uses frames. Go to the <A "
      "href=\"home.htm\">home page</A>.</P>\n</BODY>\n</NOFRAMES>",
      ["frameset", "frame", "noscript"]),
]
