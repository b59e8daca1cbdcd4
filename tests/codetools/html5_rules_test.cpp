#include "base/data_folder.h"
#include "codetools/document_analysis.h"
#include "codetools/html5_rules.h"
#include "common/temp_data.h"

#include <QFile>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace tagloom;

namespace {

QByteArray shippedTable()
{
    QFile file(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR) + QLatin1String(DataPath::Html5Rules));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A data folder holding the shipped HTML 5 table and nothing else.
class Html5Folder {
public:
    Html5Folder() { m_folder.write(QLatin1String(DataPath::Html5Rules), shippedTable()); }
    AnalysisOptions options() const
    {
        AnalysisOptions o;
        o.rules = AnalysisRules::Html5;
        o.dataFolder = m_folder.path();
        return o;
    }

private:
    test::TempDataFolder m_folder{false};
};

const Html5Folder &html5()
{
    static const Html5Folder folder;
    return folder;
}

// Rows as lines of "INVALID|MESSAGE|TYPE", readable where a test fails.
std::string lines(const QStringList &rows)
{
    return rows.join(QLatin1Char('\n')).toStdString();
}

std::string rowsOf(const QByteArray &page, const AnalysisOptions &options)
{
    QStringList out;
    for (const AnalysisRow &row : analyseFile(page, options))
        out << row.invalid + QLatin1Char('|') + row.message + QLatin1Char('|') + row.type;
    return lines(out);
}

std::string html5Rows(const QByteArray &page)
{
    return rowsOf(page, html5().options());
}

const QString kClear = QStringLiteral("|No errors found in this document.|");

QString unknown(const QByteArray &attribute, const QByteArray &tag)
{
    return QStringLiteral("%1|UNKNOWN PROPERTY: %1 IN <%2>|Error")
        .arg(QString::fromLatin1(attribute.toUpper()), QString::fromLatin1(tag.toUpper()));
}

QString obsoleteAttribute(const QByteArray &attribute, const QByteArray &tag)
{
    return QStringLiteral("%1|SUPERCEEDED/DISCONTINUED: %1 IN <%2>|Deprecated")
        .arg(QString::fromLatin1(attribute.toUpper()), QString::fromLatin1(tag.toUpper()));
}

QString obsoleteElement(const QByteArray &tag)
{
    return QStringLiteral("%1|SUPERCEEDED/DISCONTINUED: <%1>|Deprecated").arg(QString::fromLatin1(tag.toUpper()));
}

// Elements of current HTML with some attributes of their own, and one that
// belongs to another element (or to no element) and must be refused.
struct ElementSample {
    const char *element;
    QByteArrayList own;
    const char *foreign;
};

const std::vector<ElementSample> &sample()
{
    static const std::vector<ElementSample> rows = {
        {"a", {"href", "target", "download", "ping", "rel", "hreflang", "type", "referrerpolicy"}, "src"},
        {"abbr", {}, "title2"},
        {"address", {}, "href"},
        {"area", {"alt", "coords", "shape", "href", "download"}, "src"},
        {"article", {}, "cite"},
        {"aside", {}, "open"},
        {"audio", {"src", "crossorigin", "preload", "autoplay", "loop", "muted", "controls"}, "poster"},
        {"b", {}, "bold"},
        {"base", {"href", "target"}, "rel"},
        {"bdi", {}, "datetime"},
        {"bdo", {}, "value"},
        {"blockquote", {"cite"}, "datetime"},
        {"body", {"onafterprint", "onbeforeunload", "onhashchange", "onpopstate", "onunload"}, "bgproperties"},
        {"br", {}, "value"},
        {"button", {"disabled", "form", "formaction", "name", "type", "value", "popovertarget", "commandfor", "command"},
         "placeholder"},
        {"canvas", {"width", "height"}, "src"},
        {"caption", {}, "span"},
        {"cite", {}, "href"},
        {"code", {}, "language"},
        {"col", {"span"}, "colspan"},
        {"colgroup", {"span"}, "rowspan"},
        {"data", {"value"}, "datetime"},
        {"datalist", {}, "options"},
        {"dd", {}, "value"},
        {"del", {"cite", "datetime"}, "href"},
        {"details", {"open", "name"}, "closedby"},
        {"dfn", {}, "cite"},
        {"dialog", {"open", "closedby"}, "modal"},
        {"div", {}, "href"},
        {"dl", {}, "start"},
        {"dt", {}, "value"},
        {"em", {}, "cite"},
        {"embed", {"src", "type", "width", "height"}, nullptr}, // takes any attribute
        {"fieldset", {"disabled", "form", "name"}, "value"},
        {"figcaption", {}, "for"},
        {"figure", {}, "src"},
        {"footer", {}, "role2"},
        {"form", {"accept-charset", "action", "autocomplete", "enctype", "method", "name", "novalidate", "rel", "target"},
         "formaction"},
        {"h1", {}, "level"},
        {"h6", {}, "href"},
        {"head", {}, "lang2"},
        {"header", {}, "open"},
        {"hgroup", {}, "level"},
        {"hr", {}, "span"},
        {"html", {}, "href"},
        {"i", {}, "src"},
        {"iframe", {"src", "srcdoc", "name", "sandbox", "allow", "allowfullscreen", "loading", "referrerpolicy"},
         "srcset"},
        {"img", {"alt", "src", "srcset", "sizes", "crossorigin", "usemap", "ismap", "decoding", "loading", "fetchpriority"},
         "poster"},
        {"input",
         {"accept", "alt", "autocomplete", "checked", "dirname", "disabled", "list", "max", "maxlength", "min", "pattern",
          "placeholder", "readonly", "required", "step", "type", "value", "popovertargetaction"},
         "rows"},
        {"ins", {"cite", "datetime"}, "href"},
        {"kbd", {}, "key"},
        {"label", {"for"}, "name"},
        {"legend", {}, "for"},
        {"li", {"value"}, "start"},
        {"link", {"href", "crossorigin", "rel", "as", "media", "sizes", "imagesrcset", "integrity", "blocking"}, "src"},
        {"main", {}, "href"},
        {"map", {"name"}, "href"},
        {"mark", {}, "color"},
        {"menu", {}, "open"},
        {"meta", {"name", "http-equiv", "content", "charset", "media"}, "value"},
        {"meter", {"value", "min", "max", "low", "high", "optimum"}, "step"},
        {"nav", {}, "href"},
        {"noscript", {}, "src"},
        {"object", {"data", "type", "name", "form", "width", "height"}, "src"},
        {"ol", {"reversed", "start", "type"}, "value"},
        {"optgroup", {"disabled", "label"}, "value"},
        {"option", {"disabled", "label", "selected", "value"}, "checked"},
        {"output", {"for", "form", "name"}, "value"},
        {"p", {}, "href"},
        {"picture", {}, "src"},
        {"pre", {}, "wrap"},
        {"progress", {"value", "max"}, "min"},
        {"q", {"cite"}, "datetime"},
        {"ruby", {}, "lang2"},
        {"s", {}, "cite"},
        {"script", {"src", "type", "nomodule", "async", "defer", "crossorigin", "integrity", "blocking"}, "href"},
        {"search", {}, "action"},
        {"section", {}, "cite"},
        {"select", {"autocomplete", "disabled", "form", "multiple", "name", "required", "size"}, "value"},
        {"slot", {"name"}, "for"},
        {"small", {}, "size"},
        {"source", {"type", "media", "src", "srcset", "sizes"}, "alt"},
        {"span", {}, "span"},
        {"strong", {}, "level"},
        {"style", {"media", "blocking"}, "type2"},
        {"sub", {}, "src"},
        {"summary", {}, "open"},
        {"table", {}, "span"},
        {"tbody", {}, "span"},
        {"td", {"colspan", "rowspan", "headers"}, "span"},
        {"template", {"shadowrootmode", "shadowrootdelegatesfocus", "shadowrootclonable"}, "src"},
        {"textarea", {"cols", "rows", "wrap", "maxlength", "minlength", "placeholder", "readonly", "required"}, "value"},
        {"th", {"colspan", "rowspan", "headers", "scope", "abbr"}, "span"},
        {"time", {"datetime"}, "value"},
        {"title", {}, "href"},
        {"tr", {}, "span"},
        {"track", {"default", "kind", "label", "src", "srclang"}, "type"},
        {"u", {}, "href"},
        {"ul", {}, "start"},
        {"var", {}, "value"},
        {"video", {"src", "poster", "preload", "autoplay", "playsinline", "loop", "muted", "controls", "width", "height"},
         "alt"},
        {"wbr", {}, "value"},
    };
    return rows;
}

QByteArray tagWith(const char *element, const QByteArrayList &attributes)
{
    QByteArray tag = QByteArray("<") + element;
    for (const QByteArray &a : attributes)
        tag += ' ' + a + "=\"x\"";
    return tag + '>';
}

TEST(Html5Rules, ElementsTakeTheirOwnAttributesAndRefuseOthers)
{
    ASSERT_GE(sample().size(), 60u);
    for (const ElementSample &row : sample()) {
        EXPECT_EQ(html5Rows(tagWith(row.element, row.own)), lines({kClear})) << row.element;
        if (row.foreign) {
            EXPECT_EQ(html5Rows(tagWith(row.element, {row.foreign})), lines({unknown(row.foreign, row.element)}))
                << row.element;
        }
    }
    // embed carries a plugin's parameters, whatever their names.
    EXPECT_EQ(html5Rows("<embed src=a.swf quality=high flashvars=x>"), lines({kClear}));
}

TEST(Html5Rules, GlobalAttributesOnEveryElement)
{
    const QByteArrayList globals = {
        "id", "class", "style", "title", "lang", "dir", "hidden", "tabindex", "accesskey", "autocapitalize", "autofocus",
        "contenteditable", "draggable", "enterkeyhint", "inert", "inputmode", "is", "itemid", "itemprop", "itemref",
        "itemscope", "itemtype", "nonce", "popover", "slot", "spellcheck", "translate", "writingsuggestions", "role",
        "data-x", "data-user-id", "aria-label", "aria-hidden", "aria-describedby", "onclick", "onload", "onkeydown",
        "oninput", "onpointerdown", "ontransitionend", "xml:lang",
    };
    for (const ElementSample &row : sample())
        EXPECT_EQ(html5Rows(tagWith(row.element, globals)), lines({kClear})) << row.element;
}

TEST(Html5Rules, NamesThatOnlyLookGlobal)
{
    const struct {
        const char *page;
        QStringList rows;
    } cases[] = {
        {"<div DATA-Row=1 Aria-Expanded=true ONCLICK=f()>", {kClear}},
        // A prefix alone names no attribute.
        {"<div data-=1 aria->", {unknown("data-", "div"), unknown("aria-", "div")}},
        {"<div datax=1 onfrobnicate=f()>", {unknown("datax", "div"), unknown("onfrobnicate", "div")}},
        // Window handlers belong to body.
        {"<p onhashchange=f()><body onhashchange=f()>", {unknown("onhashchange", "p")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(html5Rows(c.page), lines(c.rows)) << c.page;
}

TEST(Html5Rules, ObsoleteElementsAndAttributes)
{
    for (const char *element : {"acronym", "applet", "basefont", "big", "center", "dir", "font", "frame", "frameset",
                                "marquee", "strike", "tt", "isindex", "keygen", "noframes", "xmp"})
        EXPECT_EQ(html5Rows(QByteArray("<") + element + " foo=1>x</" + element + '>'),
                  lines({obsoleteElement(element)}))
            << element;

    const struct {
        const char *page;
        QStringList rows;
    } cases[] = {
        {"<img src=a alt=b border=0>", {obsoleteAttribute("border", "img")}},
        {"<p align=center>", {obsoleteAttribute("align", "p")}},
        {"<table border=1 cellpadding=2 summary=s>",
         {obsoleteAttribute("border", "table"), obsoleteAttribute("cellpadding", "table"),
          obsoleteAttribute("summary", "table")}},
        {"<td nowrap bgcolor=red colspan=2>", {obsoleteAttribute("nowrap", "td"), obsoleteAttribute("bgcolor", "td")}},
        {"<body bgcolor=white onload=init()>", {obsoleteAttribute("bgcolor", "body")}},
        {"<a name=top href=#x>", {obsoleteAttribute("name", "a")}},
        {"<script language=javascript src=a.js>", {obsoleteAttribute("language", "script")}},
        {"<br clear=all>", {obsoleteAttribute("clear", "br")}},
        {"<iframe src=a frameborder=0 scrolling=no>",
         {obsoleteAttribute("frameborder", "iframe"), obsoleteAttribute("scrolling", "iframe")}},
        {"<html manifest=a.appcache lang=en>", {obsoleteAttribute("manifest", "html")}},
        // An attribute one element retires stays another's own.
        {"<ol type=a><ul type=disc>", {obsoleteAttribute("type", "ul")}},
        // Obsolete and unknown in the order they stand.
        {"<hr noshade foo size=2>",
         {obsoleteAttribute("noshade", "hr"), unknown("foo", "hr"), obsoleteAttribute("size", "hr")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(html5Rows(c.page), lines(c.rows)) << c.page;
}

TEST(Html5Rules, SyntaxOfCurrentPages)
{
    const struct {
        const char *page;
        QStringList rows;
    } cases[] = {
        {"<!DOCTYPE html><br/><br /><img src=a alt=\"\" /><input disabled/><hr/>", {kClear}},
        {"<input foo/>", {unknown("foo", "input")}},
        // Custom elements and unknown names are not checked.
        {"<my-widget size=3 foo></my-widget><blink2 x>", {kClear}},
        // SVG and MathML: nothing inside is checked, up to their end tag.
        {"<svg viewBox=\"0 0 9 9\" xmlns=\"http://www.w3.org/2000/svg\"><a xlink:href=x><title>t</title></a>"
         "<font size=2/><svg><rect x=1/></svg><style type=x></style></svg><p foo>",
         {unknown("foo", "p")}},
        {"<math display=block><mi mathvariant=bold>x</mi></MATH><div foo>", {unknown("foo", "div")}},
        {"<svg/><p foo><svg x=1 /><p bar>", {unknown("foo", "p"), unknown("bar", "p")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(html5Rows(c.page), lines(c.rows)) << c.page;
}

TEST(Html5Rules, Html4StaysAsItWas)
{
    const QByteArray page = "<div data-x=1 role=main><br/><center><section open>";
    EXPECT_EQ(rowsOf(page, {}),
              lines({unknown("data-x", "div"), unknown("role", "div"), obsoleteElement("center")}));
    EXPECT_EQ(html5Rows(page), lines({obsoleteElement("center"), unknown("open", "section")}));
}

TEST(Html5Rules, FindingsDoNotDependOnBlockSize)
{
    const QByteArray page = "<html manifest=x><body><svg><a q=1></a></svg>\r\n<p align=left data-k=v foo>"
                            "<font>x</font><input disabled/><td nowrap>";
    QStringList whole;
    scanFindings(page, [&](const AnalysisFinding &f) { whole << QString::fromUtf8(f.message); }, html5().options());
    ASSERT_EQ(whole.size(), 5);
    for (qsizetype block : {1, 2, 7}) {
        QStringList pieces;
        PageAnalysis analysis([&](const AnalysisFinding &f) { pieces << QString::fromUtf8(f.message); },
                              html5().options());
        for (qsizetype at = 0; at < page.size(); at += block)
            analysis.feed(QByteArrayView(page).sliced(at, qMin(block, page.size() - at)));
        analysis.finish();
        EXPECT_EQ(pieces, whole) << block;
    }
}

// The table file itself.

TEST(Html5Rules, AMissingOrBrokenTableIsReportedNotPassed)
{
    const test::TempDataFolder empty(false);
    AnalysisOptions options;
    options.rules = AnalysisRules::Html5;
    options.dataFolder = empty.path();
    const QVector<AnalysisRow> rows = analyseFile("<div foo><center>", options);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].type, QStringLiteral("Error"));
    const std::string message = rows[0].message.toStdString();
    EXPECT_TRUE(rows[0].message.startsWith(QStringLiteral("The HTML 5 table could not be read: "))) << message;
    EXPECT_TRUE(rows[0].message.contains(QStringLiteral("html5.txt"))) << message;

    // Said once, even for a page that arrives in many blocks or not at all.
    qint64 said = 0;
    PageAnalysis analysis([&](const AnalysisFinding &f) { said += f.isError(); }, options);
    analysis.feed("<p>");
    analysis.feed("<p foo>");
    analysis.finish();
    EXPECT_EQ(said, 1);
    EXPECT_EQ(scanFindings("", [](const AnalysisFinding &) {}, options), 1);

    empty.write(QLatin1String(DataPath::Html5Rules), "element p : align\nelement div : : x\n");
    const QVector<AnalysisRow> broken = analyseFile("<p>", options);
    ASSERT_EQ(broken.size(), 1);
    EXPECT_TRUE(broken[0].message.endsWith(QStringLiteral("line 2: a second \":\""))) << broken[0].message.toStdString();

    // Repaired, it counts at once; read, it is kept.
    empty.write(QLatin1String(DataPath::Html5Rules), "element p : align\n");
    EXPECT_EQ(analyseFile("<p align=x foo>", options).size(), 1);
    QFile::remove(empty.file(QLatin1String(DataPath::Html5Rules)));
    EXPECT_EQ(rowsOf("<p align=x foo>", options), lines({unknown("foo", "p")}));
}

TEST(Html5Rules, TableFileStatements)
{
    const struct {
        const char *name;
        const char *text;
        const char *error; // nullptr: parses
    } cases[] = {
        {"comments and blanks", "# a table\n\n  element p : align \r\n", nullptr},
        {"element without own attributes", "element p div\n", nullptr},
        {"obsolete attribute of a later element", "obsolete-attribute td : nowrap\nelement td\n", nullptr},
        {"unknown statement", "element p\nelemnt div\n", "line 2: unknown statement \"elemnt\""},
        {"two colons", "element p : a : b\n", "line 1: a second \":\""},
        {"nothing named", "element p\nglobal\n", "line 2: \"global\" names nothing"},
        {"colon where none belongs", "element p\nglobal id : x\n", "line 2: \"global\" takes no \":\""},
        {"obsolete attribute without attributes", "element td\nobsolete-attribute td\n",
         "line 2: \"obsolete-attribute\" needs \": ATTRIBUTE...\""},
        {"obsolete attribute of no element", "element p\n\nobsolete-attribute tdd : nowrap\n",
         "line 3: \"TDD\" is not an element of the table"},
        {"not a name", "element p : \xc3\xa9t\xc3\xa9\n", "line 1: \"\xc3\x83\xc2\xa9t\xc3\x83\xc2\xa9\" is not a name"},
        {"empty file", "# nothing\n", "it names no elements"},
    };
    for (const auto &c : cases) {
        const Result<RuleTable> table = parseRuleTable(c.text);
        if (!c.error) {
            EXPECT_TRUE(table) << c.name << ": " << table.error.toStdString();
        } else {
            EXPECT_EQ(table.error, QString::fromUtf8(c.error)) << c.name;
        }
    }
}

TEST(Html5Rules, ReadOnceAndSharedAcrossThreads)
{
    const test::TempDataFolder folder(false);
    folder.write(QLatin1String(DataPath::Html5Rules), shippedTable());
    std::vector<std::shared_ptr<const RuleTable>> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] {
            auto rules = html5Rules(folder.path());
            if (rules)
                seen[i] = *rules;
        });
    for (std::thread &t : threads)
        t.join();
    ASSERT_TRUE(seen[0]);
    for (const auto &s : seen)
        EXPECT_EQ(s.get(), seen[0].get());
    EXPECT_GE(seen[0]->elementCount(), 110u);
}

} // namespace
