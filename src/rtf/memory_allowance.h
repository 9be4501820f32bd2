#pragma once
// How much memory a document being read may still take. Qt's text document does not
// survive an allocation that fails, so the reader stops before it would need more than
// the system can give.

#include <QtGlobal>

namespace rtf {

// Bytes this process can still allocate: the smaller of what the system has available
// (memory and swap) and what its address-space limit leaves. -1 when unknown.
qint64 availableMemory();

} // namespace rtf
