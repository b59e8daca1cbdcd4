#include "vocabulary/ui/palette_pages.h"

#include "base/ui/typed_combo_box.h"
#include "vocabulary/ui/palette_strip.h"
#include "document/insertion.h"
#include "vocabulary/ui/palette_pictures.h"
#include "vocabulary/palette_tables.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

namespace tagloom {

namespace {

EditorOperations *activeEditorOf(const PaletteHooks &hooks)
{
    return hooks.activeEditor ? hooks.activeEditor() : nullptr;
}

// Adds one page's entries to its toolbar; the actions keep their own copy of
// the hooks, so the filler is needed only while it fills.
class PageFiller {
public:
    PageFiller(QToolBar *bar, const PaletteHooks &hooks) : m_bar(bar), m_hooks(hooks) {}

    void add(const PaletteEntry &entry)
    {
        switch (entry.action) {
        case PaletteAction::Separator:
            m_bar->addSeparator();
            break;
        case PaletteAction::TagChoice:
            addTagChoice(entry);
            break;
        case PaletteAction::Menu:
            addMenuButton(entry);
            break;
        default:
            connectEntry(makeButton(entry), entry);
            break;
        }
    }

private:
    QAction *makeButton(const PaletteEntry &entry)
    {
        QAction *a = m_bar->addAction(entry.caption);
        a->setObjectName(entry.id);
        a->setToolTip(paletteTooltip(entry));
        if (!entry.picture.isEmpty())
            a->setIcon(palettePicture(entry.picture));
        return a;
    }

    // Wires an action (button or drop-down item) to what its entry does.
    void connectEntry(QAction *a, const PaletteEntry &entry)
    {
        const PaletteHooks hooks = m_hooks;
        switch (entry.action) {
        case PaletteAction::Insert: {
            const Insertion insertion = entry.insertion;
            QObject::connect(a, &QAction::triggered, a,
                             [hooks, insertion] { insert(activeEditorOf(hooks), insertion); });
            break;
        }
        case PaletteAction::Command: {
            // A dialog that is not built yet must not look as if it worked.
            const bool available = hooks.hasCommand && hooks.runCommand && hooks.hasCommand(entry.id);
            a->setEnabled(available);
            const QString id = entry.id;
            const bool needsDocument = entry.needsDocument;
            QObject::connect(a, &QAction::triggered, a, [hooks, id, needsDocument] {
                if (!needsDocument || activeEditorOf(hooks))
                    hooks.runCommand(id);
            });
            break;
        }
        case PaletteAction::InsertChoice: {
            QPointer<QComboBox> box = m_tagBox;
            QObject::connect(a, &QAction::triggered, a, [hooks, box] {
                if (box)
                    insert(activeEditorOf(hooks), coldFusionTagInsertion(box->currentText()));
            });
            break;
        }
        default:
            break;
        }
    }

    void fillMenu(QMenu *menu, const QList<PaletteEntry> &items)
    {
        for (const PaletteEntry &item : items) {
            if (item.action == PaletteAction::Menu) {
                QMenu *sub = menu->addMenu(item.caption);
                sub->setObjectName(item.id);
                fillMenu(sub, item.items);
            } else {
                QAction *a = menu->addAction(item.caption);
                a->setObjectName(item.id);
                connectEntry(a, item);
            }
        }
    }

    // A drop-down-only button: clicking anywhere on it opens the menu.
    void addMenuButton(const PaletteEntry &entry)
    {
        QAction *a = makeButton(entry);
        auto *menu = new QMenu(m_bar);
        menu->setObjectName(entry.id + QStringLiteral(".Menu"));
        fillMenu(menu, entry.items);
        a->setMenu(menu);
        if (auto *button = qobject_cast<QToolButton *>(m_bar->widgetForAction(a)))
            button->setPopupMode(QToolButton::InstantPopup);
    }

    void addTagChoice(const PaletteEntry &entry)
    {
        auto *box = new QComboBox(m_bar);
        box->setObjectName(entry.id);
        makeTypedComboBox(box);
        box->addItems(coldFusionTags());
        box->setCurrentIndex(-1);
        box->setEditText(coldFusionTagPrompt());
        // The tags are long; the box stays narrow and its list shows them whole.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(18);
        box->view()->setTextElideMode(Qt::ElideNone);
        box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
        box->setToolTip(QStringLiteral("ColdFusion Tags"));
        m_bar->addWidget(box);
        m_tagBox = box;
    }

    QToolBar *m_bar;
    PaletteHooks m_hooks;
    QComboBox *m_tagBox = nullptr;
};

} // namespace

void fillPalettePages(PaletteStrip *strip, const PaletteHooks &hooks)
{
    for (const PalettePageTable &page : palettePageTables()) {
        QToolBar *bar = strip->toolbar(page.flag);
        if (!bar)
            continue;
        PageFiller filler(bar, hooks);
        for (const PaletteEntry &entry : page.entries)
            filler.add(entry);
    }
}

} // namespace tagloom
