#include "spell_engine.h"

#include "normalization.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <hunspell.hxx>

namespace spelling {
namespace {

// A Latin stem the dictionary builder gives exactly the noun endings
// (tools/spelldict/make_dictionary.py): the user's words take their affixes from it.
constexpr char kModelWord[] = "norvelinmodelnoun";

QStringList readWords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString word = dictionaryForm(QString::fromUtf8(line).trimmed());
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

} // namespace

std::unique_ptr<SpellEngine> SpellEngine::load(const QString& folder, const QString& personalPath,
                                               QString* error)
{
    const QString aff = folder + QStringLiteral("/bn.aff");
    const QString dic = folder + QStringLiteral("/bn.dic");
    for (const QString& path : {aff, dic}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
            return nullptr;
        }
    }
    std::unique_ptr<SpellEngine> engine(new SpellEngine);
    engine->hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                                   QFile::encodeName(dic).constData());
    if (!engine->hunspell_->spell(std::string(kModelWord))) {
        if (error)
            *error = QStringLiteral("%1: not a dictionary built for Norvelin").arg(QDir::toNativeSeparators(dic));
        return nullptr;
    }
    engine->personalPath_ = personalPath;
    if (!personalPath.isEmpty()) {
        for (const QString& word : readWords(personalPath))
            engine->addWord(word, false);
    }
    return engine;
}

SpellEngine::~SpellEngine() = default;

bool SpellEngine::isCorrect(const QString& word) const
{
    return hunspell_->spell(word.toStdString());
}

QStringList SpellEngine::suggestions(const QString& word) const
{
    QStringList result;
    for (const std::string& suggestion : hunspell_->suggest(word.toStdString()))
        result.append(QString::fromStdString(suggestion));
    return result;
}

bool SpellEngine::addWord(const QString& word, bool save, QString* error)
{
    const QString form = dictionaryForm(word);
    if (form.isEmpty())
        return true;
    hunspell_->add_with_affix(form.toStdString(), kModelWord);
    if (!save || personalPath_.isEmpty())
        return true;
    // The whole list is written anew, so that a failed save leaves the old one whole.
    QStringList words = readWords(personalPath_);
    if (words.contains(form))
        return true;
    words.append(form);
    QDir().mkpath(QFileInfo(personalPath_).absolutePath());
    QSaveFile file(personalPath_);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray text = words.join(u'\n').toUtf8() + '\n';
        if (file.write(text) == text.size() && file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(personalPath_), file.errorString());
    return false;
}

} // namespace spelling
