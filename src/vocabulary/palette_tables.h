#pragma once
// The palette pages as data: for every quick-insert button its id, caption,
// tooltip, picture and what it does. Inserted texts are kept byte for byte;
// nothing here touches a document or a widget.

#include "document/insertion.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tagloom {

enum class PaletteAction {
    Insert,       // runs `insertion` on the active document
    Command,      // runs the command named by the entry's id (a tag dialog)
    Menu,         // a drop-down of `items`; clicking the button does nothing else
    TagChoice,    // an editable drop-down of tag texts (ColdFusion)
    InsertChoice, // a line holding the page's tag drop-down text as it stands
    Separator,
};

struct PaletteEntry {
    QString id;          // "Palette.Tables.tr"; Command entries run the command of this id
    QString caption;     // button text, or a menu item's caption with "&" before its access key
    QStringList tooltip; // title line, then description lines (see paletteTooltip)
    QString picture;     // picture name for buttons that show one; empty: the caption shows
    PaletteAction action = PaletteAction::Insert;
    Insertion insertion;        // Insert only
    bool needsDocument = false; // Command: acts only while a document window is open
    QList<PaletteEntry> items;  // Menu: its items; an item with items of its own is a submenu
};

struct PalettePageTable {
    QString flag;                // "Common" ... "WebTV", as the palette strip names pages
    QList<PaletteEntry> entries; // left to right
};

// The eleven pages in tab order.
const QList<PalettePageTable> &palettePageTables();
// nullptr for an unknown flag.
const PalettePageTable *palettePageTable(const QString &flag);
// Any entry by id, menu items included; nullptr when there is none.
const PaletteEntry *findPaletteEntry(const QString &id);
// Every entry that inserts a fixed text, menu items included, in page order.
QList<const PaletteEntry *> paletteInsertEntries();
// Every entry that runs a command of a later feature (a tag dialog).
QList<const PaletteEntry *> paletteCommandEntries();

// The tooltip lines joined by "\n".
QString paletteTooltip(const PaletteEntry &entry);

// The ColdFusion tag drop-down: its items in order, and the text it starts with.
const QStringList &coldFusionTags();
QString coldFusionTagPrompt();
// What "+" inserts: the drop-down text as it stands, prompt included.
Insertion coldFusionTagInsertion(const QString &dropDownText);

} // namespace tagloom
