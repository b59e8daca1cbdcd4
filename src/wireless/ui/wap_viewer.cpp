#include "wireless/ui/wap_viewer.h"

#include "base/file_io.h"
#include "base/ui/messages.h"
#include "codetools/html_parser.h"
#include "wireless/wap_layout.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>

namespace tagloom {

namespace {

const QColor kBackground(0, 193, 97);
const QColor kLinkText(170, 208, 153);
const QColor kRuleOutline(128, 128, 128);
const QSize kMissingPicture(16, 16);

QFont qtFont(const WapFont &f)
{
    QFont font(f.family);
    font.setPointSize(f.pointSize);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

// Fonts and pictures measured as the controls will show them.
class WidgetMeasure : public WapMeasure {
public:
    explicit WidgetMeasure(QString pictureFolder) : m_folder(std::move(pictureFolder)) {}

    int pixelHeight(const WapFont &font) override { return QFontInfo(qtFont(font)).pixelSize(); }
    QSize textSize(const QString &text, const WapFont &font, int wrapWidth) override
    {
        const QFontMetrics metrics(qtFont(font));
        if (wrapWidth > 0)
            return metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), Qt::TextWordWrap, text).size();
        return metrics.size(0, text);
    }
    QSize pictureSize(const QString &source) override
    {
        const QPixmap found = picture(source);
        return found.isNull() ? kMissingPicture : found.size();
    }
    // The picture an IMG tag names: its source read relative to the folder
    // of the page (a name written with backslashes as well).
    QPixmap picture(const QString &source)
    {
        auto it = m_pictures.find(source);
        if (it == m_pictures.end()) {
            QString relative = source;
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            it = m_pictures.insert(source, QPixmap(QDir(m_folder).filePath(relative)));
        }
        return *it;
    }

private:
    QString m_folder;
    QHash<QString, QPixmap> m_pictures;
};

// A link's text: a click tells where it leads, and nothing else happens.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString &target, QWidget *parent) : QLabel(parent), m_target(target)
    {
        setCursor(Qt::PointingHandCursor);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, kLinkText);
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            showMessage(window(), MessageKind::Plain, QString(), QStringLiteral("Linking to \"%1\"").arg(m_target));
    }

private:
    QString m_target;
};

QWidget *makeLabel(const WapItem &item, QWidget *parent)
{
    QLabel *label = item.link ? new LinkLabel(item.target, parent) : new QLabel(parent);
    // Plain text: an ampersand shows as itself and no mark-up is read.
    label->setTextFormat(Qt::PlainText);
    label->setText(item.text);
    label->setWordWrap(item.wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *makeRadio(const WapItem &item, QWidget *parent)
{
    QString caption = item.text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto *radio = new QRadioButton(caption, parent);
    return radio;
}

QWidget *makeRule(QWidget *parent)
{
    auto *rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::Box | QFrame::Plain);
    rule->setLineWidth(1);
    QPalette colours = rule->palette();
    colours.setColor(QPalette::WindowText, kRuleOutline);
    rule->setPalette(colours);
    return rule;
}

QWidget *makePicture(const WapItem &item, WidgetMeasure &measure, QWidget *parent)
{
    auto *label = new QLabel(parent);
    const QPixmap pixmap = measure.picture(item.text);
    if (pixmap.isNull()) {
        // A picture that cannot be read is left out; a small box marks its place.
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setToolTip(item.text);
    } else {
        label->setPixmap(pixmap);
    }
    return label;
}

} // namespace

WapViewer::WapViewer(const QString &cardFile, const QString &pictureFolder, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_pictureFolder(pictureFolder)
{
    setObjectName(QStringLiteral("WapViewer"));
    setModal(false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    resize(199, 303);
    move(673, 226);
    layOut(cardFile);
}

void WapViewer::layOut(const QString &cardFile)
{
    qDeleteAll(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    THTMLParser parser;
    if (const Result<QByteArray> bytes = readWholeFile(cardFile))
        parser.LoadSource(*bytes);
    parser.Parse();

    WidgetMeasure measure(m_pictureFolder);
    const WapLayout layout = layOutWapCard(parser, width(), measure);
    setWindowTitle(layout.title);
    for (const WapItem &item : layout.items) {
        QWidget *control = nullptr;
        switch (item.kind) {
        case WapItem::Kind::Label: control = makeLabel(item, this); break;
        case WapItem::Kind::Radio: control = makeRadio(item, this); break;
        case WapItem::Kind::Rule: control = makeRule(this); break;
        case WapItem::Kind::Edit: control = new QLineEdit(this); break;
        case WapItem::Kind::Picture: control = makePicture(item, measure, this); break;
        }
        if (item.kind == WapItem::Kind::Label || item.kind == WapItem::Kind::Radio)
            control->setFont(qtFont(item.font));
        QRect place = item.rect;
        if (item.kind == WapItem::Kind::Radio)
            place.setHeight(std::max(place.height(), control->sizeHint().height()));
        control->setGeometry(place);
    }
}

} // namespace tagloom
