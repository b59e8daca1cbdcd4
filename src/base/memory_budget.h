#pragma once
// How much more memory this process may use: the least of the room under its
// address-space and data limits, the memory the system has available and the
// room left in its control group.

#include <QtGlobal>

namespace tagloom {

// In bytes; a large number when neither is known.
qint64 availableMemoryBytes();

} // namespace tagloom
