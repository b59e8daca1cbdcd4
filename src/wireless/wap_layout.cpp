#include "wireless/wap_layout.h"

#include "codetools/html_parser.h"

#include <optional>

namespace tagloom {

namespace {

class Walk {
public:
    Walk(int clientWidth, WapMeasure &measure) : m_width(clientWidth), m_measure(measure)
    {
        m_h = height();
    }

    void tag(const THTMLTag &tag);
    void text(const THTMLText &text);
    WapLayout result() { return std::move(m_layout); }

private:
    int height() { return m_measure.pixelHeight(m_font); }
    // The line below the current one, at the left edge.
    void newLine()
    {
        m_y += m_h;
        m_x = 2;
    }
    void startSize(int pointSize)
    {
        m_saved = m_font;
        m_font.pointSize = pointSize;
        m_font.bold = true;
        m_font.italic = false;
        m_font.underline = false;
        m_h = height();
    }
    void endSize()
    {
        newLine();
        if (m_saved)
            m_font = *m_saved;
        m_y += height();
        m_h = height();
    }
    // A rule or an input box on a line of its own, half a line from the text.
    void placeBar(WapItem::Kind kind, int barHeight)
    {
        m_y += m_h + m_h / 2;
        m_x = 2;
        m_h = height();
        WapItem item;
        item.kind = kind;
        item.rect = QRect(2, m_y, m_width - 20, barHeight);
        m_layout.items.push_back(item);
        m_y += barHeight + m_h / 2;
    }

    int m_width;
    WapMeasure &m_measure;
    WapLayout m_layout;
    WapFont m_font;
    std::optional<WapFont> m_saved;
    int m_x = 2;
    int m_y = 2;
    int m_h = 0;
    bool m_inOption = false;
    bool m_inPre = false;
    bool m_inLink = false;
    QString m_target;
};

void Walk::tag(const THTMLTag &tag)
{
    m_inOption = false;
    const QStringView name = tag.Name;
    const auto is = [&](const char *n) { return name == QLatin1String(n); };
    if (is("BIG")) {
        startSize(24);
    } else if (is("SMALL")) {
        startSize(7);
    } else if (is("/BIG") || is("/SMALL")) {
        endSize();
    } else if (is("BR/")) {
        m_y += m_h;
        m_h = height();
        m_x = 2;
    } else if (is("STRONG") || is("B") || is("/STRONG") || is("/B")) {
        m_font.bold = !name.startsWith(u'/');
    } else if (is("EM") || is("I") || is("/EM") || is("/I")) {
        m_font.italic = !name.startsWith(u'/');
    } else if (is("U") || is("/U")) {
        m_font.underline = !name.startsWith(u'/');
    } else if (is("HR")) {
        placeBar(WapItem::Kind::Rule, 3);
    } else if (is("INPUT/")) {
        placeBar(WapItem::Kind::Edit, 19);
    } else if (is("IMG")) {
        for (const THTMLParam &param : tag.Params) {
            if (param.Name != QLatin1String("SRC"))
                continue;
            WapItem item;
            item.kind = WapItem::Kind::Picture;
            item.text = param.Value.toString();
            item.rect = QRect(QPoint(m_x, m_y), m_measure.pictureSize(item.text));
            m_x += item.rect.width();
            m_layout.items.push_back(item);
        }
    } else if (is("CARD")) {
        for (const THTMLParam &param : tag.Params)
            if (param.Name == QLatin1String("TITLE"))
                m_layout.title = param.Value.toString() + QStringLiteral(" - WAP Viewer");
    } else if (is("PRE")) {
        newLine();
        m_inPre = true;
    } else if (is("/PRE")) {
        newLine();
        m_h = height();
        m_inPre = false;
    } else if (is("OPTION")) {
        m_x = 2;
        m_y += m_h + 5;
        m_inOption = true;
    } else if (is("/OPTION")) {
        newLine();
        m_h = height();
        m_inOption = false;
    } else if (is("GO")) {
        m_inLink = true;
        m_target.clear();
        for (const THTMLParam &param : tag.Params)
            if (param.Name == QLatin1String("HREF"))
                m_target = param.Value.toString();
    } else if (is("/GO")) {
        m_inLink = false;
    }
}

void Walk::text(const THTMLText &text)
{
    WapItem item;
    item.font = m_font;
    item.text = text.Text.toString();
    if (m_inOption) {
        item.kind = WapItem::Kind::Radio;
        item.rect = QRect(m_x, m_y, m_width - 2, m_measure.textSize(item.text, m_font, 0).height());
        m_layout.items.push_back(item);
        return;
    }
    item.wordWrap = true;
    if (m_inPre) {
        item.font.family = QStringLiteral("Courier");
        item.font.pointSize = 10;
        item.text = text.RawText.toString();
        item.wordWrap = false;
    }
    if (m_inLink) {
        item.link = true;
        item.target = m_target;
        item.font.bold = false;
        item.font.italic = false;
        item.font.underline = true;
    }
    const QSize size = m_measure.textSize(item.text, item.font, item.wordWrap ? m_width - 18 : 0);
    item.rect = QRect(QPoint(m_x, m_y), size);
    m_layout.items.push_back(item);
    m_x += size.width();
    m_h = size.height();
}

} // namespace

WapLayout layOutWapCard(const THTMLParser &parser, int clientWidth, WapMeasure &measure)
{
    Walk walk(clientWidth, measure);
    for (const THTMLNode &node : parser.Nodes) {
        if (const auto *tag = std::get_if<THTMLTag>(&node))
            walk.tag(*tag);
        else
            walk.text(std::get<THTMLText>(node));
    }
    return walk.result();
}

} // namespace tagloom
