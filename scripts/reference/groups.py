"""The ten groups of the web design reference, in the order of the index.

Each group is (folder, title, introduction). The folder names are the
folders of data/Help/Reference that the program's tag lookup (Shift+F1)
opens pages from, so they must not change.
"""

GROUPS = [
    ("html", "Document structure",
     "The outermost frame of every page: the document type declaration, "
     "the HTML element that holds everything else, and the body that holds "
     "what the reader sees."),
    ("head", "Document head",
     "Elements that describe the page rather than show it: its title, "
     "keywords for search engines, style sheets, the base address for "
     "relative links and links to related documents."),
    ("block", "Block-level elements",
     "Elements that start on a new line and form the building blocks of a "
     "page's layout: paragraphs, headings, divisions, quotations, "
     "preformatted text and rules."),
    ("lists", "Lists",
     "Bulleted, numbered and definition lists, and the older menu and "
     "directory lists."),
    ("tables", "Tables",
     "Rows and columns of data: the table itself, its caption, row groups, "
     "column groups, rows and cells."),
    ("forms", "Forms",
     "Controls that collect input from the reader and send it to a server "
     "or to a script: the form, text fields, buttons, check boxes, lists "
     "and their labels."),
    ("fontstyle", "Font style elements",
     "Elements that change the look of text directly: bold, italic, "
     "underline, strike-through, small and teletype text. Style sheets do "
     "the same job with more control."),
    ("phrase", "Phrase elements",
     "Elements that say what a piece of text is (an emphasis, a citation, "
     "a piece of code, an abbreviation) and leave its look to the browser "
     "or the style sheet."),
    ("special", "Special inline elements",
     "Links, images, image maps, embedded objects and applets, scripts, "
     "line breaks, fonts, quotations and the generic span."),
    ("frames", "Frames",
     "Framesets divide the browser window into several independently "
     "scrolling documents; inline frames place one document inside "
     "another."),
]

# What the common attribute sets mean; shown on the index page and named on
# the element pages.
COMMON_SETS = {
    "all": "the core, language and event attributes",
    "core+i18n": "the core and language attributes",
    "core": "the core attributes",
    "i18n": "the language attributes",
    "none": None,
}
