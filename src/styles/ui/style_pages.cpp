#include "styles/ui/style_pages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace tagloom {

namespace {

const char kUnits[] = "cm|in|mm|pt|px";

// One field under its label: `items` split at "|"; none makes a text box.
// `column` 0 starts a new row, a higher one puts the label and field beside
// the last; a row without a name is a label alone.
struct Row {
    const char *page;
    const char *label;
    const char *name;
    const char *items;
    int column = 0;
};

const Row kRows[] = {
    {"Text", "Font Size:", "FontSize", "large|larger|medium|small|smaller|x-large|x-small|xx-large|xx-small"},
    {"Text", "Font Weight:", "FontWeight", "bold|normal"},
    {"Text", "Colour:", "Colour", "Black|Blue|Brown|Green|Grey|Lime|Red|Teal|White|Yellow"},
    {"Text", "Font Family:", "FontFamily", "cursive|fantasy|monospace|sans-serif|serif"},
    {"Text", "Font Style:", "FontStyle", "italic|normal"},
    {"Text", "Font:", "Font", ""},
    {"Text", "Line Height:", "LineHeight", ""},
    {"Text", "Text Decoration:", "TextDecoration", "none|overline|through|underline"},
    {"Text", "Text Align:", "TextAlign", "center|left|right"},
    {"Text", "Text Indent:", "TextIndent", ""},
    {"Text", "Text Transform:", "TextTransform", "capitalize|lowercase|uppercase"},
    {"Box", "Margin T:", "MarginTop", ""},
    {"Box", "Margin B:", "MarginBottom", ""},
    {"Box", "Margin L:", "MarginLeft", ""},
    {"Box", "Margin R:", "MarginRight", ""},
    {"Box", "Padding T:", "PaddingTop", ""},
    {"Box", "Padding B:", "PaddingBottom", ""},
    {"Box", "Padding L:", "PaddingLeft", ""},
    {"Box", "Padding R:", "PaddingRight", ""},
    {"Positioning", "Clip:", "Clip", "auto"},
    {"Positioning", "Height:", "Height", "auto"},
    {"Positioning", "Width:", "Width", "auto"},
    {"Positioning", "Left:", "Left", "auto"},
    {"Positioning", "Top:", "Top", "auto"},
    {"Positioning", "Overflow:", "Overflow", "clip|none|scroll"},
    {"Positioning", "Position:", "Position", "absolute|relative|static"},
    {"Positioning", "Visibility:", "Visibility", "hidden|visible"},
    {"List", "Type:", "ListType",
     "circle|decimal|disc|lower-alpha|lower-roman|none|square|upper-alpha|upper-roman"},
    {"List", "Bullet Image:", "BulletImage", ""},
    {"List", "Position:", "ListPosition", "inside|outside"},
    {"Border", "Top:", nullptr, ""},
    {"Border", "Width:", "BorderTopWidth", "(custom]|auto|medium|thick|thin", 1},
    {"Border", "Measurement:", "BorderTopUnit", kUnits, 3},
    {"Border", "Color:", "BorderTopColor", "", 5},
    {"Border", "Right:", nullptr, ""},
    {"Border", "Width:", "BorderRightWidth", "(custom]|auto|medium|thick|thin", 1},
    {"Border", "Measurement:", "BorderRightUnit", kUnits, 3},
    {"Border", "Color:", "BorderRightColor", "", 5},
    {"Border", "Bottom:", nullptr, ""},
    {"Border", "Width:", "BorderBottomWidth", "(custom]|auto|medium|thick|thin", 1},
    {"Border", "Measurement:", "BorderBottomUnit", kUnits, 3},
    {"Border", "Color:", "BorderBottomColor", "", 5},
    {"Border", "Left:", nullptr, ""},
    {"Border", "Width:", "BorderLeftWidth", "(custom]|auto|medium|thick|thin", 1},
    {"Border", "Measurement:", "BorderLeftUnit", kUnits, 3},
    {"Border", "Color:", "BorderLeftColor", "", 5},
    {"Block", "Letter Spacing:", "LetterSpacing", "(custom)|normal"},
    {"Block", "Measurement Unit:", "LetterSpacingUnit", kUnits, 2},
    {"Block", "Word Spacing:", "WordSpacing", "(custom)|normal"},
    {"Block", "Measurement Unit:", "WordSpacingUnit", kUnits, 2},
    {"Block", "Whitespace:", "Whitespace", "normal|nowrap|pre"},
};

QWidget *makeField(const Row &row)
{
    const QString items = QLatin1String(row.items);
    if (items.isEmpty()) {
        auto *box = new QLineEdit;
        box->setObjectName(QLatin1String(row.name));
        return box;
    }
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(row.name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items.split(QLatin1Char('|')));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

} // namespace

QTabWidget *buildStylePages()
{
    auto *tabs = new QTabWidget;
    QGridLayout *grid = nullptr;
    QString page;
    int row = -1;
    for (const Row &r : kRows) {
        if (page != QLatin1String(r.page)) {
            page = QLatin1String(r.page);
            auto *widget = new QWidget;
            grid = new QGridLayout(widget);
            grid->setRowStretch(40, 1);
            tabs->addTab(widget, page);
            row = -1;
        }
        if (r.column == 0)
            ++row;
        grid->addWidget(new QLabel(QLatin1String(r.label)), row, r.column, Qt::AlignRight);
        if (r.name)
            grid->addWidget(makeField(r), row, r.column + 1);
    }
    return tabs;
}

} // namespace tagloom
