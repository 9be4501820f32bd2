#include "printout/pdf_printout.h"

#include "printout/paged_document.h"
#include "pdftext/pdf_text.h"
#include "product/product.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPdfWriter>
#include <QSaveFile>

namespace printout {
namespace {

QString notTextMessage(const QString& reason)
{
    return QCoreApplication::translate(
               "printout", "The PDF was written, but its Bengali text could not be made searchable: %1")
        .arg(reason);
}

pdftext::DocumentInfo infoFor(const QString& title)
{
    pdftext::DocumentInfo info;
    info.title = title;
    info.creator = product::kName;
    info.language = QStringLiteral("bn");
    return info;
}

} // namespace

std::optional<QByteArray> printPdf(QTextDocument& document, const QString& title, QString* notice,
                                   const std::optional<QPageLayout>& page)
{
    QByteArray printed;
    {
        QBuffer buffer(&printed);
        if (!buffer.open(QIODevice::WriteOnly))
            return std::nullopt;
        QPdfWriter writer(&buffer);
        writer.setResolution(1200); // as a high-resolution printer writes its PDF
        if (page)
            writer.setPageLayout(*page);
        else
            writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setCreator(product::kName);
        writer.setTitle(title);
        if (!paintPages(document, writer))
            return std::nullopt;
    }
    QString reason;
    if (std::optional<QByteArray> searchable = pdftext::addUnicodeText(printed, infoFor(title), &reason))
        return searchable;
    if (notice)
        *notice = notTextMessage(reason);
    return printed;
}

std::optional<QString> addTextToPdfFile(const QString& path, const QString& title)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return notTextMessage(file.errorString());
    const QByteArray printed = file.readAll();
    file.close();
    QString reason;
    const std::optional<QByteArray> searchable = pdftext::addUnicodeText(printed, infoFor(title), &reason);
    if (!searchable)
        return notTextMessage(reason);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*searchable) != searchable->size() || !out.commit())
        return notTextMessage(out.errorString());
    return std::nullopt;
}

} // namespace printout
