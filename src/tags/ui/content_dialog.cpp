#include "tags/ui/content_dialog.h"

#include "base/ui/file_dialogs.h"
#include "codetools/rtf_writer.h"
#include "codetools/ui/rich_text_document.h"
#include "tags/ui/field_rows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QVBoxLayout>

namespace tagloom {

namespace {

QLabel *noteLabel(const char *text, QWidget *parent)
{
    auto *note = new QLabel(QString::fromUtf8(text), parent);
    note->setWordWrap(true);
    return note;
}

// A page of a note and, below it, its own fields.
QWidget *notePage(const char *note, QWidget *fields = nullptr)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(noteLabel(note, page));
    if (fields) {
        fields->setParent(page);
        layout->addWidget(fields);
    }
    layout->addStretch(1);
    return page;
}

} // namespace

ContentDialog::ContentDialog(ActiveEditor activeEditor, ActiveEditor newEditor, QString dataFolder, QWidget *parent)
    : MarkupDialog(QStringLiteral("Other Content Wizards..."), std::move(activeEditor), parent),
      m_newEditor(std::move(newEditor)), m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("TContentForm"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("ContentPages"));
    m_pages->addTab(notePage("Certain versions of Netscape Navigator 4.x will not position a page and its objects "
                             "correctly when the size of the browser window is changed.  This JavaScript will fix "
                             "the problem."),
                    QStringLiteral("Netscape Bug Fix"));
    m_pages->addTab(notePage("Some sites may display a page of your site in a sub-frame of their own.  In some "
                             "instances, this can cause confusion and is usually frowned upon.  This JavaScript will "
                             "stop such action for you."),
                    QStringLiteral("Frame Thrower"));
    m_pages->addTab(browserPage(), QStringLiteral("Your Browser"));
    m_pages->addTab(screenSizesPage(), QStringLiteral("Screen Sizes"));
    m_pages->addTab(bulletedListPage(), QStringLiteral("Bulleted List"));
    m_pages->addTab(locationPage(), QStringLiteral("Your Location"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    addButtonRow(layout);
    setFocusProxy(m_pages);
}

QWidget *ContentDialog::browserPage()
{
    auto *fields = new QWidget;
    auto *layout = new QVBoxLayout(fields);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *prefixRow = new QWidget(fields);
    FieldRows rows(prefixRow);
    m_browserPrefix = rows.addText("EditBrowser", "Prefix: (ie. Your Browser Is...)");
    rows.layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prefixRow);
    auto *types = new QGroupBox(QStringLiteral("Type:"), fields);
    auto *typesLayout = new QVBoxLayout(types);
    const char *captions[] = {"JavaScript", "Active Server Pages", "Server Side Includes", "PHP"};
    for (size_t i = 0; i < m_browserTypes.size(); ++i) {
        m_browserTypes[i] = new QRadioButton(QLatin1String(captions[i]), types);
        typesLayout->addWidget(m_browserTypes[i]);
    }
    m_browserTypes[0]->setChecked(true);
    layout->addWidget(types);
    return notePage("This will output the current browser the user is using, or \"User-Agent\" as it is sometimes "
                    "called.  You may use either the JavaScript, ASP, SSI or PHP Variant.",
                    fields);
}

QWidget *ContentDialog::screenSizesPage()
{
    auto *fields = new QWidget;
    auto *layout = new QVBoxLayout(fields);
    layout->setContentsMargins(0, 0, 0, 0);
    const char *screens[] = {"640 x 480", "800 x 600", "1024 x 768"};
    const char *names[] = {"URLA", "URLB", "URLC"};
    for (size_t i = 0; i < m_urls.size(); ++i) {
        auto *box = new QGroupBox(QLatin1String(screens[i]), fields);
        FieldRows rows(box);
        m_urls[i] = rows.addText(names[i], "URL:");
        QLineEdit *field = m_urls[i];
        connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, [this, field] { browseInto(field); });
        layout->addWidget(box);
    }
    return notePage("This script detects the size (in pixels) of the users monitor screen, and direct them on to a "
                    "page appropriate to the size of the screen.",
                    fields);
}

QWidget *ContentDialog::bulletedListPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_richText = new QTextEdit(page);
    m_richText->setObjectName(QStringLiteral("RichEdit1"));
    m_richText->setAcceptRichText(true);
    m_richText->setTabChangesFocus(true);
    m_richText->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    layout->addWidget(m_richText);
    auto *bullets = new QPushButton(QStringLiteral("Start Bullets"), page);
    bullets->setAutoDefault(false);
    connect(bullets, &QPushButton::clicked, this, &ContentDialog::startBullets);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(bullets);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

QWidget *ContentDialog::locationPage()
{
    auto *fields = new QWidget;
    FieldRows rows(fields);
    m_locationPrefix = rows.addText("EditLocation", "Prefix: (ie. Your Location Is...)");
    rows.layout()->setContentsMargins(0, 0, 0, 0);
    return notePage("This script will output the current location of the document on your server.  \"Your "
                    "Location\" uses JavaScript.",
                    fields);
}

ContentPage ContentDialog::currentPage() const { return ContentPage(m_pages->currentIndex()); }

void ContentDialog::showPage(ContentPage page) { m_pages->setCurrentIndex(int(page)); }

ContentFields ContentDialog::fields() const
{
    ContentFields f;
    f.EditBrowser = m_browserPrefix->text();
    for (size_t i = 0; i < m_browserTypes.size(); ++i)
        if (m_browserTypes[i]->isChecked())
            f.browserType = BrowserVariant(i);
    f.URLA = m_urls[0]->text();
    f.URLB = m_urls[1]->text();
    f.URLC = m_urls[2]->text();
    f.EditLocation = m_locationPrefix->text();
    if (m_bulletHtml)
        f.bulletHtml = *m_bulletHtml;
    return f;
}

void ContentDialog::resetFields()
{
    // The bulleted list keeps its text until OK has made a page of it.
    showPage(ContentPage::NetscapeFix);
    for (QLineEdit *field : {m_browserPrefix, m_urls[0], m_urls[1], m_urls[2], m_locationPrefix})
        field->clear();
    m_browserTypes[0]->setChecked(true);
    m_lastBrowsed.clear();
}

void ContentDialog::beforeMarkup()
{
    m_bulletHtml = Result<QString>::success(QString());
    if (currentPage() == ContentPage::BulletedList)
        m_bulletHtml = bulletedListHtml(m_dataFolder, writeRtf(richTextOf(*m_richText->document())));
}

MarkupOutcome ContentDialog::markup() const
{
    if (!m_bulletHtml)
        return MarkupOutcome::refusing(m_bulletHtml.error);
    return contentMarkup(currentPage(), fields());
}

EditorOperations *ContentDialog::insertionTarget()
{
    if (currentPage() == ContentPage::BulletedList)
        return m_newEditor ? m_newEditor() : nullptr;
    return MarkupDialog::insertionTarget();
}

void ContentDialog::afterInsert()
{
    if (currentPage() == ContentPage::BulletedList)
        m_richText->clear();
}

void ContentDialog::startBullets()
{
    QTextCursor cursor = m_richText->textCursor();
    if (!cursor.currentList())
        cursor.createList(QTextListFormat::ListDisc);
    m_richText->setFocus();
}

void ContentDialog::browseInto(QLineEdit *field)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Browse for File...");
    request.proposedPath = m_lastBrowsed;
    if (chooseInto(field, request))
        m_lastBrowsed = field->text();
}

} // namespace tagloom
