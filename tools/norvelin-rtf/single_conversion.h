#pragma once
// norvelin-rtf [--unicode | --from-unicode] IN OUT: one document, its format chosen by
// OUT's extension.

class QCommandLineParser;

namespace rtf_tool {

int runSingleConversion(const QCommandLineParser& line);

} // namespace rtf_tool
