#include "vocabulary/palette_tables.h"
