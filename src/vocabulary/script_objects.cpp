#include "vocabulary/script_objects.h"

namespace tagloom {

namespace {

using Nodes = std::vector<ScriptObject>;

// Leaves from a list of texts, so that long groups stay one line per row.
Nodes leaves(std::initializer_list<const char *> texts)
{
    Nodes nodes;
    for (const char *text : texts)
        nodes.push_back({text, {}});
    return nodes;
}

Nodes operator+(Nodes a, const Nodes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Nodes buildTree()
{
    const Nodes form = leaves({"document.form.action", "document.form.elements[..]", "document.form.encoding",
                               "document.form.length", "document.form.reset(..)", "document.form.submit(..)",
                               "document.form.target"});
    const Nodes image = leaves({"border", "complete", "height", "hspace", "lowsrc", "name", "prototype", "src",
                                "vspace", "width"});
    const Nodes link = leaves({"document.link.hash", "document.link.host", "document.link.hostname",
                               "document.link.href", "document.link.pathname", "document.link.port",
                               "document.link.protocol", "document.link.search", "document.link.target"});
    const Nodes document =
        Nodes{{"Form", form}, {"Image", image}, {"Link", link}} +
        leaves({"document.anchors[..]", "document.bgColor", "document.cookie", "document.embeds",
                "document.fgColor", "document.forms[..]", "document.lastModified", "document.linkColor",
                "document.links[..]", "document.location", "document.referrer", "document.title",
                "document.vlinkColor", "document.clear[..]", "document.close[..]", "document.open(..)",
                "document.write(\"..\")", "document.writeln(\"..\")", "document.alinkColor"});
    const Nodes history = leaves({"history.length", "history.back(..)", "history.forward(..)", "history.go(..)"});
    const Nodes location = leaves({"location.hash", "location.host", "location.hostname", "location.href",
                                   "location.port", "location.protocol", "location.search", "location.reload(..)",
                                   "window.location.replace"});
    const Nodes frame = leaves({"frame.frames", "frame.name", "frame.length", "frame.parent", "frame.self",
                                "frame.window", "frame.blue(..)", "frame.focus(..)", "frame.setTimeout(..)"});
    const Nodes window =
        Nodes{{"History", history}, {"Location", location}, {"Document", document}, {"Frame", frame}} +
        leaves({"window.defaultStatus", "window.frames[..]", "window.length", "window.name", "window.opener",
                "window.parent", "window.self", "window.status", "window.top", "window.alert(\"..\")",
                "window.blue(..)", "window.clearTimeout(..)", "window.close(..)", "window.confirm(\"..\")",
                "window.focus(..)", "window.prompt(\"..\", \"\")", "window.scroll(..)", "window.setTimeout(..)"});
    const Nodes navigator =
        leaves({"navigator.appCodeName", "navigator.appName", "navigator.appVersion", "navigator.javaEnabled(..)",
                "navigator.mimeTypes", "navigator.plugins", "navigator.userAgent"}) +
        Nodes{{"Plugins", leaves({"description", "filename", "length", "name"})}};
    const Nodes date = leaves({"prototype", "getDate(..)", "getDay(..)", "getHours(..)", "getMinutes(..)",
                               "getMonth(..)", "getSeconds(..)", "getTime(..)", "getTimezoneOffset(..)",
                               "getYear(..)", "parse(\"..\")", "setDate(..)", "setHours(..)", "setMinutes(..)",
                               "setMonth(..)", "setSeconds(..)", "setTime(..)", "setYear(..)", "toGMTString(..)",
                               "toLocaleString(..)", "UTC(..)"});
    const Nodes math = leaves({"Math.E", "Math.LN2", "Math.LN10", "Math.LOG2E", "Math.LOG10E", "Math.PI",
                               "Math.SQRT1_2", "Math.SQRT2", "Math.abs(..)", "Math.acos(..)", "Math.asin(..)",
                               "Math.atan(..)", "Math.ceil(..)", "Math.cos(..)", "Math.exp(..)", "Math.floor(..)",
                               "Math.log(..)", "Math.max(..)", "Math.min(..)", "Math.pow(..)", "Math.random(..)",
                               "Math.round(..)", "Math.sin(..)", "Math.sqrt(..)", "Math.tan"});
    const Nodes string = leaves({"length", "prototype", "anchor(\"..\")", "big(..)", "blink(..)", "bold(..)",
                                 "charAt(..)", "fixed(..)", "fontcolor(\"..\")", "fontsize(..)", "indexOf(..)",
                                 "italics(..)", "lastIndexOf(..)", "link(\"..\")", "small(..)", "split(..)",
                                 "strike(..)", "sub(..)", "substring(..)", "sup(..)", "toLowerCase(..)",
                                 "toUpperCase(..)"});
    return {{"Window", window}, {"Navigator", navigator}, {"Date and Time", date}, {"Math", math},
            {"String", string}};
}

} // namespace

const std::vector<ScriptObject> &scriptObjects()
{
    static const std::vector<ScriptObject> tree = buildTree();
    return tree;
}

QStringList attributeTagNames()
{
    return QStringLiteral("A APPLET AREA B BLOCKQUOTE BODY BR DD DIV DT EM FONT FORM FRAMESET H1 H2 H3 H4 H5 H6 "
                          "HEAD HR I INPUT LI MAP META NOFRAMES NOSCRIPT OL P PARAM PRE SCRIPT SELECT SPAN "
                          "STRONG STYLE SUB SUP TEXTAREA U UL")
        .split(QLatin1Char(' '));
}

} // namespace tagloom
