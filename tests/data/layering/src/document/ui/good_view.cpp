#include <QWidget>
#include <QColor>
#include <Qsci/qsciscintilla.h>
#include "document/ui/code_editor.h"
#include "settings/app_settings.h"
#include "base/ui/messages.h"
