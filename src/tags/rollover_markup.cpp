#include "tags/rollover_markup.h"

namespace tagloom {

namespace {

// MM_swapImage keeps, per swapped picture, the object and the source it had
// before the first swap, so that MM_swapImgRestore can put it back; a swap
// of a picture that is already swapped keeps the first saved source.
// Expressions for one browser family that name a collection the browser
// lacks (layers, all) fall back to the plain document.name form.
const char *const scriptText = R"(<script language="JavaScript">
<!--
//v2.0
function MM_swapImgRestore() {
  var saved = document.MM_swapImgData;
  if (saved != null) {
    for (var i = 0; i + 1 < saved.length; i += 2)
      saved[i].src = saved[i + 1];
  }
}

//v2.0
function MM_preloadImages() {
  if (document.images) {
    var files = MM_preloadImages.arguments;
    if (document.preloadArray == null)
      document.preloadArray = new Array();
    var list = document.preloadArray;
    for (var i = 0; i < files.length; i++) {
      if (files[i].charAt(0) != "#") {
        var picture = new Image;
        picture.src = files[i];
        list[list.length] = picture;
      }
    }
  }
}

//v2.0
function MM_swapImage() {
  var args = MM_swapImage.arguments;
  var oldArray = document.MM_swapImgData;
  var swapArray = new Array();
  var j = 0;
  for (var i = 0; i + 2 < args.length; i += 3) {
    var objStr = (navigator.appName == "Netscape") ? args[i] : args[i + 1];
    if ((objStr.indexOf("document.layers[") == 0 && document.layers == null) ||
        (objStr.indexOf("document.all[") == 0 && document.all == null))
      objStr = "document" + objStr.substring(objStr.lastIndexOf("."), objStr.length);
    var obj = eval(objStr);
    if (obj != null) {
      var keepOld = oldArray != null && oldArray[j] == obj;
      swapArray[j] = obj;
      swapArray[j + 1] = keepOld ? oldArray[j + 1] : obj.src;
      j += 2;
      obj.src = args[i + 2];
    }
  }
  document.MM_swapImgData = swapArray;
}
//-->
</script>)";

} // namespace

QList<RolloverPrompt> rolloverPrompts(const RolloverFields &fields)
{
    QList<RolloverPrompt> prompts;
    if (fields.Original.isEmpty())
        prompts.append({RolloverPicture::Original, QStringLiteral("Please give an original image.")});
    if (fields.Next.isEmpty())
        prompts.append({RolloverPicture::Next, QStringLiteral("Please give an image to show on rollover.")});
    return prompts;
}

QString rolloverAnchor(const RolloverFields &f)
{
    return QLatin1String("<a href=\"") + f.Hyperlink + QLatin1String("\" ")
        + QLatin1String("onMouseOut=\"MM_swapImgRestore()\" onMouseOver=\"MM_swapImage('document.") + f.Name
        + QLatin1String("','document.") + f.Name + QLatin1String("','") + f.Next
        + QLatin1String("')\"><img name=\"") + f.Name + QLatin1String("\" border=\"0\" src=\"") + f.Original
        + QLatin1String("\"></a>");
}

const QStringList &rolloverScriptLines()
{
    static const QStringList lines = QString::fromLatin1(scriptText).split(QLatin1Char('\n'));
    return lines;
}

MarkupOutcome rolloverMarkup(const RolloverFields &fields)
{
    if (fields.Hyperlink.isEmpty())
        return MarkupOutcome::refusing(QStringLiteral("Please give a hyperlink."));
    if (fields.Name.isEmpty())
        return MarkupOutcome::refusing(QStringLiteral("Please give a name."));
    return MarkupOutcome::inserting(linesInsertion(rolloverScriptLines() + QStringList{rolloverAnchor(fields)}));
}

} // namespace tagloom
