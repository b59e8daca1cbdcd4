#include "app/ui/highlighting_page.h"

#include "document/ui/code_editor.h"
#include "document/ui/lexer_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tagloom {

namespace {

// The Highlighter list's order.
const char *const kLanguages[] = {"HTML Document", "Javascript", "Java", "ObjectPascal", "Perl", "PHP"};

QComboBox *colourBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    for (const NamedSchemeColour &c : schemeColourTable())
        box->addItem(QLatin1String(c.name));
    return box;
}

quint32 valueOf(const std::optional<StoredColour> &c)
{
    return c ? static_cast<quint32>(encodeStoredColour(*c)) : 0u;
}

StoredColour colourAt(int index)
{
    const QVector<NamedSchemeColour> &table = schemeColourTable();
    return decodeStoredColour(static_cast<qint32>(table.value(index, table.first()).value));
}

} // namespace

HighlightingPage::HighlightingPage(QWidget *parent) : QWidget(parent)
{
    m_schemeBox = new QComboBox(this);
    m_schemeBox->setObjectName(QStringLiteral("Highlighter"));
    m_schemeBox->addItem(QStringLiteral("(none)"));
    for (const char *language : kLanguages)
        m_schemeBox->addItem(QLatin1String(language));
    m_attributeBox = new QComboBox(this);
    m_attributeBox->setObjectName(QStringLiteral("Attribute"));
    m_foreground = colourBox(this);
    m_background = colourBox(this);

    auto *fontGroup = new QGroupBox(QStringLiteral("Font Options:"), this);
    auto *fontLayout = new QHBoxLayout(fontGroup);
    const char *const styles[] = {"Bold", "Italic", "Underline", "Strikeout"};
    for (int i = 0; i < 4; ++i) {
        m_styles[i] = new QCheckBox(QLatin1String(styles[i]), fontGroup);
        fontLayout->addWidget(m_styles[i]);
        connect(m_styles[i], &QCheckBox::clicked, this, &HighlightingPage::attributeEdited);
    }

    m_preview = new CodeEditor(this);
    m_preview->setText(QStringLiteral("<HTML>\n\n<% ASP TAG %>\n\n<!-- Comment //-->\n\n&nbsp; - Escape Chars\n\n"
                                      "<TAG value=\"..\">"));
    m_preview->setReadOnly(true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Highlighter:"), this), 0, 0);
    grid->addWidget(m_schemeBox, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Attribute:"), this), 1, 0);
    grid->addWidget(m_attributeBox, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Foreground Color:"), this), 2, 0);
    grid->addWidget(m_foreground, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Background Color:"), this), 3, 0);
    grid->addWidget(m_background, 3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(fontGroup);
    layout->addWidget(m_preview, 1);

    connect(m_schemeBox, &QComboBox::currentIndexChanged, this, &HighlightingPage::chooseScheme);
    connect(m_attributeBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            showAttribute();
    });
    connect(m_foreground, &QComboBox::activated, this, &HighlightingPage::attributeEdited);
    connect(m_background, &QComboBox::activated, this, &HighlightingPage::attributeEdited);
    for (const char *language : kLanguages)
        m_schemes.insert(QLatin1String(language), completeScheme(QLatin1String(language), {}));
    chooseScheme();
}

QCheckBox *HighlightingPage::styleBox(int bit) const
{
    return bit >= 0 && bit < 4 ? m_styles[bit] : nullptr;
}

void HighlightingPage::loadSchemes(SettingsStore &store)
{
    for (const char *language : kLanguages) {
        const QString name = QLatin1String(language);
        m_schemes.insert(name, completeScheme(name, readScheme(store, name)));
    }
    chooseScheme();
}

QString HighlightingPage::chosenLanguage() const
{
    return m_schemeBox->currentIndex() > 0 ? m_schemeBox->currentText() : QString();
}

const QVector<AttributeLook> &HighlightingPage::scheme(const QString &language) const
{
    static const QVector<AttributeLook> none;
    const auto it = m_schemes.constFind(language);
    return it == m_schemes.constEnd() ? none : *it;
}

void HighlightingPage::saveChosen(SettingsStore &store) const
{
    const QString language = chosenLanguage();
    if (!language.isEmpty())
        writeScheme(store, language, scheme(language));
}

void HighlightingPage::chooseScheme()
{
    m_filling = true;
    m_attributeBox->clear();
    for (const AttributeLook &look : scheme(chosenLanguage()))
        m_attributeBox->addItem(look.attribute);
    m_filling = false;
    showAttribute();
    repaintPreview();
}

AttributeLook *HighlightingPage::selectedLook()
{
    auto it = m_schemes.find(chosenLanguage());
    const int row = m_attributeBox->currentIndex();
    if (it == m_schemes.end() || row < 0 || row >= it->size())
        return nullptr;
    return &(*it)[row];
}

void HighlightingPage::showAttribute()
{
    const AttributeLook *look = selectedLook();
    m_foreground->setCurrentIndex(look ? schemeColourIndex(valueOf(look->foreground)) : 0);
    m_background->setCurrentIndex(look ? schemeColourIndex(valueOf(look->background)) : 0);
    const int style = look ? look->style.value_or(0) : 0;
    for (int i = 0; i < 4; ++i)
        m_styles[i]->setChecked(style & (1 << i));
}

void HighlightingPage::attributeEdited()
{
    AttributeLook *look = selectedLook();
    if (!look)
        return;
    look->foreground = colourAt(m_foreground->currentIndex());
    look->background = colourAt(m_background->currentIndex());
    int style = 0;
    for (int i = 0; i < 4; ++i)
        if (m_styles[i]->isChecked())
            style |= 1 << i;
    look->style = style;
    repaintPreview();
}

void HighlightingPage::repaintPreview()
{
    const QString language = chosenLanguage();
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    applyColouring(m_preview, colouringOfSchemeLanguage(language), font, scheme(language));
}

} // namespace tagloom
