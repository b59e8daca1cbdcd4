#include "base/ui/messages.h"
