#!/usr/bin/env python3
"""Writes the web design reference of the data folder from its data table.

The reference is one page per element at
    data/Help/Reference/<group>/<name>.html
(the pages that Help > Get Help for Current Tag opens), and two copies of
the index, data/Help/Reference/quenby.html and data/Reference/quenby.html
(the pages that Help > Web Design Reference opens from a document window
and from the main window).

The content lives in scripts/reference/ (groups.py, elements.py); every
page comes from the one template below, so the pages stay consistent.

    scripts/make_reference.py            write the pages into data/
    scripts/make_reference.py --check    compare data/ with the table; exit 1
                                         and list the differences if any
    --data DIR                           use DIR instead of data/

Python 3, standard library only.
"""

import argparse
import html
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from reference.groups import COMMON_SETS, GROUPS  # noqa: E402
from reference.elements import ELEMENTS  # noqa: E402

DEFAULT_DATA = os.path.join(os.path.dirname(HERE), "data")
PAGE_ROOT = "Help/Reference"
INDEX_PATHS = ("Help/Reference/quenby.html", "Reference/quenby.html")

DOCTYPE = ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN"\n'
           '  "http://www.w3.org/TR/html4/loose.dtd">')

STYLE = """<STYLE type="text/css">
<!--
body { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 10pt;
       color: #000000; background: #FFFFFF; margin: 12px 24px; }
h1 { font-size: 18pt; color: #003366; margin-bottom: 2px; }
h2 { font-size: 12pt; color: #003366; border-bottom: 1px solid #99AACC;
     margin-top: 20px; }
p.purpose { font-size: 11pt; font-style: italic; margin-top: 2px; }
.nav { font-size: 8pt; background: #EEF2F8; padding: 4px; }
table.attrs { border-collapse: collapse; }
table.attrs th, table.attrs td { border: 1px solid #BBBBBB; padding: 3px 6px;
       vertical-align: top; text-align: left; }
table.attrs th { background: #EEF2F8; }
pre { background: #F6F6F0; border: 1px solid #DDDDCC; padding: 6px; }
.note { background: #FFF8E0; border: 1px solid #E0D090; padding: 4px 6px; }
ul.elements { margin-top: 2px; }
.footer { font-size: 8pt; color: #666666; margin-top: 24px; }
-->
</STYLE>"""

FOOTER = ('<P class="footer">Quenby Tagloom 5.0 &middot; Web Design '
          'Reference</P>')


def esc(text):
    return html.escape(text, quote=True)


def display_name(element):
    return element["tag"] or element["name"].upper()


def page_path(element):
    return "%s/%s/%s.html" % (PAGE_ROOT, element["group"], element["name"])


def group_title(folder):
    for name, title, _ in GROUPS:
        if name == folder:
            return title
    raise KeyError(folder)


def validate():
    """Refuses a table that would give broken or missing pages."""
    problems = []
    folders = [g[0] for g in GROUPS]
    if len(set(folders)) != len(folders):
        problems.append("a group folder is listed twice")
    names = [e["name"] for e in ELEMENTS]
    seen = set()
    for e in ELEMENTS:
        where = e["name"]
        if e["name"] in seen:
            problems.append("%s: listed twice" % where)
        seen.add(e["name"])
        if e["name"] != e["name"].lower():
            problems.append("%s: names are lower case" % where)
        if e["group"] not in folders:
            problems.append("%s: unknown group %s" % (where, e["group"]))
        if e["common"] not in COMMON_SETS:
            problems.append("%s: unknown common set %s" % (where, e["common"]))
        for field in ("purpose", "description", "example"):
            if not e[field].strip():
                problems.append("%s: empty %s" % (where, field))
        for pair in e["attrs"]:
            if len(pair) != 2 or not all(part.strip() for part in pair):
                problems.append("%s: attribute %r is not a name and a "
                                "meaning" % (where, pair))
        if not e["related"]:
            problems.append("%s: no related elements" % where)
        for other in e["related"]:
            if other not in names:
                problems.append("%s: related %s has no page" % (where, other))
            if other == e["name"]:
                problems.append("%s: related to itself" % where)
    for folder in folders:
        if not any(e["group"] == folder for e in ELEMENTS):
            problems.append("group %s has no elements" % folder)
    return problems


