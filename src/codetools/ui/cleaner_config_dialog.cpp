#include "codetools/ui/cleaner_config_dialog.h"

#include "base/file_io.h"
#include "base/ui/messages.h"
#include "document/ui/document_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

QComboBox *editableBox(const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

CleanerTagLists tagLists(const CleanerHooks &hooks)
{
    if (!hooks.settings)
        return {};
    const AppSettings settings = hooks.settings();
    return {settings.text(Setting::InlineTags), settings.text(Setting::EmptyTags),
            settings.text(Setting::BlockLevelTags), settings.text(Setting::PreformattedTags)};
}

} // namespace

CleanerConfigDialog::CleanerConfigDialog(QString dataFolder, std::function<DocumentWindow *()> activeDocument,
                                         CleanerHooks hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_dataFolder(std::move(dataFolder)),
      m_activeDocument(std::move(activeDocument)), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("RivuZuvivir Configuration"));
    setModal(false);

    m_options = new QListWidget(this);
    m_options->setObjectName(QStringLiteral("Options"));
    for (const QString &label : cleanerOptionLabels()) {
        auto *item = new QListWidgetItem(label, m_options);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    auto *optionsColumn = new QVBoxLayout;
    optionsColumn->addWidget(new QLabel(QStringLiteral("Options:"), this));
    optionsColumn->addWidget(m_options, 1);

    auto *encodingBox = new QGroupBox(QStringLiteral(" Character Encoding:"), this);
    auto *encodingGrid = new QGridLayout(encodingBox);
    m_encoding = new QButtonGroup(this);
    const QStringList &encodings = cleanerEncodingLabels();
    for (int i = 0; i < encodings.size(); ++i) {
        auto *radio = new QRadioButton(encodings.at(i), encodingBox);
        m_encoding->addButton(radio, i);
        encodingGrid->addWidget(radio, i / 2, i % 2);
    }

    m_wrap = new QLineEdit(this);
    m_wrap->setObjectName(QStringLiteral("EditWrap"));
    m_indent = new QLineEdit(this);
    m_indent->setObjectName(QStringLiteral("EditIndent"));
    m_altText = new QLineEdit(this);
    m_altText->setObjectName(QStringLiteral("EditAltText"));
    m_doctype = editableBox({QStringLiteral("AUTO"), QStringLiteral("STRICT"), QStringLiteral("LOOSE"),
                             QStringLiteral("OMIT")},
                            this);
    m_doctype->setObjectName(QStringLiteral("EditDoctype"));
    m_output = editableBox({QStringLiteral("HTML"), QStringLiteral("XML"), QStringLiteral("XHTML")}, this);
    m_output->setObjectName(QStringLiteral("EditOutput"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Wrap:"), m_wrap);
    fields->addRow(QStringLiteral("Indent:"), m_indent);
    fields->addRow(QStringLiteral("Default Alt-Text:"), m_altText);
    fields->addRow(QStringLiteral("Doctype:"), m_doctype);
    fields->addRow(QStringLiteral("Output As:"), m_output);

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CleanerConfigDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto *middle = new QVBoxLayout;
    middle->addWidget(encodingBox);
    middle->addLayout(fields);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(optionsColumn, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    setChoices(defaultFixFormatChoices());
    setFixedSize(504, 205);
}

FixFormatChoices CleanerConfigDialog::choices() const
{
    FixFormatChoices c;
    for (int i = 0; i < CleanerOptionCount && i < m_options->count(); ++i)
        c.options[static_cast<size_t>(i)] = m_options->item(i)->checkState() == Qt::Checked;
    c.encoding = m_encoding->checkedId();
    c.wrap = m_wrap->text();
    c.indent = m_indent->text();
    c.altText = m_altText->text();
    c.doctype = m_doctype->currentText();
    c.outputAs = m_output->currentText();
    return c;
}

void CleanerConfigDialog::setChoices(const FixFormatChoices &c)
{
    for (int i = 0; i < CleanerOptionCount && i < m_options->count(); ++i)
        m_options->item(i)->setCheckState(c.options[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    if (QAbstractButton *radio = m_encoding->button(c.encoding)) {
        radio->setChecked(true);
    } else if (QAbstractButton *checked = m_encoding->checkedButton()) {
        m_encoding->setExclusive(false);
        checked->setChecked(false);
        m_encoding->setExclusive(true);
    }
    m_wrap->setText(c.wrap);
    m_indent->setText(c.indent);
    m_altText->setText(c.altText);
    m_doctype->setCurrentText(c.doctype);
    m_output->setCurrentText(c.outputAs);
}

void CleanerConfigDialog::accept()
{
    const QString path = m_dataFolder + QStringLiteral("/Extensions/") +
                         QLatin1String(cleanerCommandInfo(CleanerCommand::FixFormat).configName);
    const Status written = writeFileAtomically(path, fixFormatConfiguration(choices(), tagLists(m_hooks)));
    if (!written) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), written.error);
        return;
    }
    if (DocumentWindow *doc = m_activeDocument ? m_activeDocument() : nullptr)
        m_lastRun = CleanerRun::start(doc, m_dataFolder, m_hooks, CleanerCommand::FixFormat);
    hide();
}

} // namespace tagloom
