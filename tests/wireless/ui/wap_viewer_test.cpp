// The WAP viewer and the WBMP dialog on a real document window, opened
// through the window's own menu commands.

#include "common/ui/document_fixture.h"
#include "tags/ui/field_rows.h"
#include "wireless/ui/wap_viewer.h"
#include "wireless/ui/wbmp_dialog.h"
#include "wireless/ui/wireless_commands.h"
#include "wireless/wbmp.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tagloom;

namespace {

class WapViewerTest : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        registerWirelessCommands(registry, *this);
        makeWindow();
    }
    // Selects all of `card` and previews it: the new viewer.
    WapViewer *preview(const char *card)
    {
        load(card);
        editor().selectAll();
        const QList<WapViewer *> before = viewers();
        doc->trigger(QStringLiteral("Window.WapPreview"));
        for (WapViewer *v : viewers())
            if (!before.contains(v))
                return v;
        return nullptr;
    }
    static QList<WapViewer *> viewers()
    {
        QList<WapViewer *> found;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<WapViewer *>(w))
                found.append(v);
        return found;
    }
    static QList<QLabel *> labels(WapViewer *v) { return v->findChildren<QLabel *>(); }
};

TEST_F(WapViewerTest, NoSelectionAsksForACard)
{
    load("<card>\r\nHello\r\n</card>");
    doc->trigger(QStringLiteral("Window.WapPreview"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please select a WML card.  For example \neverything "
                                                           "between <card> and </card> \nincluding these tags.")});
    EXPECT_TRUE(viewers().isEmpty());
}

TEST_F(WapViewerTest, CardTitleAndOneLabel)
{
    WapViewer *v = preview("<card title=\"Menu\">\r\nHello\r\n</card>");
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Menu - WAP Viewer"));
    EXPECT_EQ(v->palette().color(QPalette::Window), QColor(0, 193, 97));
    EXPECT_TRUE(v->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_EQ(labels(v).size(), 1);
    EXPECT_EQ(labels(v).first()->text(), QStringLiteral("Hello "));
    EXPECT_EQ(labels(v).first()->pos(), QPoint(2, 2));
    EXPECT_EQ(folder.read(QStringLiteral("/waptmp.tmp")), QByteArray("<card title=\"Menu\">\r\nHello\r\n</card>"));

    // Each use opens a window of its own; the first stays.
    WapViewer *second = preview("<card title=\"Two\">x</card>");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Menu - WAP Viewer"));
}

TEST_F(WapViewerTest, OnlyTheExactBrBreaksTheLine)
{
    WapViewer *broken = preview("Line 1<br/>Line 2");
    ASSERT_NE(broken, nullptr);
    ASSERT_EQ(labels(broken).size(), 2);
    const QLabel *a = labels(broken)[0], *b = labels(broken)[1];
    EXPECT_EQ(b->x(), 2);
    EXPECT_EQ(b->y(), a->y() + a->height());

    WapViewer *joined = preview("Line 1<br />Line 2");
    ASSERT_NE(joined, nullptr);
    ASSERT_EQ(labels(joined).size(), 2);
    const QLabel *c = labels(joined)[0], *d = labels(joined)[1];
    EXPECT_EQ(d->y(), c->y());
    EXPECT_EQ(d->x(), c->x() + c->width());
}

TEST_F(WapViewerTest, ALinkTellsWhereItLeads)
{
    WapViewer *v = preview("<go href=\"next.wml\">Next</go>");
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(labels(v).size(), 1);
    QLabel *link = labels(v).first();
    EXPECT_EQ(link->text(), QStringLiteral("Next"));
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(170, 208, 153));
    EXPECT_EQ(link->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Linking to \"next.wml\"")});
}

