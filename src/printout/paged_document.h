#pragma once
// A QTextDocument laid out on the pages of a printer or a PDF writer, page by page, with
// nothing of ours added (no page numbers).

class QPagedPaintDevice;
class QTextDocument;

namespace printout {

// Gives `device` margins of 20 mm where it offers less than 10 mm (a PDF file, a borderless
// page), then turns them into the document's frame margins and paints the whole sheet, so
// that the layout keeps every line off the page edges and none is cut in two at a page
// break. `document` is changed (page size, frame, paint device): pass a copy.
// False when the painter could not start or end on the device.
bool paintPages(QTextDocument& document, QPagedPaintDevice& device);

} // namespace printout
