// The module has all of its code in its classes; moc reads them from the header.
#include "document/ui/page_engine/page_engine_module.h"
