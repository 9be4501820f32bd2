#pragma once
// Reading a document off the window's thread: the window keeps painting, a read that takes
// longer than a moment shows its progress (from the bytes read), and the user may cancel
// it. The document is built on a worker and handed to the window's thread when done.

#include "rtf/rtf.h"

#include <QString>

#include <memory>
#include <optional>

class QFont;
class QTextDocument;
class QWidget;

namespace editing {

struct LoadResult {
    std::unique_ptr<QTextDocument> document; // on success; it lives on the calling thread
    std::optional<rtf::Failure> failure;     // FailureKind::Cancelled when the user cancelled
    rtf::ReadNotes notes;
};

// Reads `path` for the editor: files over rtf::kMaxEditableBytes are refused, paragraphs
// over rtf::kMaxEditableParagraph are cut (notes.paragraphsSplit). Returns once the reading
// has ended; meanwhile events are processed, but no input reaches any window other than the
// progress dialog, which appears on `parent` after `progressDelayMs`.
LoadResult loadInBackground(const QString& path, const QFont& defaultFont, QWidget* parent, int progressDelayMs);

} // namespace editing
