#pragma once
// Edit Current Tag: the selected opening tag read back into the dialog that
// writes such a tag. The selection is tokenized; for every parameter of a
// tag that has a dialog, in order, that dialog is shown in edit mode and the
// parameter's value goes into the field named for it. Tags and parameters
// without a dialog or a field are passed over.

#include <QList>
#include <QString>

namespace tagloom {

enum class TagDialogKind {
    Image,               // IMG
    Link,                // A
    StyleSheetReference, // LINK
    PageWizard,          // BODY
    Applet,              // APPLET
};

// Shown (plain, OK only) when nothing is selected.
QString selectTagMessage();

// The check box that BGPROPERTIES, whatever its value, enables and checks.
inline constexpr char WatermarkField[] = "CheckBox1";

// One parameter of a recognised tag: show the dialog (a hidden one starting
// from its show-time defaults), set its edit mode, and set the named field
// to the value. The BODY tag also captions its dialog "Edit <BODY> Tag" and
// disables the page title.
struct CurrentTagStep {
    TagDialogKind dialog;
    QString field; // empty: a parameter the dialog has no field for
    QString value; // as the tokenizer delivers it
    bool bodyTag = false;
};

// The steps for the selected text, in order; none for a tag without
// parameters, for plain text, closing tags and tags without a dialog. A
// line break inside the selection separates parameters like a space.
QList<CurrentTagStep> currentTagSteps(const QString &selectedText);

// The caption of the page wizard opened on a BODY tag.
inline constexpr char BodyTagCaption[] = "Edit <BODY> Tag";

} // namespace tagloom