def head(title):
    return "\n".join([
        DOCTYPE,
        "<HTML lang=\"en\">",
        "<HEAD>",
        "<META http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=ISO-8859-1\">",
        "<TITLE>%s</TITLE>" % esc(title),
        STYLE,
        "</HEAD>",
        "<BODY>",
    ])


def element_page(element, by_name):
    name = display_name(element)
    group = element["group"]
    index = "../quenby.html"
    out = [head("%s - Tagloom Web Design Reference" % name)]
    out.append('<P class="nav"><A href="%s">Reference index</A> &gt; '
               '<A href="%s#%s">%s</A> &gt; %s</P>'
               % (index, index, group, esc(group_title(group)), esc(name)))
    out.append("<H1>&lt;%s&gt;</H1>" % esc(name))
    out.append('<P class="purpose">%s</P>' % esc(element["purpose"]))
    out.append("<P>%s</P>" % esc(element["description"]))

    heading = element["attrs_heading"]
    out.append("<H2>%s</H2>" % esc(heading))
    if element["attrs"]:
        out.append('<TABLE class="attrs" summary="%s of %s">'
                   % (esc(heading), esc(name)))
        out.append("<TR><TH>%s</TH><TH>Meaning</TH></TR>"
                   % ("Attribute" if heading == "Attributes" else "Name"))
        for attr, meaning in element["attrs"]:
            out.append("<TR><TD><CODE>%s</CODE></TD><TD>%s</TD></TR>"
                       % (esc(attr), esc(meaning)))
        out.append("</TABLE>")
    else:
        out.append("<P>%s has no attributes of its own.</P>" % esc(name))
    common = COMMON_SETS[element["common"]]
    if common:
        out.append('<P>It also takes %s (<A href="%s#common">common '
                   'attributes</A>).</P>' % (esc(common), index))

    out.append("<H2>Example</H2>")
    out.append("<PRE>%s</PRE>" % esc(element["example"]))

    if element["note"]:
        out.append('<P class="note">%s</P>' % esc(element["note"]))

    out.append("<H2>Related elements</H2>")
    links = []
    for other_name in element["related"]:
        other = by_name[other_name]
        if other["group"] == group:
            href = "%s.html" % other_name
        else:
            href = "../%s/%s.html" % (other["group"], other_name)
        links.append('<A href="%s">%s</A>' % (href, esc(display_name(other))))
    out.append("<P>%s</P>" % ", ".join(links))
    out.append('<P><A href="%s">Back to the reference index</A></P>' % index)
    out.append(FOOTER)
    out.append("</BODY>")
    out.append("</HTML>")
    return "\n".join(out) + "\n"


