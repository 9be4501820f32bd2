#include "batch_inputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace rtf_tool {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("NorvelinRtf", text);
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

// A name as the user can find it again: valid UTF-8 as it stands, other bytes as \xHH.
QString displayName(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString shown;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = uchar(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        const QByteArray sequence = length ? bytes.mid(i, length) : QByteArray();
        if (length && sequence.size() == length && isValidUtf8(sequence)) {
            shown += QString::fromUtf8(sequence);
            i += length;
        } else {
            shown += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
            ++i;
        }
    }
    return shown;
}

bool isRtfName(const QByteArray& name)
{
    return name.size() > 4 && name.right(4).toLower() == ".rtf";
}

struct Walk {
    QList<FoundDocument>& documents;
    QList<InputProblem>& problems;
    std::vector<FileIdentity> chain; // the folders entered, from the root down

    // `raw` is the folder as the system names it; `shown` and `relative` as the user reads
    // them; `nameable` is false once a name on the way is not valid UTF-8.
    void folder(const QByteArray& raw, const QString& shown, const QString& relative, bool nameable)
    {
        DIR* dir = ::opendir(raw.constData());
        if (!dir) {
            problems.append({shown, tr("the folder cannot be read (%1): the documents in it are not converted")
                                        .arg(QString::fromLocal8Bit(std::strerror(errno)))});
            return;
        }
        std::vector<QByteArray> names;
        errno = 0;
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names.push_back(name);
        }
        const int listError = errno;
        std::sort(names.begin(), names.end());
        for (const QByteArray& name : names) {
            const QByteArray rawChild = raw + '/' + name;
            const QString shownChild = shown + u'/' + displayName(name);
            const QString relativeChild = relative.isEmpty() ? displayName(name) : relative + u'/' + displayName(name);
            const bool nameableChild = nameable && isValidUtf8(name);
            struct stat target {};
            if (::fstatat(::dirfd(dir), name.constData(), &target, 0) == 0 && S_ISDIR(target.st_mode)) {
                const FileIdentity identity{target.st_dev, target.st_ino};
                // A link back to a folder on the way: its documents are found there already.
                if (std::find(chain.begin(), chain.end(), identity) != chain.end())
                    continue;
                chain.push_back(identity);
                folder(rawChild, shownChild, relativeChild, nameableChild);
                chain.pop_back();
            } else if (isRtfName(name)) {
                if (nameableChild)
                    documents.append({shownChild, relativeChild});
                else
                    problems.append({shownChild, tr("the name is not valid UTF-8 and cannot be passed on: "
                                                    "rename it to convert it")});
            }
        }
        if (listError != 0) {
            problems.append({shown, tr("the folder could not be read to its end (%1): some documents in it "
                                       "may not be converted")
                                        .arg(QString::fromLocal8Bit(std::strerror(listError)))});
        }
        ::closedir(dir);
    }
};

} // namespace

std::optional<FileIdentity> identityOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

QString placeOf(const QString& path)
{
    QString existing = QFileInfo(path).absoluteFilePath();
    const QString name = QFileInfo(existing).fileName();
    existing = QFileInfo(existing).path();
    QStringList missing;
    // The nearest folder that exists, resolved; the part below it cannot hold links yet.
    while (!QFileInfo(existing).isDir()) {
        const QFileInfo info(existing);
        if (info.path() == existing)
            break;
        missing.prepend(info.fileName());
        existing = info.path();
    }
    QString place = QFileInfo(existing).canonicalFilePath();
    if (place.isEmpty())
        place = QDir::cleanPath(existing);
    for (const QString& part : std::as_const(missing))
        place = QDir::cleanPath(place + u'/' + part);
    return QDir::cleanPath(place + u'/' + name);
}

void findDocuments(const QString& folder, QList<FoundDocument>& documents, QList<InputProblem>& problems)
{
    const QByteArray raw = QFile::encodeName(folder);
    Walk walk{documents, problems, {}};
    if (const auto root = identityOf(folder))
        walk.chain.push_back(*root);
    QString shown = folder;
    while (shown.size() > 1 && shown.endsWith(u'/'))
        shown.chop(1);
    walk.folder(raw, shown, QString(), true);
}

} // namespace rtf_tool
