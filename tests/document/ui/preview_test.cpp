// The rendered previews, with the real page engine (offscreen).

#include "base/file_io.h"
#include "common/ui/stand_ins.h"
#include "document/spell_checker.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/preview_pane.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

bool engineLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

class PreviewTest : public ::testing::Test {
protected:
    std::unique_ptr<DocumentWindow> make(const EditorSettings &settings = {}, const QString &openSite = QString())
    {
        DocumentContext context;
        context.settings = settings;
        context.openSiteFolder = [openSite] { return openSite; };
        context.dataFolder = folder.path();
        context.spellChecker = [this]() -> SpellChecker & { return checker; };
        auto doc = std::make_unique<DocumentWindow>(std::move(context));
        doc->setAttribute(Qt::WA_DeleteOnClose, false);
        doc->resize(900, 600);
        doc->show();
        return doc;
    }
    // The text `pane` shows once its page has loaded.
    static QString shownText(PreviewPane *pane)
    {
        QSignalSpy loaded(pane, &PreviewPane::loaded);
        if (!loaded.wait(30000))
            return QStringLiteral("(never loaded)");
        QString text = QStringLiteral("(no text)");
        bool done = false;
        pane->readText([&](const QString &t) {
            text = t;
            done = true;
        });
        return QTest::qWaitFor([&] { return done; }, 10000) ? text : QStringLiteral("(no text)");
    }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    SpellChecker checker;
};

TEST_F(PreviewTest, AnUntitledPageIsRenderedFromThePreviewCopyOnlyWhenAsked)
{
    const bool before = engineLoaded();
    auto doc = make();
    doc->editor()->setText(QStringLiteral("<html><body><p>Hello preview</p></body></html>"));
    EXPECT_EQ(engineLoaded(), before); // a window alone loads no engine
    doc->pageTabs()->setCurrentWidget(doc->preview());
    EXPECT_EQ(shownText(doc->preview()), QStringLiteral("Hello preview"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("/Tmp.htm"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("/Prt335.htm"))));
}

TEST_F(PreviewTest, ASavedPageShowsItsFileAsSavedAndLivePreviewShowsTheTyping)
{
    const QString path = folder.file(QStringLiteral("/page.htm"));
    test::writeBytes(path, "<p>Saved text</p>");
    auto doc = make();
    ASSERT_EQ(doc->LoadDocument(path), DocumentWindow::LoadResult::Loaded);
    doc->editor()->setText(QStringLiteral("<p>Unsaved text</p>"));
    doc->pageTabs()->setCurrentWidget(doc->preview());
    EXPECT_EQ(shownText(doc->preview()), QStringLiteral("Saved text"));

    doc->pageTabs()->setCurrentIndex(0);
    doc->livePreviewBox()->setChecked(true);
    ASSERT_NE(doc->livePreview(), nullptr);
    EXPECT_EQ(shownText(doc->livePreview()), QStringLiteral("Unsaved text"));
    doc->editor()->setText(QStringLiteral("<p>Typed on</p>"));
    EXPECT_EQ(shownText(doc->livePreview()), QStringLiteral("Typed on"));
    doc->livePreviewBox()->setChecked(false);
    EXPECT_FALSE(doc->livePreview()->isVisible());
}

// A site whose page in a sub-folder includes a file beside it and one from
// the site's top.
class IncludePreviewTest : public PreviewTest {
protected:
    void SetUp() override
    {
        site = folder.path() + QStringLiteral("/site");
        ASSERT_TRUE(QDir().mkpath(site + QStringLiteral("/sub")));
        test::writeBytes(site + QStringLiteral("/top.html"), "Top");
        test::writeBytes(site + QStringLiteral("/sub/part.html"), "<b>Part</b>");
    }
    QString page(const char *name)
    {
        const QString path = site + QStringLiteral("/sub/") + QLatin1String(name);
        test::writeBytes(path, kPage);
        return path;
    }
    static constexpr char kPage[] =
        "<p>Page <!--#include file=\"part.html\" --> <!--#include virtual=\"/top.html\" --></p>";
    QString site;
};

TEST_F(IncludePreviewTest, AnShtmlPageIsPreviewedExpandedAndTheDocumentStaysAsItIs)
{
    const QString path = page("page.shtml");
    auto doc = make({}, site);
    ASSERT_EQ(doc->LoadDocument(path), DocumentWindow::LoadResult::Loaded);
    const QString before = doc->editor()->allText();
    doc->pageTabs()->setCurrentWidget(doc->preview());
    EXPECT_EQ(shownText(doc->preview()), QStringLiteral("Page Part Top"));
    EXPECT_EQ(doc->editor()->allText(), before);
    EXPECT_FALSE(doc->isModified());

    doc->pageTabs()->setCurrentIndex(0);
    doc->livePreviewBox()->setChecked(true);
    ASSERT_NE(doc->livePreview(), nullptr);
    EXPECT_EQ(shownText(doc->livePreview()), QStringLiteral("Page Part Top"));
    const QString typed = QStringLiteral("<p>Live <!--#include file=\"part.html\" --></p>");
    doc->editor()->setText(typed);
    EXPECT_EQ(shownText(doc->livePreview()), QStringLiteral("Live Part"));
    EXPECT_EQ(doc->editor()->allText(), typed);
    EXPECT_EQ(readWholeFile(path).value.value_or(QByteArray()), QByteArray(kPage));
}

TEST_F(IncludePreviewTest, VirtualPathsStartAtThePagesFolderWithoutAnOpenSite)
{
    auto doc = make();
    ASSERT_EQ(doc->LoadDocument(page("page.shtml")), DocumentWindow::LoadResult::Loaded);
    doc->pageTabs()->setCurrentWidget(doc->preview());
    EXPECT_EQ(shownText(doc->preview()),
              QStringLiteral("Page Part [an error occurred while processing this directive]"));
}

TEST_F(IncludePreviewTest, OtherPagesAreExpandedOnlyWithTheOption)
{
    const QString path = page("page.html");
    {
        auto doc = make({}, site);
        ASSERT_EQ(doc->LoadDocument(path), DocumentWindow::LoadResult::Loaded);
        doc->pageTabs()->setCurrentWidget(doc->preview());
        EXPECT_FALSE(shownText(doc->preview()).contains(QLatin1String("Part")));
    }
    EditorSettings always;
    always.expandIncludesAlways = true;
    auto doc = make(always, site);
    ASSERT_EQ(doc->LoadDocument(path), DocumentWindow::LoadResult::Loaded);
    doc->pageTabs()->setCurrentWidget(doc->preview());
    EXPECT_EQ(shownText(doc->preview()), QStringLiteral("Page Part Top"));
}

} // namespace
