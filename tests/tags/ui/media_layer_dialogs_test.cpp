// The multimedia, layer and image-map dialogs driven through a real document
// window's own menu ids and palette ids, the canvases with synthesised mouse
// drags.

#include "common/ui/document_fixture.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "tags/media_markup.h"
#include "tags/ui/drawing_canvas.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/image_map_dialog.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/tag_commands.h"
#include "tags/ui/visual_layer_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class MediaLayerDialogsTest : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        registerTagCommands(registry, *this);
        EditorSettings settings;
        settings.defaultLayerTag = QStringLiteral("layer");
        makeWindow(settings);
    }
    void load(const char *text) { DocumentFixture::load(text); }
    static QCheckBox *box(QWidget *d, const char *name) { return d->findChild<QCheckBox *>(QLatin1String(name)); }
    static QPushButton *button(QWidget *d, const char *caption)
    {
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == QLatin1String(caption))
                return b;
        return nullptr;
    }
    static void drag(QWidget *canvas, QPoint from, QPoint to)
    {
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    static QStringList panelTexts(QWidget *d)
    {
        QStringList texts;
        for (int i = 1; auto *panel = d->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(i)); ++i)
            texts << panel->text();
        return texts;
    }
    QString picture(const char *name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        const QString path = folder.file(QLatin1String(name));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    test::FileDialogStandIn files;
};

