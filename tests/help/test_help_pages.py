"""Checks of the help content in the data folder: the user guide and the web
design reference with its generator, scripts/make_reference.py."""

import html.parser
import os
import shutil
import sys
import tempfile
import unittest
import urllib.parse

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
DATA = os.path.join(ROOT, "data")
sys.path.insert(0, os.path.join(ROOT, "scripts"))

import make_reference  # noqa: E402
from reference import elements as element_table  # noqa: E402

# The pages that Help > Get Help for Current Tag opens: group folder and the
# element names whose page <name>.html lies in it.
LOOKUP = {
    "html": "html body doctype",
    "block": "address blockquote center div h1 hr isindex noscript p pre",
    "fontstyle": "b i s small strike tt u",
    "forms": "button fieldset form input label legend optgroup option "
             "select textarea",
    "frames": "frame frameset noframes",
    "head": "base head link meta style title",
    "lists": "dd dir dl dt li menu ol ul",
    "phrase": "abbr acronym cite code del dfn em ins kbd samp strong var",
    "special": "a applet area basefont bdo br font iframe img map object "
               "param q script span sub sup",
    "tables": "caption col colgroup table tbody td tfoot th thead tr",
}

VOID = {"br", "hr", "img", "input", "meta", "link", "col", "base", "area",
        "param", "basefont", "isindex", "frame"}


class PageParser(html.parser.HTMLParser):
    """Collects links, anchors, tags and unbalanced elements of one page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.hrefs = []
        self.anchors = set()
        self.tags = []
        self.stack = []
        self.unbalanced = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.append((tag, attrs))
        if "href" in attrs:
            self.hrefs.append(attrs["href"])
        for key in ("name", "id"):
            if key in attrs:
                self.anchors.add(attrs[key])
        if tag not in VOID:
            self.stack.append((tag, self.getpos()))

    def handle_endtag(self, tag):
        if self.stack and self.stack[-1][0] == tag:
            self.stack.pop()
        else:
            self.unbalanced.append((tag, self.getpos(),
                                    self.stack[-1] if self.stack else None))


def parse(path):
    parser = PageParser()
    with open(path, encoding="ascii") as f:
        parser.feed(f.read())
    parser.close()
    return parser


def help_pages():
    pages = []
    for top in ("Help", "Reference"):
        for folder, _, files in os.walk(os.path.join(DATA, top)):
            pages += [os.path.join(folder, n) for n in files
                      if n.endswith((".htm", ".html"))]
    return sorted(pages)


class ReferenceTable(unittest.TestCase):
    def test_table_gives_exactly_the_pages_the_tag_lookup_opens(self):
        wanted = {(group, name) for group, names in LOOKUP.items()
                  for name in names.split()}
        self.assertEqual(len(wanted), 86)
        have = {(e["group"], e["name"]) for e in element_table.ELEMENTS}
        self.assertEqual(have, wanted)
        pages = make_reference.build()
        for group, name in wanted:
            self.assertIn("Help/Reference/%s/%s.html" % (group, name), pages)

    def test_table_is_valid(self):
        self.assertEqual(make_reference.validate(), [])

    def test_validation_names_a_related_element_without_page(self):
        entry = element_table.ELEMENTS[0]
        saved = list(entry["related"])
        entry["related"].append("blink")
        try:
            problems = make_reference.validate()
        finally:
            entry["related"][:] = saved
        self.assertEqual(problems, ["%s: related blink has no page"
                                    % entry["name"]])

    def test_examples_are_shown_as_text_not_as_mark_up(self):
        page = make_reference.build()["Help/Reference/special/a.html"]
        self.assertIn("&lt;A href=&quot;prices.htm&quot;", page)
        parser = PageParser()
        parser.feed(page)
        self.assertNotIn("prices.htm", parser.hrefs)


class CommittedPages(unittest.TestCase):
    def test_committed_pages_match_the_table(self):
        self.assertEqual(make_reference.check(DATA, make_reference.build()),
                         [])

    def test_check_reports_changed_missing_and_stray_pages_and_write_mends(
            self):
        with tempfile.TemporaryDirectory() as tmp:
            for top in ("Help", "Reference"):
                shutil.copytree(os.path.join(DATA, top),
                                os.path.join(tmp, top))
            reference = os.path.join(tmp, "Help", "Reference")
            with open(os.path.join(reference, "tables", "td.html"), "a") as f:
                f.write("<!-- edited by hand -->\n")
            os.remove(os.path.join(reference, "lists", "dl.html"))
            with open(os.path.join(reference, "block", "h2.html"), "w") as f:
                f.write("stray\n")
            pages = make_reference.build()
            self.assertEqual(make_reference.check(tmp, pages), [
                "missing: Help/Reference/lists/dl.html",
                "differs: Help/Reference/tables/td.html",
                "not in the table: Help/Reference/block/h2.html",
            ])
            make_reference.write(tmp, pages)
            self.assertEqual(make_reference.check(tmp, pages), [])


class Links(unittest.TestCase):
    def test_every_link_of_the_help_pages_leads_to_a_page_and_anchor(self):
        pages = help_pages()
        self.assertGreater(len(pages), 88)
        anchors = {}
        parsed = {}
        for page in pages:
            parsed[page] = parse(page)
            anchors[os.path.normpath(page)] = parsed[page].anchors
        broken = []
        for page, parser in parsed.items():
            for href in parser.hrefs:
                url = urllib.parse.urlsplit(href)
                if url.scheme or url.netloc:
                    broken.append("%s: leaves the help: %s" % (page, href))
                    continue
                target = os.path.normpath(os.path.join(
                    os.path.dirname(page), url.path)) if url.path else page
                if target not in anchors:
                    broken.append("%s: no page %s" % (page, href))
                elif url.fragment and url.fragment not in anchors[target]:
                    broken.append("%s: no anchor %s" % (page, href))
        self.assertEqual(broken, [])

    def test_pages_are_balanced_and_load_nothing_from_outside(self):
        problems = []
        for page in help_pages():
            parser = parse(page)
            if parser.unbalanced or parser.stack:
                problems.append("%s: unbalanced %r, unclosed %r"
                                % (page, parser.unbalanced[:3],
                                   parser.stack[:3]))
            for tag, attrs in parser.tags:
                if tag in ("script", "link", "img", "iframe", "object") \
                        or "src" in attrs:
                    problems.append("%s: loads <%s>" % (page, tag))
        self.assertEqual(problems, [])

    def test_guide_contents_reach_every_chapter(self):
        guide = parse(os.path.join(DATA, "Help", "index.htm"))
        chapters = ["welcome", "start", "mainwindow", "documents", "menus",
                    "editing", "insertion", "palettes", "panels", "dialogs",
                    "edittag", "typing", "codetools", "preview", "hueloom",
                    "pathloom", "wap", "update", "preferences", "help",
                    "files", "messages"]
        for chapter in chapters:
            self.assertIn(chapter, guide.anchors)
            self.assertIn("#" + chapter, guide.hrefs)


if __name__ == "__main__":
    unittest.main()
