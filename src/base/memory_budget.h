#pragma once
// How much more memory this process may use: the smaller of what the system
// has available and what the process's address-space limit still leaves.

#include <QtGlobal>

namespace tagloom {

// In bytes; a large number when neither is known.
qint64 availableMemoryBytes();

} // namespace tagloom
