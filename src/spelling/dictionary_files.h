#pragma once
// Where the spelling dictionary and the user's own words live.

#include <QString>

namespace spelling {

// The folder holding bn.aff and bn.dic: spelling/ beside the executable (the build), else
// ../share/norvelin/spelling (an installation); empty when neither has them.
QString findDictionaryFolder(const QString& programDir);

// $XDG_DATA_HOME/norvelin/personal-dictionary.txt (default ~/.local/share).
QString personalDictionaryPath();

} // namespace spelling
