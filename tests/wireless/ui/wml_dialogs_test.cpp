// The WML palette's card, go and access dialogs on a real document window,
// opened through the palette's command ids.

#include "common/ui/document_fixture.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"
#include "vocabulary/palette_tables.h"
#include "wireless/ui/wireless_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

using namespace tagloom;

namespace {

class WmlDialogsTest : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        registerWirelessCommands(registry, *this);
        makeWindow();
    }
    MarkupDialog *show(const char *paletteId, const char *name)
    {
        EXPECT_TRUE(registry.run(QLatin1String(paletteId))) << paletteId;
        return window<MarkupDialog>(name);
    }
    static void set(MarkupDialog *d, const char *field, const char *value)
    {
        ASSERT_TRUE(setFieldText(d, QLatin1String(field), QString::fromUtf8(value))) << field;
    }
    static QString field(MarkupDialog *d, const char *name) { return fieldText(d, QLatin1String(name)); }
};

TEST_F(WmlDialogsTest, TheCommandsAreThePalettesButtons)
{
    for (const char *id : {"Palette.WML.Access", "Palette.WML.Card", "Palette.WML.Go"}) {
        EXPECT_NE(findPaletteEntry(QLatin1String(id)), nullptr) << id;
        EXPECT_TRUE(registry.contains(QLatin1String(id))) << id;
    }
}

TEST_F(WmlDialogsTest, CardGoesBelowTheCaretLineAndReopensEmpty)
{
    load("<wml>\n</wml>");
    caretAtLine(1);
    MarkupDialog *card = show("Palette.WML.Card", "TWMLCardForm");
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->isVisible());
    EXPECT_TRUE(card->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(card->minimumSize(), card->maximumSize());
    set(card, "EditName", "home");
    set(card, "EditTitle", "Home Page");
    card->okButton()->click();
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(lines(), QStringList({"<wml>", "<card id=\"home\" title=\"Home Page\">", "</card>", "</wml>"}));
    EXPECT_EQ(editor().CaretLine(), 1);
    EXPECT_FALSE(doc->isModified()); // inserted lines leave the modified flag alone

    // Reopened empty: an empty card still writes both attributes.
    EXPECT_EQ(show("Palette.WML.Card", "TWMLCardForm"), card);
    EXPECT_EQ(field(card, "EditName"), QString());
    EXPECT_EQ(field(card, "EditTitle"), QString());
    card->okButton()->click();
    EXPECT_EQ(lines().mid(0, 3), QStringList({"<wml>", "<card id=\"\" title=\"\">", "</card>"}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WmlDialogsTest, GoStartsFromItsDefaultsEveryTime)
{
    load("<card>\n</card>");
    caretAtLine(1);
    MarkupDialog *go = show("Palette.WML.Go", "TWMLGoForm");
    ASSERT_NE(go, nullptr);
    auto *referer = go->findChild<QCheckBox *>(QStringLiteral("CheckSendReferer"));
    ASSERT_NE(referer, nullptr);
    EXPECT_FALSE(referer->isChecked());
    EXPECT_EQ(field(go, "EditMethod"), QStringLiteral("GET"));
    EXPECT_EQ(field(go, "EditEncodingType"), QStringLiteral("application/x-www-form-urlencoded"));
    set(go, "EditAddress", "x.wml");
    go->okButton()->click();
    EXPECT_EQ(lines().at(1), QStringLiteral("<go href=\"x.wml\" sendreferer=\"False\" method=\"GET\" "
                                            "enctype=\"application/x-www-form-urlencoded\"> </go>"));

    // Changed, cancelled and reopened: the defaults again.
    show("Palette.WML.Go", "TWMLGoForm");
    referer->setChecked(true);
    set(go, "EditMethod", "PUT");
    set(go, "EditName", "n");
    go->cancelButton()->click();
    EXPECT_EQ(lines().size(), 3);
    show("Palette.WML.Go", "TWMLGoForm");
    EXPECT_FALSE(referer->isChecked());
    EXPECT_EQ(field(go, "EditMethod"), QStringLiteral("GET"));
    EXPECT_EQ(field(go, "EditName"), QString());

    // Every field emptied: only href and sendreferer.
    for (const char *name : {"EditAddress", "EditMethod", "EditEncodingType", "EditName", "EditClass"})
        set(go, name, "");
    caretAtLine(3);
    go->okButton()->click();
    EXPECT_EQ(lines().last(), QStringLiteral("<go href=\"\" sendreferer=\"False\"> </go>"));

    // A typed method and the referer flag.
    show("Palette.WML.Go", "TWMLGoForm");
    referer->setChecked(true);
    go->findChild<QComboBox *>(QStringLiteral("EditMethod"))->setCurrentIndex(1);
    set(go, "EditClass", "c");
    caretAtLine(1);
    go->okButton()->click();
    EXPECT_EQ(lines().at(1), QStringLiteral("<go href=\"\" sendreferer=\"True\" method=\"PUT\" "
                                            "enctype=\"application/x-www-form-urlencoded\" class=\"c\"> </go>"));
}

TEST_F(WmlDialogsTest, AccessOnTheLastLineBecomesTheNewLastLine)
{
    load("<head>\n</head>");
    caretAtLine(2);
    MarkupDialog *access = show("Palette.WML.Access", "TWMLAccessForm");
    ASSERT_NE(access, nullptr);
    access->okButton()->click();
    EXPECT_EQ(lines(), QStringList({"<head>", "</head>", "<access domain=\"\" path=\"/\"/>"}));
    EXPECT_EQ(editor().CaretLine(), 2);

    show("Palette.WML.Access", "TWMLAccessForm");
    set(access, "EditDomain", "example.com");
    set(access, "EditPath", "/cards");
    access->okButton()->click();
    EXPECT_EQ(lines().at(2), QStringLiteral("<access domain=\"example.com\" path=\"//cards\"/>"));
}

TEST_F(WmlDialogsTest, WithoutADocumentNothingOpensAndNothingIsInserted)
{
    open = false;
    for (const char *id : {"Palette.WML.Access", "Palette.WML.Card", "Palette.WML.Go"})
        EXPECT_TRUE(registry.run(QLatin1String(id))) << id;
    EXPECT_EQ(window<QWidget>("TWMLAccessForm"), nullptr);
    EXPECT_EQ(window<QWidget>("TWMLCardForm"), nullptr);
    EXPECT_EQ(window<QWidget>("TWMLGoForm"), nullptr);

    // Opened with a document that has gone when OK is pressed.
    open = true;
    load("<p>");
    MarkupDialog *card = this->show("Palette.WML.Card", "TWMLCardForm");
    ASSERT_NE(card, nullptr);
    set(card, "EditName", "kept");
    open = false;
    card->okButton()->click();
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(field(card, "EditName"), QStringLiteral("kept"));
    EXPECT_EQ(text(), QStringLiteral("<p>"));
}

} // namespace
