#pragma once
// Registers the editing font "nq.ttf" for this program and for the user's other programs.

#include <QString>

namespace platform {

// Where the font file is looked for: beside the executable, then in ../share/norvelin.
QString findFontFile(const QString& executableDir, const QString& fileName = QStringLiteral("nq.ttf"));

// Copies the font file into the user's font folder ($XDG_DATA_HOME/fonts, default
// ~/.local/share/fonts) when it is missing there or differs, so that other programs show our
// documents in the NQ face too and no older NQ there is drawn instead; then registers it
// with Qt. Failures are silent:
// a missing or unreadable file registers nothing and the program goes on.
// Returns Qt's font id, or -1. Beside the copy goes a fontconfig rule
// ($XDG_CONFIG_HOME/fontconfig/conf.d/70-norvelin-nq.conf) that keeps other programs from
// taking NQ for private-use characters.
int registerEditingFont(const QString& executableDir);

} // namespace platform
