#include "vocabulary/palette_tables.h"

namespace tagloom {

// The ColdFusion tag drop-down, inserted exactly as listed: the odd spacing
// and the attributes without values are what users of this list know.
const QStringList &coldFusionTags()
{
    static const char *const tags[] = {
        "<cfabort>",
        "<cfapplication name=\"\" clientmanagement=\"yes|no\">",
        "<cfbreak>",
        "<cfcol align=\"\" width=\"\" header=\"\" text=\"\">",
        "<cfcontent type=\"\" deletefile=\"no|yes\" file=\"\">",
        "<cfcookie domain=\"\" path=\"\" secure=\"yes|no\" expires=\"\" name=\"\" value=\"\">",
        "<cffile output=\"\" nameconflict=\"\" filefield=\"\" action=\"append|copy|delete|move|read|rename|upload|write\" accept=\"\" variable=\"\" source=\"\" file=\"\" destination=\"\">",
        "<cfform action=\"\" name=\"\" onsubmit=\"\"></cfform>",
        "<cfgrid highlightref=\"\" colheaderalign=\"\" maxrows=\"\" query=\"\" colheaderbold=\"\" selectcolor=\"#\" bold=\"\"onvalidate=\"\" selectmode=\"\" colheaders=\"\" href=\"\" rowheaderbold=\"\" name=\"\" fappendkey=\"\" rowheaderwidth=\"\" rowheader=\"\" italic=\"\"></cfgrid>",
        "<cfgridcolumn headerfontsize=\"\" headeralign=\"\" width=\"\" target=\"\" dataalign=\"\" headeritalic=\"\" headerbold=\"\" bold=\"\" href=\"\" name=\"\" header=\"\" fontsize=\"\" headerfont=\"\" font=\"\" italic=\"\">",
        "<cfgridrow data=\"\">",
        "<cfheader name=\"\" value=\"\">",
        "<cfhtmlhead text=\"\">",
        "<cfhttp textqualifier=\"\" resolveurl=\"yes|no\" method=\"get|post\" username=\"\" proxyserver=\"\" columns=\"\" path=\"\" delimiter=\"\" url=\"\" name=\"\" file=\"\" password=\"\"></cfhttp>",
        "<cfhttpparam type=\"cgi|cookie|file|formfield|url\" name=\"\" value=\"\" file=\"\">",
        "<cfinclude template=\"\">",
        "<cfindex body=\"\" collection=\"\" extensions=\"\" language= title=\"\" query=\"\" recurse=\"yes|no\" action=\"delete|optimize|purge|refresh|update\" urlpath=\"\" key=\"\" type=\"custom|file|path|\" external=\"yes|no\">",
        "<cfinput checked validate=\"creditcard|date|eurodate|float|integer|social_security_number|telephone|time|zipcode\" size=\"\" range onvalidate=\"\" type=\"checkbox|password|radio|text\" maxlength=\"\" name=\"\" value=\"\" required=\"yes|no\" message=\"\" onerror=\"\">",
        "<cfinsert></cfinsert>",
        "<cfldap port=\"\" maxrows=\"\" server=\"\" timeout= username=\"\" action=\"add|delete|modify|modifydn|query\" filter=\"\" startrow=\"\" dn=\"\" attributes=\"\" name=\"\" start=\"\" sort=\"\" password=\"\" scope=\"base|onelevel|subtree\">",
        "<cflocation addtoken=\"yes|no\" url=\"\">",
        "<cfmail cc=\"\" subject=\"\" port=\"\" maxrows=\"\" server=\"\" query=\"\" timeout=\"\" mimeattach=\"\" startrow=\"\" from=\"\" type=\"html\" to=\"\" group=\"\">",
        "<cfmodule template=\"\" name=\"\" attribute=\"\"></cfmodule>",
        "<cfobject server=\"\" class=\"\" action=\"connect|create\" context=\"inproc|local|remote\" name=\"\"></cfobject>",
        "<cfoutput maxrows=\"\" query=\"\" startrow=\"\" group=\"\"></cfoutput>",
        "<cfparam default=\"\" name=\"\">",
        "<cfpop port= maxrows=\"\" server=\"\" messagenumber=\"\" timeout=\"\" username=\"\" action=\"delete|getall|getheaderonly\" startrow=\"\" name=\"\" attachmentpath=\"\" password=\"\">",
        "<cfquery debug=\"yes|no\" datasource=\"\" maxrows=\"\" timeout=\"\" username=\"\" name=\"\" password=\"\"></cfquery>",
        "<cfreport report=\"\" username=\"\" orderby=\"\" password=\"\"></cfreport>",
        "<cfsearch collection=\"\" maxrows=\"\" language=\"\" criteria=\"\" startrow=\"\" type=\"explicit|simple\" name=\"\" external=\"yes|no\">",
        "<cfselect selected=\"\" size= query=\"\" multiple=\"yes|no\" display=\"\" name=\"\" value=\"\" required=\"yes|no\" message=\"\" onerror=\"\"></cfselect>",
        "<cfslider vspace=\"\" align=\"\" width=\"\" textcolor=\"#\" bold=\"yes|no\" scale=\"\" refreshlabel=\"yes|no\" height=\"\" range name=\"\" value=\"\" fontsize=\"\" imgstyle=\"centered|scaled|tiled\" message=\"\" label=\"\" img=\"\" italic=\"yes|no\">",
        "<cftable maxrows=\"\" query=\"\" colspacing=\"\" startrow=\"\" headerlines=\"\" colheaders htmltable border=\"yes|no\"></cftable>",
        "<cftextinput vspace=\"\" align=\"\" width=\"\" validate=\"\" size=\"\" bold=\"\" range onvalidate=\"\" maxlength=\"\" name=\"\" value=\"\" required=\"\" message=\"\" italic=\"\">",
        "<cftransaction isolation=\"read_commited|read_uncommited|repeatable_read|serialize|versioning\">",
        "<cftree completepath=\"\" width=\"\" bold=\"\" height=\"\" vscroll=\"\" delimiter=\"\" highlighthref=\"\" border=\"\" name=\"\" appendkey=\"\" required=\"\" message=\"\" hscroll=\"\" italic=\"\"></cftree>",
        "<cftreeitem target=\"\" imgopen=\"\" query=\"\" display=\"\" href=\"\" expand=\"yes|no\" parent=\"\" value=\"\" queryasroot=\"yes|no\" img=\"\">",
        "<cfupdate datasource=\"\" tablequalifier=\"\" tablename=\"\" formfields=\"\" tableowner=\"\">",
    };
    static const QStringList list = [] {
        QStringList l;
        for (const char *tag : tags)
            l.append(QString::fromLatin1(tag));
        return l;
    }();
    return list;
}

} // namespace tagloom
