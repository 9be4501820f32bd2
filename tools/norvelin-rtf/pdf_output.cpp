#include "pdf_output.h"

#include "printout/pdf_printout.h"
#include "rtf/rtf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

#include <mutex>

namespace rtf_tool {
namespace {

// The NQ face for printing: the font beside the executable or in ../share/norvelin, for this
// process only (the editor, not the converter, shares it with other programs).
void registerNqFont()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QDir dir(QCoreApplication::applicationDirPath());
        for (const QString& candidate :
             {dir.filePath(QStringLiteral("nq.ttf")), dir.filePath(QStringLiteral("../share/norvelin/nq.ttf"))}) {
            if (QFileInfo(candidate).isFile() && QFontDatabase::addApplicationFont(candidate) >= 0)
                return;
        }
    });
}

} // namespace

std::optional<QString> writePdf(QTextDocument& document, const QString& output, const QString& title,
                                QStringList* notices)
{
    registerNqFont();
    QString notice;
    const std::optional<QByteArray> pdf = printout::printPdf(document, title, &notice);
    if (!pdf)
        return QCoreApplication::translate("NorvelinRtf", "%1: the document could not be printed").arg(output);
    if (!notice.isEmpty() && notices)
        notices->append(QStringLiteral("%1: %2").arg(output, notice));
    return rtf::saveBytes(output, *pdf);
}

} // namespace rtf_tool