TEST_F(WapViewerTest, OptionsAndAmpersands)
{
    WapViewer *v = preview("<option>A</option><option>B</option>");
    ASSERT_NE(v, nullptr);
    const QList<QRadioButton *> radios = v->findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 2);
    const int h = QFontInfo(radios[0]->font()).pixelSize();
    EXPECT_EQ(radios[0]->x(), 2);
    EXPECT_EQ(radios[1]->x(), 2);
    EXPECT_EQ(radios[1]->y() - radios[0]->y(), 2 * h + 5);
    EXPECT_FALSE(radios[0]->isChecked());

    WapViewer *fish = preview("Fish &amp; Chips");
    ASSERT_NE(fish, nullptr);
    ASSERT_EQ(labels(fish).size(), 1);
    EXPECT_EQ(labels(fish).first()->text(), QStringLiteral("Fish & Chips "));
    EXPECT_EQ(labels(fish).first()->textFormat(), Qt::PlainText);
}

TEST_F(WapViewerTest, PicturesBesideThePageAndPlaceholders)
{
    // An untitled page finds its pictures in the data folder; a WBMP made by
    // our own converter is read too.
    QImage(12, 7, QImage::Format_RGB32).save(folder.file(QStringLiteral("/logo.png")));
    ASSERT_TRUE(BitmapToWbmp(PixelBuffer(9, 5, 0xffffff), folder.file(QStringLiteral("/dot.wbmp"))).ok);
    WapViewer *v = preview("<img src=\"logo.png\" src=\"dot.wbmp\" src=\"missing.gif\">");
    ASSERT_NE(v, nullptr);
    const QList<QLabel *> pictures = labels(v);
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[0]->geometry(), QRect(2, 2, 12, 7));
    EXPECT_EQ(pictures[1]->geometry(), QRect(14, 2, 9, 5));
    EXPECT_TRUE(pictures[2]->pixmap().isNull());
    EXPECT_EQ(pictures[2]->pos(), QPoint(23, 2));
}

TEST_F(WapViewerTest, WbmpDialogConvertsAnyPictureAndReportsWhatItCannot)
{
    doc->trigger(QStringLiteral("Tools.Wbmp"));
    auto *dialog = window<WbmpDialog>("WbmpDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Convert Image to WBMP Format"));
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    for (QPushButton *b : dialog->findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("&OK"))
            ok = b;
        if (b->text() == QLatin1String("&Cancel"))
            cancel = b;
    }
    ASSERT_TRUE(ok && cancel);

    ok->click();
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("You must specify a file to convert.\nPlease specify it now."),
                                             QStringLiteral("You must specify a file to save to.\nPlease specify it now.")}));
    messages.shown.clear();

    // A PNG, which no bitmap reader would take.
    QImage white(3, 1, QImage::Format_RGB32);
    white.fill(Qt::white);
    white.save(folder.file(QStringLiteral("/white.png")));
    test::FileDialogStandIn files;
    files.answers.push_back(folder.file(QStringLiteral("/white.png")));
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Browse..."))
            b->click();
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests.first().title, QStringLiteral("Import Image"));
    EXPECT_EQ(fieldText(dialog, QStringLiteral("EditConvert")), folder.file(QStringLiteral("/white.png")));
    setFieldText(dialog, QStringLiteral("EditSaveTo"), folder.file(QStringLiteral("/white.wbmp")));
    ok->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Image Conversion Complete.")});
    EXPECT_EQ(folder.read(QStringLiteral("/white.wbmp")).toHex(' '), QByteArray("00 00 03 01 e0"));
    EXPECT_TRUE(dialog->isVisible());
    messages.shown.clear();

    // Not a picture: a message, no file.
    folder.write(QStringLiteral("/page.htm"), "<html>");
    setFieldText(dialog, QStringLiteral("EditConvert"), folder.file(QStringLiteral("/page.htm")));
    setFieldText(dialog, QStringLiteral("EditSaveTo"), folder.file(QStringLiteral("/page.wbmp")));
    ok->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().kind, MessageKind::Error);
    EXPECT_TRUE(messages.shown.first().text.contains(QLatin1String("page.htm")));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("/page.wbmp"))));

    cancel->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(fieldText(dialog, QStringLiteral("EditConvert")).isEmpty());
    EXPECT_TRUE(fieldText(dialog, QStringLiteral("EditSaveTo")).isEmpty());
}

} // namespace
