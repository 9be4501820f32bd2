#include "pdf_output.h"

#include "printout/pdf_printout.h"
#include "rtf/page_setup.h"
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

std::optional<rtf::Failure> writePdf(QTextDocument& document, const QString& output, const QString& title,
                                QStringList* notices)
{
    registerNqFont();
    QString notice;
    // The page the document was made for, as the window's printing starts from it.
    const std::optional<QByteArray> pdf = printout::printPdf(document, title, &notice, rtf::pageLayoutOf(document));
    if (!pdf)
        return rtf::Failure{rtf::FailureKind::Unwritable, output, 0,
                            QCoreApplication::translate("NorvelinRtf", "the document could not be printed")};
    if (!notice.isEmpty() && notices)
        notices->append(QCoreApplication::translate("NorvelinRtf", "%1: %2").arg(output, notice));
    return rtf::saveBytes(output, *pdf);
}

} // namespace rtf_tool