TEST_F(MediaLayerDialogsTest, SoundAsksForAMissingFileAndGoesBelowTheCaretLine)
{
    load("<body>\n</body>");
    caretAtLine(1);
    MarkupDialog *media = run("Insert.Sound", "TMediaForm");
    ASSERT_NE(media, nullptr);
    EXPECT_EQ(media->windowTitle(), QStringLiteral("Insert Multimedia File..."));
    files.answers = {QStringLiteral("/media/a.wav")};
    media->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please specify a file.")});
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Insert Multimedia File..."));
    EXPECT_FALSE(media->isVisible());
    EXPECT_EQ(lines(), (QStringList{"<body>", R"(<embed src="file:///media/a.wav" autostart="true" hidden="true" loop="0">)",
                                    R"(<bgsound src="file:///media/a.wav" loop="infinite">)", "</body>"}));

    // Shown again in another mode: the source and the chooser's file are forgotten.
    EXPECT_EQ(run("Insert.Plugin", "TMediaForm"), media);
    EXPECT_EQ(field(media, "EditSource"), QString());
    media->okButton()->click(); // the chooser cancelled: written all the same
    ASSERT_EQ(files.requests.size(), 2);
    EXPECT_EQ(files.requests[1].proposedPath, QString());
    EXPECT_EQ(lines().value(1), QStringLiteral(R"(<embed src=""></embed>)"));
}

TEST_F(MediaLayerDialogsTest, ShockwaveFromThePaletteWithABrowsedSource)
{
    load("<body>");
    MarkupDialog *media = run("Palette.Common.Shockwave", "TMediaForm");
    ASSERT_NE(media, nullptr);
    files.answers = {QStringLiteral("/movies/intro.swf")};
    button(media, "&Browse")->click();
    EXPECT_EQ(field(media, "EditSource"), QStringLiteral("file:///movies/intro.swf"));
    media->okButton()->click();
    const QStringList written = lines();
    ASSERT_EQ(written.size(), 6);
    EXPECT_TRUE(written[1].startsWith(QLatin1String("<OBJECT id=\"who\"")));
    EXPECT_EQ(written[2], QStringLiteral(R"(<param name="Movie" value="file:///movies/intro.swf">)"));
    EXPECT_EQ(written[5], QStringLiteral("</OBJECT>"));
}

TEST_F(MediaLayerDialogsTest, QuickTimeIsNotResetOnShowingButEmptiedByOkAndCancel)
{
    load("<body>");
    MarkupDialog *qt = run("Insert.QuickTime", "TQuickTimeForm");
    ASSERT_NE(qt, nullptr);
    EXPECT_EQ(field(qt, "Edit972"), QStringLiteral("0"));
    EXPECT_EQ(field(qt, "Edit973"), QStringLiteral("0"));
    for (const char *name : {"CheckBox1", "CheckBox2", "CheckBox3"})
        EXPECT_TRUE(box(qt, name)->isChecked()) << name;
    set(qt, "Edit971", QStringLiteral("a.mov"));
    set(qt, "Edit974", QStringLiteral("next.htm"));
    box(qt, "CheckBox2")->setChecked(false);
    qt->okButton()->click();
    const QString page = QLatin1String(QuickTimePluginPage);
    EXPECT_EQ(lines().value(1), R"(<embed src="a.mov" height="0" width="0" autoplay="true" loop="false" controller="true" href="next.htm" target="" pluginspage=")" +
                                    page + R"("></embed>)");

    // The second showing: the five boxes empty, the check boxes as left.
    run("Insert.QuickTime", "TQuickTimeForm");
    for (const char *name : {"Edit971", "Edit972", "Edit973", "Edit974", "Edit978"})
        EXPECT_EQ(field(qt, name), QString()) << name;
    EXPECT_FALSE(box(qt, "CheckBox2")->isChecked());
    files.answers = {QStringLiteral("/m/b.mov")};
    qt->okButton()->click(); // no movie: asked for, and the plain path taken
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please specify a QuickTime movie.")});
    EXPECT_EQ(files.requests.value(0).title, QStringLiteral("Open a QuickTime Movie"));
    EXPECT_EQ(files.requests.value(0).defaultSuffix, QStringLiteral("mov"));
    EXPECT_TRUE(lines().value(1).startsWith(QLatin1String(R"(<embed src="/m/b.mov" height="" width="" )")));

    // Cancel empties too, and the chooser forgets its file.
    run("Insert.QuickTime", "TQuickTimeForm");
    set(qt, "Edit978", QStringLiteral("_top"));
    files.answers = {QStringLiteral("/m/c.mov")};
    button(qt, "&Browse...")->click();
    EXPECT_EQ(field(qt, "Edit971"), QStringLiteral("file:///m/c.mov"));
    qt->cancelButton()->click();
    run("Insert.QuickTime", "TQuickTimeForm");
    EXPECT_EQ(field(qt, "Edit971"), QString());
    EXPECT_EQ(field(qt, "Edit978"), QString());
    button(qt, "&Browse...")->click();
    EXPECT_EQ(files.requests.last().proposedPath, QString());
}

TEST_F(MediaLayerDialogsTest, RealVideoWithoutAutoPlayStartsFreshEachTime)
{
    load("<body>");
    MarkupDialog *real = run("Palette.Common.RealVideo", "TRealForm");
    ASSERT_NE(real, nullptr);
    set(real, "Edit971", QStringLiteral("clip.rpm"));
    set(real, "Edit972", QStringLiteral("240"));
    box(real, "CheckBox1")->setChecked(false);
    real->okButton()->click();
    const QStringList written = lines();
    ASSERT_EQ(written.size(), 8);
    EXPECT_EQ(written[1], QStringLiteral(R"(<object id=RAOCX classid="clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA" width="0" height="240">)"));
    EXPECT_EQ(written[5], QStringLiteral(R"(<param name="AUTOSTART" value="false">)"));
    EXPECT_TRUE(written[6].endsWith(QLatin1String(R"(autoplay="false"></embed>)")));
    EXPECT_EQ(written[7], QStringLiteral("</object>"));

    run("Insert.RealVideo", "TRealForm");
    EXPECT_EQ(field(real, "Edit971"), QString());
    EXPECT_EQ(field(real, "Edit972"), QStringLiteral("0"));
    EXPECT_TRUE(box(real, "CheckBox1")->isChecked());
}

TEST_F(MediaLayerDialogsTest, ActiveXInsertsItsLineOnlyWithADocument)
{
    load("<body>\n</body>");
    caretAtLine(1);
    EXPECT_TRUE(registry.run(QStringLiteral("Palette.Common.ActiveX")));
    EXPECT_EQ(lines(), (QStringList{"<body>", activeXLine(), "</body>"}));

    open = false;
    for (const char *id : {"Insert.ActiveX", "Palette.Common.Sound", "Palette.Common.Layer", "Tools.ImageMap",
                           "Tools.VisualLayer", "Insert.QuickTime"})
        EXPECT_TRUE(registry.run(QLatin1String(id))) << id;
    EXPECT_EQ(lines().size(), 3);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<MarkupDialog *>(w) && w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(files.requests.isEmpty());
}

TEST_F(MediaLayerDialogsTest, LayerReportsAMissingTagAndStillInserts)
{
    load("<body>");
    MarkupDialog *layer = run("Insert.Layer", "TLayerForm");
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(field(layer, "EditTop"), QStringLiteral("0px;"));
    EXPECT_EQ(field(layer, "EditWidth"), QStringLiteral("100px;"));
    set(layer, "EditName", QStringLiteral("box1"));
    set(layer, "EditColor", QStringLiteral("red"));
    set(layer, "EditTop", QStringLiteral("10"));
    layer->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please choose a tag type.")});
    EXPECT_EQ(lines().value(1), QStringLiteral(R"(< id="box1" style="position:absolute; top: 10 left: 0px; height: 100px; width: 100px; background-color: red;"></>)"));

    // Shown again: the defaults, but the colour as last typed.
    run("Palette.Common.Layer", "TLayerForm");
    EXPECT_EQ(field(layer, "EditTop"), QStringLiteral("0px;"));
    EXPECT_EQ(field(layer, "EditName"), QString());
    EXPECT_EQ(field(layer, "EditColor"), QStringLiteral("red"));
}

TEST_F(MediaLayerDialogsTest, VisualLayerTurnsDragsIntoLinesInDrawingOrder)
{
    load("<body>\n</body>");
    caretAtLine(1);
    auto *pos = run<VisualLayerDialog>("Tools.VisualLayer", "TPosForm");
    ASSERT_NE(pos, nullptr);
    ASSERT_TRUE(pos->isVisible());
    DrawingCanvas *canvas = pos->canvas();
    EXPECT_EQ(canvas->cursor().shape(), Qt::CrossCursor);

    // While the button is down only the outline shows, inverting the white.
    QTest::mousePress(canvas, Qt::LeftButton, {}, {50, 40});
    QTest::mouseMove(canvas, {150, 90});
    const QImage dragging = canvas->grab().toImage();
    EXPECT_EQ(dragging.pixelColor(50, 60), QColor(Qt::black));
    EXPECT_EQ(dragging.pixelColor(100, 60), QColor(Qt::white));
    EXPECT_EQ(canvas->shapes().pixelColor(50, 60).alpha(), 0);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {150, 90});
    EXPECT_EQ(panelTexts(pos),
              (QStringList{"Origin: (50, 40)", "Current: (150, 90)", "Height: 50 Width: 100"}));
    // Unfilled at first: the inside stays clear, the border is drawn.
    EXPECT_EQ(canvas->shapes().pixelColor(100, 60).alpha(), 0);
    EXPECT_EQ(canvas->shapes().pixelColor(50, 60), QColor(Qt::black));

    pos->setFillColour(QColor(0x12, 0xAB, 0xEF));
    drag(canvas, {120, 100}, {20, 70}); // up and to the left
    EXPECT_EQ(panelTexts(pos).value(2), QStringLiteral("Height: -30 Width: -100"));
    EXPECT_EQ(canvas->shapes().pixelColor(70, 85), QColor(0x12, 0xAB, 0xEF));

    pos->okButton()->click();
    EXPECT_FALSE(pos->isVisible());
    EXPECT_EQ(lines(),
              (QStringList{"<body>",
                           R"(<layer style="position:absolute; top: 40px; left: 50px; height: 50px; width: 100px; background-color:#FFFFFF;"></layer>)",
                           R"(<layer style="position:absolute; top: 100px; left: 120px; height: -30px; width: -100px; background-color:#12ABEF;"></layer>)",
                           "</body>"}));
}

TEST_F(MediaLayerDialogsTest, VisualLayerClearAllCancelAndNoDocument)
{
    load("<body>");
    auto *pos = run<VisualLayerDialog>("Tools.VisualLayer", "TPosForm");
    ASSERT_NE(pos, nullptr);
    drag(pos->canvas(), {1, 1}, {5, 5});
    button(pos, "C&lear All")->click();
    EXPECT_TRUE(pos->layerLines().isEmpty());
    EXPECT_EQ(pos->canvas()->shapes().pixelColor(1, 3).alpha(), 0);

    drag(pos->canvas(), {10, 10}, {20, 20});
    pos->cancelButton()->click();
    EXPECT_EQ(pos->layerLines().size(), 1); // until the next showing
    run("Tools.VisualLayer", "TPosForm");
    EXPECT_TRUE(pos->layerLines().isEmpty());

    // Without a document a drag is drawn but gives no line.
    open = false;
    drag(pos->canvas(), {10, 10}, {20, 20});
    EXPECT_TRUE(pos->layerLines().isEmpty());
    EXPECT_EQ(panelTexts(pos).value(2), QStringLiteral("Height: 10 Width: 10"));
}

TEST_F(MediaLayerDialogsTest, ImageMapAsksForThePictureAndWritesTheMap)
{
    load("<body>\n</body>");
    caretAtLine(1);
    const QString map = picture("/map.png", {120, 80});
    files.answers = {map};
    auto *imageMap = run<ImageMapDialog>("Tools.ImageMap", "TForm21");
    ASSERT_NE(imageMap, nullptr);
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Open Picture..."));
    EXPECT_TRUE(imageMap->isVisible());
    EXPECT_EQ(imageMap->canvas()->picture().size(), QSize(120, 80));
    EXPECT_EQ(imageMap->okButton()->text(), QStringLiteral("&Done"));

    set(imageMap, "EditMapName", QStringLiteral("nav"));
    set(imageMap, "EditLink", QStringLiteral("a.htm"));
    set(imageMap, "EditRegion", QStringLiteral("First"));
    drag(imageMap->canvas(), {90, 60}, {10, 20});
    EXPECT_EQ(panelTexts(imageMap), (QStringList{"Origin: (90, 60)", "Current: (10, 20)"}));

    imageMap->findChild<QToolButton *>(QStringLiteral("CircleButton"))->click();
    files.answers = {QStringLiteral("/site/b.htm")};
    button(imageMap, "&Browse")->click();
    EXPECT_EQ(field(imageMap, "EditLink"), QStringLiteral("file:///site/b.htm"));
    drag(imageMap->canvas(), {10, 10}, {90, 50});
    auto *areas = imageMap->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    EXPECT_EQ(areas->toPlainText(),
              QStringLiteral("<AREA SHAPE=\"RECT\" HREF=\"a.htm\" ALT=\"First\" COORDS=\"90,60,10,20\">\n"
                             "<AREA SHAPE=\"CIRCLE\" HREF=\"file:///site/b.htm\" ALT=\"First\" COORDS=\"50,30,40\">"));

    imageMap->okButton()->click();
    EXPECT_FALSE(imageMap->isVisible());
    EXPECT_EQ(lines(), (QStringList{"<body>", R"(<MAP name="nav">)",
                                    R"(<AREA SHAPE="RECT" HREF="a.htm" ALT="First" COORDS="90,60,10,20">)",
                                    R"(<AREA SHAPE="CIRCLE" HREF="file:///site/b.htm" ALT="First" COORDS="50,30,40">)",
                                    "</MAP>", R"(<IMG src=")" + map + R"(" height="80" width="120" usemap="#nav">)",
                                    "</body>"}));

    // Shown again, the picture chooser cancelled: everything as it was.
    run("Tools.ImageMap", "TForm21");
    EXPECT_EQ(field(imageMap, "EditMapName"), QStringLiteral("nav"));
    EXPECT_EQ(imageMap->canvas()->picture().size(), QSize(120, 80));

    // A new picture: the fields empty and the rectangle tool again.
    imageMap->hide();
    files.answers = {picture("/other.png", {30, 20})};
    run("Tools.ImageMap", "TForm21");
    EXPECT_EQ(field(imageMap, "EditMapName"), QString());
    EXPECT_EQ(areas->toPlainText(), QString());
    EXPECT_TRUE(imageMap->findChild<QToolButton *>(QStringLiteral("RectangleButton"))->isChecked());
    EXPECT_EQ(imageMap->canvas()->picture().size(), QSize(30, 20));
}

TEST_F(MediaLayerDialogsTest, ImageMapReportsAnUnreadablePicture)
{
    load("");
    folder.write(QStringLiteral("/broken.gif"), "not a picture");
    files.answers = {folder.file(QStringLiteral("/broken.gif"))};
    auto *imageMap = run<ImageMapDialog>("Tools.ImageMap", "TForm21");
    ASSERT_NE(imageMap, nullptr);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(imageMap->picturePath().isEmpty());
    imageMap->okButton()->click();
    EXPECT_EQ(lines(), (QStringList{R"(<MAP name="">)", "", "</MAP>", R"(<IMG src="" height="0" width="0" usemap="#">)"}));
}

} // namespace
