#include "tags/ui/page_commands.h"

#include "base/ui/command_registry.h"
#include "base/ui/on_first_use.h"
#include "document/ui/documents.h"
#include "tags/ui/content_dialog.h"
#include "tags/ui/master_font_dialog.h"
#include "tags/ui/page_dialog.h"
#include "tags/ui/style_link_dialog.h"
#include "tags/ui/transition_dialog.h"

#include <memory>

namespace tagloom {

namespace {

template <typename Dialog>
using Lazy = std::shared_ptr<OnFirstUse<Dialog>>;

template <typename Dialog, typename Make>
Lazy<Dialog> lazy(Make make)
{
    return std::make_shared<OnFirstUse<Dialog>>(std::move(make));
}

} // namespace

PageTagDialogs registerPageCommands(CommandRegistry &registry, Documents &documents)
{
    Documents *docs = &documents;
    const MarkupDialog::ActiveEditor active = [docs] { return docs->activeEditor(); };
    const MarkupDialog::ActiveEditor newPage = [docs] { return docs->newHtmlEditor(); };

    const auto page = lazy<PageDialog>([=] { return new PageDialog(active, newPage, docs->dialogParent()); });
    const auto styleLink =
        lazy<StyleLinkDialog>([=] { return new StyleLinkDialog(active, docs->dialogParent()); });
    const auto font = lazy<MasterFontDialog>([=] { return new MasterFontDialog(active, docs->dialogParent()); });
    const auto transitions =
        lazy<TransitionDialog>([=] { return new TransitionDialog(active, docs->dialogParent()); });
    const auto content = lazy<ContentDialog>(
        [=] { return new ContentDialog(active, newPage, docs->dataFolder(), docs->dialogParent()); });

    // A new page needs no document to start from: the wizard opens from the
    // main window's menu too.
    registry.add(QStringLiteral("File.PageWizard"), [page] { page->get()->openNewPage(); });

    const struct {
        const char *id;
        std::function<void()> open;
    } commands[] = {
        {"Format.StyleSheets", [styleLink] { styleLink->get()->openFromMenu(); }},
        {"Format.Font", [font] { font->get()->openFromMenu(); }},
        {"Format.Transitions", [transitions] { transitions->get()->openFromMenu(); }},
        {"Tools.ContentWizards", [content] { content->get()->openFromMenu(); }},
    };
    for (const auto &command : commands)
        registry.add(QLatin1String(command.id), [docs, open = command.open] {
            if (docs->activeDocument())
                open();
        });

    return {[page]() -> MarkupDialog * { return page->get(); },
            [styleLink]() -> MarkupDialog * { return styleLink->get(); }};
}

} // namespace tagloom
