#include <Qsci/qsciscintilla.h>
