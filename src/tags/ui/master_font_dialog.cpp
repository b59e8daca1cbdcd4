#include "tags/ui/master_font_dialog.h"

#include "base/ui/up_down_edit.h"
#include "tags/ui/field_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace tagloom {

namespace {

// Points for the HTML sizes 1 to 7, as browsers show them.
int previewPoints(const QString &size)
{
    static const int points[] = {8, 10, 12, 14, 18, 24, 36};
    bool ok = false;
    const int n = size.toInt(&ok);
    return ok && n >= 1 && n <= 7 ? points[n - 1] : 10;
}

QIcon swatchIcon(const QColor &colour)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

MasterFontDialog::MasterFontDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Master Font Options"), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TForm33"));
    setWindowFlag(Qt::WindowStaysOnTopHint, false);

    auto *fontBox = new QGroupBox(QStringLiteral("Font:"), this);
    FieldRows rows(fontBox);
    m_font = new QComboBox(fontBox);
    m_font->setObjectName(QStringLiteral("FontName"));
    m_font->addItems(QFontDatabase::families());
    const int arial = m_font->findText(QStringLiteral("Arial"));
    m_font->setCurrentIndex(arial >= 0 ? arial : 0);
    rows.addWide("Name:", m_font);
    m_size = rows.addUpDown("FontSize", "Size:", 1, 6);
    m_size->setTextValue(QStringLiteral("2"));
    m_colour = new QComboBox(fontBox);
    m_colour->setObjectName(QStringLiteral("FontColor"));
    for (const NamedColour &c : namedColours()) {
        const QString name = QLatin1String(c.name);
        m_colour->addItem(swatchIcon(QColor(c.red, c.green, c.blue)), name.mid(2), name);
    }
    rows.addWide("Color:", m_colour);

    auto *stylesBox = new QGroupBox(QStringLiteral("Styles:"), this);
    auto *stylesGrid = new QGridLayout(stylesBox);
    for (const FontStyleInfo &info : fontStyles()) {
        const int i = int(info.style);
        m_styles[size_t(i)] = new QCheckBox(QLatin1String(info.caption), stylesBox);
        stylesGrid->addWidget(m_styles[size_t(i)], i % 5, i / 5);
    }

    auto *previewBox = new QGroupBox(QStringLiteral("Preview:"), this);
    m_preview = new QLabel(QStringLiteral("Aa Bb Cc Dd 123456789"), previewBox);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(56);
    auto *previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_preview);

    connect(m_font, &QComboBox::currentTextChanged, this, &MasterFontDialog::updatePreview);
    connect(m_size, &UpDownEdit::textValueChanged, this, &MasterFontDialog::updatePreview);
    connect(m_colour, &QComboBox::currentIndexChanged, this, &MasterFontDialog::updatePreview);

    auto *top = new QHBoxLayout;
    top->addWidget(fontBox, 1);
    top->addWidget(stylesBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(previewBox);
    addButtonRow(layout);
    setFocusProxy(m_font);
    updatePreview();
}

MasterFontFields MasterFontDialog::fields() const
{
    MasterFontFields f;
    f.fontName = m_font->currentText();
    f.size = m_size->textValue();
    f.colourName = m_colour->currentData().toString();
    for (size_t i = 0; i < m_styles.size(); ++i)
        f.styles[i] = m_styles[i]->isChecked();
    return f;
}

MarkupOutcome MasterFontDialog::markup() const { return masterFontMarkup(fields()); }

void MasterFontDialog::updatePreview()
{
    QFont font(m_font->currentText());
    font.setPointSize(previewPoints(m_size->textValue()));
    m_preview->setFont(font);
    const NamedColour c = namedColours().value(std::max(0, m_colour->currentIndex()));
    m_preview->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);").arg(c.red).arg(c.green).arg(c.blue));
}

} // namespace tagloom
