#include "app/ui/quick_start_bar.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>

namespace tagloom {

namespace {

struct QuickStartButton {
    const char *caption;
    const char *actionId;
};

// Two columns: getting started on the left, inserting on the right.
const QuickStartButton kButtons[] = {
    {"Create New Document", "File.New"},
    {"Open Document", "File.OpenLocal"},
    {"Open from Web", "File.OpenWeb"},
    {"Click here for help", "Help.Contents"},
    {"Insert Image", "Palette.Common.Image"},
    {"Insert Table", "Palette.Tables.Table"},
    {"Insert Hyperlink", "Palette.Common.Hyperlink"},
    {"Insert Form", "Palette.Forms.Form"},
};
constexpr int kRowsPerColumn = 4;

} // namespace

QuickStartBar::QuickStartBar(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("QuickStartBar"));
    setWindowTitle(QStringLiteral("Help and More..."));

    auto *grid = new QGridLayout(this);
    int index = 0;
    for (const QuickStartButton &entry : kButtons) {
        const QString id = QString::fromLatin1(entry.actionId);
        auto *button = new QPushButton(QString::fromLatin1(entry.caption), this);
        button->setEnabled(false);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] { emit actionRequested(id); });
        m_buttons.insert(id, button);
        grid->addWidget(button, index % kRowsPerColumn, index / kRowsPerColumn);
        ++index;
    }
    m_close = new QPushButton(QStringLiteral("Close"), this);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(m_close, kRowsPerColumn, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QStringList QuickStartBar::actionIds()
{
    QStringList ids;
    for (const QuickStartButton &entry : kButtons)
        ids.append(QString::fromLatin1(entry.actionId));
    return ids;
}

void QuickStartBar::setAvailable(const std::function<bool(const QString &id)> &isAvailable)
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(isAvailable && isAvailable(it.key()));
}

void QuickStartBar::setAvailableIds(const QStringList &ids)
{
    setAvailable([&ids](const QString &id) { return ids.contains(id); });
}

void QuickStartBar::closeEvent(QCloseEvent *event)
{
    // Closing only hides the bar; the format bar's button brings it back.
    event->accept();
    emit closed();
}

} // namespace tagloom