def index_page(to_pages, to_guide):
    """The index; to_pages leads from the index's folder to the pages' root,
    to_guide from there to the user guide."""
    out = [head("Tagloom Web Design Reference")]
    out.append('<P class="nav"><A href="%s">Tagloom user guide</A></P>'
               % to_guide)
    out.append("<H1>Web Design Reference</H1>")
    out.append('<P class="purpose">The elements of HTML 4, what they are for, '
               'their main attributes and an example of each.</P>')
    out.append("<P>In the editor, put the caret on an element name, or "
               "select it, and press Shift+F1 (Help &gt; Get Help for Current "
               "Tag) to open its page directly. The name must be written "
               "all in lower case or all in upper case.</P>")
    out.append("<P>Groups: %s, <A href=\"#common\">common attributes</A>.</P>"
               % ", ".join('<A href="#%s">%s</A>' % (folder, esc(title))
                           for folder, title, _ in GROUPS))
    for folder, title, intro in GROUPS:
        members = sorted((e for e in ELEMENTS if e["group"] == folder),
                         key=lambda e: e["name"])
        out.append('<H2><A name="%s">%s</A></H2>' % (folder, esc(title)))
        out.append("<P>%s</P>" % esc(intro))
        out.append('<UL class="elements">')
        for e in members:
            out.append('<LI><A href="%s%s/%s.html"><CODE>%s</CODE></A> - %s'
                       '</LI>' % (to_pages, folder, e["name"],
                                  esc(display_name(e)), esc(e["purpose"])))
        out.append("</UL>")
    out.append('<H2><A name="common">Common attributes</A></H2>')
    out.append("<P>Most elements take these attributes besides their own; "
               "each element page says which sets apply.</P>")
    out.append('<TABLE class="attrs" summary="Common attributes">')
    out.append("<TR><TH>Set</TH><TH>Attributes</TH><TH>Meaning</TH></TR>")
    rows = [
        ("core", "id, class, style, title",
         "A unique name; class names for style sheets; style rules for this "
         "element; a tip shown when the mouse rests on it."),
        ("language", "lang, dir",
         "The language of the content, and its reading direction (ltr or "
         "rtl)."),
        ("event", "onclick, ondblclick, onmousedown, onmouseup, "
         "onmouseover, onmousemove, onmouseout, onkeypress, onkeydown, "
         "onkeyup",
         "Scripts run when the reader clicks, points at or types into the "
         "element. The Events page of the side panel inserts them."),
    ]
    for name, attrs, meaning in rows:
        out.append("<TR><TD>%s</TD><TD><CODE>%s</CODE></TD><TD>%s</TD></TR>"
                   % (esc(name), esc(attrs), esc(meaning)))
    out.append("</TABLE>")
    out.append(FOOTER)
    out.append("</BODY>")
    out.append("</HTML>")
    return "\n".join(out) + "\n"


def build():
    """All pages: {path relative to the data folder: text}."""
    by_name = {e["name"]: e for e in ELEMENTS}
    pages = {}
    for e in ELEMENTS:
        pages[page_path(e)] = element_page(e, by_name)
    pages[INDEX_PATHS[0]] = index_page("", "../index.htm")
    pages[INDEX_PATHS[1]] = index_page("../Help/Reference/",
                                       "../Help/index.htm")
    return pages


def managed_files(data):
    """The .html files now in the folders this script owns."""
    found = set()
    for root in (PAGE_ROOT, "Reference"):
        top = os.path.join(data, root)
        for folder, _, files in os.walk(top):
            for name in files:
                if name.endswith(".html"):
                    full = os.path.join(folder, name)
                    found.add(os.path.relpath(full, data).replace(os.sep, "/"))
    return found


def check(data, pages):
    differences = []
    for rel, text in sorted(pages.items()):
        full = os.path.join(data, rel)
        try:
            with open(full, "rb") as f:
                on_disk = f.read()
        except OSError:
            differences.append("missing: " + rel)
            continue
        if on_disk != text.encode("ascii"):
            differences.append("differs: " + rel)
    for rel in sorted(managed_files(data) - set(pages)):
        differences.append("not in the table: " + rel)
    return differences


def write(data, pages):
    for rel, text in sorted(pages.items()):
        full = os.path.join(data, rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(text.encode("ascii"))
    for rel in sorted(managed_files(data) - set(pages)):
        os.remove(os.path.join(data, rel))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare the pages in the data folder with the "
                             "table instead of writing them")
    parser.add_argument("--data", default=DEFAULT_DATA,
                        help="the data folder (default: data/ of the "
                             "repository)")
    args = parser.parse_args(argv)

    problems = validate()
    if problems:
        for p in problems:
            print("reference table: " + p, file=sys.stderr)
        return 2
    pages = build()
    if args.check:
        differences = check(args.data, pages)
        for d in differences:
            print(d, file=sys.stderr)
        if differences:
            print("run scripts/make_reference.py to bring the pages up to "
                  "date", file=sys.stderr)
            return 1
        print("%d reference pages match the table" % len(pages))
        return 0
    write(args.data, pages)
    print("wrote %d reference pages" % len(pages))
    return 0


if __name__ == "__main__":
    sys.exit(main())
