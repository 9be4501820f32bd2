#pragma once
// From the reader's group state to Qt's formats.

#include "rtf/reader_state.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

class QColor;

namespace rtf {

// `family` empty: the file names no face, the document's default applies. Invalid colours
// and an empty link set nothing.
QTextCharFormat toCharFormat(const CharProps& chars, const QString& family, const QColor& foreground,
                             const QColor& background, const QString& link);

QTextBlockFormat toBlockFormat(const ParaProps& para);

} // namespace rtf
