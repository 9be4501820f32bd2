#include "pdftext/pdf_text.h"

#include "pdftext/content_spans.h"
#include "pdftext/glyph_identity.h"
#include "pdftext/to_unicode.h"

#include "nq/unicode_bridge.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QHash>
#include <QSet>

#include <exception>
#include <map>

namespace pdftext {
namespace {

constexpr char kNqPostScriptName[] = "NQ-Regular";

// The font Qt embeds for NQ: a Type 0 font named NQ-Regular, perhaps with a subset tag.
bool isNqFont(QPDFObjectHandle font)
{
    if (!font.isDictionary() || !font.getKey("/Subtype").isNameAndEquals("/Type0"))
        return false;
    QPDFObjectHandle name = font.getKey("/BaseFont");
    if (!name.isName())
        return false;
    const std::string base = name.getName();
    const std::string wanted = std::string("/") + kNqPostScriptName;
    const std::string tagged = std::string("+") + kNqPostScriptName;
    return base == wanted
        || (base.size() > tagged.size() && base.compare(base.size() - tagged.size(), tagged.size(), tagged) == 0);
}

QByteArray streamBytes(QPDFObjectHandle stream)
{
    const std::shared_ptr<Buffer> data = stream.getStreamData(qpdf_dl_generalized);
    return QByteArray(reinterpret_cast<const char*>(data->getBuffer()), qsizetype(data->getSize()));
}

QPDFObjectHandle textString(QPDF&, const QString& text) { return QPDFObjectHandle::newUnicodeString(text.toStdString()); }

// One NQ font: what each of its glyphs stands for, and its ToUnicode map rewritten.
struct NqFont {
    QHash<quint16, QString> codes;
    bool usable = false;
};

NqFont rewriteFont(QPDFObjectHandle font)
{
    NqFont result;
    QPDFObjectHandle toUnicode = font.getKey("/ToUnicode");
    if (!toUnicode.isStream())
        return result;
    const QMap<quint16, QString> printed = parseToUnicode(streamBytes(toUnicode));
    QMap<quint16, QString> rewritten = printed;
    for (auto it = printed.cbegin(); it != printed.cend(); ++it) {
        if (it.value().size() != 1)
            continue;
        const QString codes = nqCodesFor(it.value().front());
        if (codes.isEmpty())
            continue;
        result.codes.insert(it.key(), codes);
        const QString text = codes.trimmed().isEmpty() ? QStringLiteral(" ") : nq::nqToUnicode(codes).text;
        if (!text.isEmpty())
            rewritten.insert(it.key(), text);
    }
    const QByteArray cmap = writeToUnicode(rewritten);
    toUnicode.replaceStreamData(cmap.toStdString(), QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    result.usable = true;
    return result;
}

} // namespace

std::optional<QByteArray> addUnicodeText(const QByteArray& pdf, const DocumentInfo& info, QString* error)
{
    try {
        QPDF qpdf;
        qpdf.setSuppressWarnings(true);
        qpdf.processMemoryFile("printed PDF", pdf.constData(), size_t(pdf.size()));

        std::map<QPDFObjGen, NqFont> fonts;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(qpdf).getAllPages()) {
            QPDFObjectHandle resources = page.getAttribute("/Resources", false);
            if (!resources.isDictionary())
                continue;
            QPDFObjectHandle fontDict = resources.getKey("/Font");
            if (!fontDict.isDictionary())
                continue;
            QSet<QByteArray> nqNames;
            QHash<quint16, QString> codes;
            for (const std::string& key : fontDict.getKeys()) {
                QPDFObjectHandle font = fontDict.getKey(key);
                if (!isNqFont(font))
                    continue;
                auto it = fonts.find(font.getObjGen());
                if (it == fonts.end())
                    it = fonts.emplace(font.getObjGen(), rewriteFont(font)).first;
                if (!it->second.usable)
                    continue;
                nqNames.insert(QByteArray::fromStdString(key.substr(1)));
                codes.insert(it->second.codes); // one NQ font a page, as Qt prints
            }
            Pl_Buffer buffer("page content");
            page.pipeContents(&buffer);
            std::unique_ptr<Buffer> content(buffer.getBuffer());
            const QByteArray before(reinterpret_cast<const char*>(content->getBuffer()), qsizetype(content->getSize()));
            const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
            QByteArray after = dropTextOffPage(before, std::min(box.lly, box.ury), std::max(box.lly, box.ury))
                                   .value_or(before);
            if (!nqNames.isEmpty())
                after = addWordSpans(after, nqNames, codes).value_or(after);
            if (after != before)
                page.getObjectHandle().replaceKey("/Contents", QPDFObjectHandle::newStream(&qpdf, after.toStdString()));
        }

        QPDFObjectHandle root = qpdf.getRoot();
        if (!info.language.isEmpty())
            root.replaceKey("/Lang", textString(qpdf, info.language));
        QPDFObjectHandle trailer = qpdf.getTrailer();
        QPDFObjectHandle docInfo = trailer.getKey("/Info");
        if (!docInfo.isDictionary()) {
            docInfo = qpdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", docInfo);
        }
        if (!info.title.isEmpty())
            docInfo.replaceKey("/Title", textString(qpdf, info.title));
        if (!info.creator.isEmpty())
            docInfo.replaceKey("/Creator", textString(qpdf, info.creator));

        QPDFWriter writer(qpdf);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.setCompressStreams(true);
        writer.write();
        std::unique_ptr<Buffer> written(writer.getBuffer());
        return QByteArray(reinterpret_cast<const char*>(written->getBuffer()), qsizetype(written->getSize()));
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromStdString(e.what());
        return std::nullopt;
    }
}

} // namespace pdftext
