#include "vocabulary/ui/format_bar.h"

#include "base/ui/typed_combo_box.h"
#include "document/insertion.h"
#include "vocabulary/format_snippets.h"
#include "vocabulary/ui/palette_pictures.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>
#include <algorithm>

namespace tagloom {

namespace {

QComboBox *makeDropDown(QToolBar *bar, const char *name, QStringList items, const QString &initial, int width)
{
    auto *box = new QComboBox(bar);
    box->setObjectName(QLatin1String(name));
    makeTypedComboBox(box);
    box->addItems(items);
    box->setCurrentIndex(static_cast<int>(items.indexOf(initial)));
    box->setEditText(initial);
    box->setMinimumContentsLength(width);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

} // namespace

FormatBarControls addFormatControls(QToolBar *bar, std::function<EditorOperations *()> activeEditor)
{
    FormatBarControls c;
    QAction *before = bar->actions().value(0, nullptr);
    auto run = [activeEditor](const Insertion &insertion) {
        insert(activeEditor ? activeEditor() : nullptr, insertion);
    };
    auto addButton = [&](const char *name, const QString &caption, const char *picture, const char *theme,
                         const Insertion &insertion) {
        auto *a = new QAction(QIcon::fromTheme(QLatin1String(theme), palettePicture(QLatin1String(picture))), caption,
                              bar);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(QString(caption).remove(QLatin1Char('&')));
        QObject::connect(a, &QAction::triggered, bar, [run, insertion] { run(insertion); });
        bar->insertAction(before, a);
        return a;
    };

    QStringList fonts = formatBarFonts();
    std::sort(fonts.begin(), fonts.end()); // a sorted list, whatever the table's order
    c.font = makeDropDown(bar, "FormatBar.Font", fonts, formatBarInitialFont(), 24);
    c.font->setToolTip(QStringLiteral("Font"));
    bar->insertWidget(before, c.font);
    c.size = makeDropDown(bar, "FormatBar.Size", formatBarSizes(), formatBarInitialSize(), 3);
    c.size->setToolTip(QStringLiteral("Font Size"));
    bar->insertWidget(before, c.size);

    c.apply = new QAction(QStringLiteral("Apply"), bar);
    c.apply->setObjectName(QStringLiteral("FormatBar.Apply"));
    c.apply->setToolTip(QStringLiteral("Apply the font and size to the selection"));
    QComboBox *font = c.font;
    QComboBox *size = c.size;
    QObject::connect(c.apply, &QAction::triggered, bar,
                     [run, font, size] { run(fontApply(font->currentText(), size->currentText())); });
    bar->insertAction(before, c.apply);

    c.bold = addButton("FormatBar.Bold", QStringLiteral("Bold"), "bold", "format-text-bold", boldWrap());
    c.italic = addButton("FormatBar.Italic", QStringLiteral("Italic"), "italic", "format-text-italic", italicWrap());
    c.underline = addButton("FormatBar.Underline", QStringLiteral("Underline"), "underline", "format-text-underline",
                            underlineWrap());
    c.rule = addButton("FormatBar.Rule", QStringLiteral("Horizontal Rule"), "rule", "insert-horizontal-rule",
                       horizontalRule());
    if (before)
        bar->insertSeparator(before);
    return c;
}

} // namespace tagloom
