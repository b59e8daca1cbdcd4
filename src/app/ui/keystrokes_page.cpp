#include "app/ui/keystrokes_page.h"

#include "base/ui/shortcut_text.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"

#include <QGridLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tagloom {

KeystrokesPage::KeystrokesPage(SettingsStore *store, QWidget *parent) : QWidget(parent), m_store(store)
{
    m_commands = new QListWidget(this);
    m_commands->setObjectName(QStringLiteral("Command"));
    for (const QString &name : keyboardValueNames())
        m_commands->addItem(name == QLatin1String(FindFirstShortcut) ? QStringLiteral("Find First") : name);
    m_current = new QLabel(QStringLiteral("Select an Item"), this);
    m_current->setFrameShape(QFrame::Panel);
    m_current->setFrameShadow(QFrame::Sunken);
    m_capture = new QKeySequenceEdit(this);
    // One combination is a shortcut: the capture ends with it.
    connect(m_capture, &QKeySequenceEdit::keySequenceChanged, m_capture, [this](const QKeySequence &sequence) {
        if (sequence.count() > 1)
            m_capture->setKeySequence(QKeySequence(sequence[0]));
    });
    m_activate = new QPushButton(QStringLiteral("Click to Activate"), this);
    auto *note = new QLabel(QStringLiteral(
        "Double-click a menu command to be shown the current short-cut key for it.  To change a shortcut, click in "
        "the \"New Shortcut\" box, and enter your keystrokes.  Then press \"Click to Activate\" and your custom "
        "keystroke for that command will be updated."), this);
    note->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Menu Shortcuts"), this), 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Command:"), this), 1, 0);
    layout->addWidget(m_commands, 2, 0, 5, 1);
    layout->addWidget(new QLabel(QStringLiteral("Current Shortcut:"), this), 1, 1);
    layout->addWidget(m_current, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("New Shortcut:"), this), 3, 1);
    layout->addWidget(m_capture, 4, 1);
    layout->addWidget(m_activate, 5, 1);
    layout->addWidget(note, 7, 0, 1, 2);

    connect(m_commands, &QListWidget::itemDoubleClicked, this, &KeystrokesPage::showCurrent);
    connect(m_activate, &QPushButton::clicked, this, &KeystrokesPage::activate);
}

QString KeystrokesPage::valueName() const
{
    const QListWidgetItem *item = m_commands->currentItem();
    if (!item || !item->isSelected())
        return QString();
    // Reader and writer agree on the document window's name for Find First.
    return keyboardValueNames().value(m_commands->row(item));
}

void KeystrokesPage::showCurrent()
{
    const QString name = valueName();
    if (name.isEmpty() || !m_store)
        return;
    m_current->setText(m_store->text(QLatin1String(SettingsKeys::Keyboard), name));
}

void KeystrokesPage::activate()
{
    const QString name = valueName();
    if (name.isEmpty() || !m_store)
        return;
    const QKeySequence captured = m_capture->keySequence();
    const QString text = captured.isEmpty() ? QString() : shortcutToText(captured[0]);
    {
        SettingsKey keyboard = m_store->open(QLatin1String(SettingsKeys::Keyboard));
        keyboard.setText(name, text);
    }
    m_current->setText(text);
    m_capture->clear();
}

} // namespace tagloom
