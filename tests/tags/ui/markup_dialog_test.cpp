#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "tags/ui/markup_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// The smallest mark-up dialog: one field, and its text as one or two lines.
class RuleDialog : public MarkupDialog {
public:
    explicit RuleDialog(ActiveEditor activeEditor) : MarkupDialog(QStringLiteral("Rule"), std::move(activeEditor))
    {
        field = new QLineEdit(this);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(field);
        addButtonRow(layout);
        setFocusProxy(field);
    }
    QLineEdit *field;
    bool twoLines = false;

protected:
    // A width of 0 only warns; "none" is refused.
    MarkupOutcome markup() const override
    {
        if (field->text() == QLatin1String("none"))
            return MarkupOutcome::refusing(QStringLiteral("A rule needs a width."));
        QList<DialogMessage> messages;
        if (field->text() == QLatin1String("0"))
            messages.append({DialogMessage::Kind::Warning, QStringLiteral("No width given.")});
        const QString rule = QStringLiteral("<HR width=\"%1\">").arg(field->text());
        return MarkupOutcome::inserting(twoLines ? linesInsertion({rule, QStringLiteral("<BR>")}) : lineInsertion(rule),
                                        messages);
    }
};

class MarkupDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        first.loadText(editorTextFromFile("one\ntwo"), TextEncoding::Utf8);
        second.loadText(editorTextFromFile("<hr>"), TextEncoding::Utf8);
    }
    CodeEditor first;
    CodeEditor second;
    EditorOperations *active = nullptr;
    RuleDialog dialog{[this] { return active; }};
};

TEST_F(MarkupDialogTest, OkInsertsIntoTheDocumentActiveAtThatMomentAndHides)
{
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(dialog.isModal());
    active = &second; // active when shown...
    dialog.showOnTop();
    EXPECT_TRUE(dialog.isVisible());
    dialog.field->setText(QStringLiteral("50%"));
    active = &first; // ...but this one when OK is pressed
    dialog.okButton()->click();
    EXPECT_EQ(first.allText(), QStringLiteral("one\r\n<HR width=\"50%\">\r\ntwo"));
    EXPECT_EQ(second.allText(), QStringLiteral("<hr>"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.field->text(), QStringLiteral("50%")); // the fields stay for next time
}

TEST_F(MarkupDialogTest, WithoutADocumentOkInsertsNothingAndWaits)
{
    dialog.showOnTop();
    dialog.field->setText(QStringLiteral("50%"));
    dialog.okButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.field->text(), QStringLiteral("50%"));
    EXPECT_EQ(first.allText(), QStringLiteral("one\r\ntwo"));
    dialog.showOnTop();
    active = &first;
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(first.allText(), QStringLiteral("one\r\ntwo"));
}

TEST_F(MarkupDialogTest, MessagesComeFirstAndARefusalKeepsTheDialogOpen)
{
    test::MessageRecorder messages;
    active = &first;
    dialog.showOnTop();
    dialog.field->setText(QStringLiteral("none"));
    dialog.okButton()->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text, QStringLiteral("A rule needs a width."));
    EXPECT_EQ(messages.shown.first().kind, MessageKind::Error);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.field->text(), QStringLiteral("none"));
    EXPECT_EQ(first.allText(), QStringLiteral("one\r\ntwo"));

    dialog.field->setText(QStringLiteral("0")); // only a warning: shown, then inserted
    dialog.okButton()->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.last().kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("No width given."));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(first.allText(), QStringLiteral("one\r\n<HR width=\"0\">\r\ntwo"));
}

TEST_F(MarkupDialogTest, EditModeReplacesTheSelectionAsOneUndoStep)
{
    active = &second;
    second.selectAll(true);
    dialog.setEditMode(true);
    dialog.twoLines = true;
    dialog.field->setText(QStringLiteral("3"));
    dialog.okButton()->click();
    EXPECT_EQ(second.allText(), QStringLiteral("<HR width=\"3\">\r\n<BR>"));
    EXPECT_TRUE(second.isModifiedFlag());
    second.undoStep();
    EXPECT_EQ(second.allText(), QStringLiteral("<hr>"));
    EXPECT_EQ(second.SelectedText(), QStringLiteral("<hr>")); // the tag is selected again
}

} // namespace
