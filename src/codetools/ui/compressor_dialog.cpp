#include "codetools/ui/compressor_dialog.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "codetools/html_compressor.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

const char *const kPassLabels[] = {
    "Remove Extra Line Breaks",     "Removal All Returns",         "Remove <center> tags",
    "Remove Unnecessary Spaces",    "Remove Unnecessary \" in Tags", "Remove FrontPage Web Bots",
    "Convert Blockquote to Lists",  "Change <b> to <strong> etc.",
};

} // namespace

CompressorDialog::CompressorDialog(QString dataFolder, std::function<DocumentWindow *()> activeDocument, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_dataFolder(std::move(dataFolder)),
      m_activeDocument(std::move(activeDocument))
{
    setWindowTitle(QStringLiteral("HTML Document Compressor"));
    setModal(false);
    auto *about = new QPlainTextEdit(this);
    about->setReadOnly(true);
    about->setFrameShadow(QFrame::Sunken);
    about->setPlainText(QStringLiteral(
        "This tool can be used to remove un-necessary tags, line breaks, characters and special tags.  It can "
        "help to speed up download times, and make the page source more difficult to read."));
    about->setMaximumHeight(80);
    m_passes = new QListWidget(this);
    for (const char *label : kPassLabels) {
        auto *item = new QListWidgetItem(QString::fromUtf8(label), m_passes);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CompressorDialog::compressActive);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(m_passes, 1);
    layout->addWidget(buttons);
    setFixedSize(260, 300);
}

void CompressorDialog::showEvent(QShowEvent *event)
{
    // Every showing starts from the usual choice: all but the last two.
    for (int i = 0; i < m_passes->count(); ++i)
        m_passes->item(i)->setCheckState(i < 6 ? Qt::Checked : Qt::Unchecked);
    m_passes->setFocus();
    QDialog::showEvent(event);
}

void CompressorDialog::compressActive()
{
    DocumentWindow *doc = m_activeDocument ? m_activeDocument() : nullptr;
    if (!doc || doc->refuseWhileLoading())
        return;
    auto checked = [this](int row) { return m_passes->item(row)->checkState() == Qt::Checked; };
    THTMLCompressor compressor;
    compressor.Returns = checked(0);
    compressor.AllReturns = checked(1);
    compressor.Center = checked(2);
    compressor.Spaces = checked(3);
    compressor.InvCommas = checked(4);
    compressor.Webbots = checked(5);
    compressor.BlockquoteToUl = checked(6);
    compressor.SimpleTags = checked(7);

    // The text as it stands in the editor, unsaved edits included, goes to the
    // document's own file, or to the working file while it has none.
    const Document &document = doc->document();
    const QString target =
        document.isUntitled() ? m_dataFolder + QLatin1String(DataPath::CompressorWork) : document.path();
    compressor.LoadBytes(doc->textBytes());
    compressor.Compress();
    // Written back in the document's own encoding (UTF-16 stays UTF-16).
    const QByteArray result = fileBytesInEncoding(compressor.Buffer(), document.encoding());
    if (const Status saved = writeFileAtomically(target, result); !saved) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), saved.error);
        return;
    }
    doc->reloadFromFileBytes(result);
    if (!document.isUntitled())
        doc->editor()->setModifiedFlag(false); // the file holds exactly what the editor shows
    showMessage(this, MessageKind::Information, QStringLiteral("Information"),
                QStringLiteral("Original Size: %1 bytes.\n New Size: %2 bytes.")
                    .arg(compressor.SourceSize())
                    .arg(compressor.CompressedSize()));
    hide();
}

} // namespace tagloom
