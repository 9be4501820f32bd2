#pragma once
// hunspell with Norvelin's dictionary, on Unicode words in dictionary form. Not thread-safe:
// one thread owns an engine (the editor's is in a worker thread, spell_service.h).

#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

namespace spelling {

class SpellEngine {
public:
    // Loads bn.aff and bn.dic from `folder`, and the user's words from `personalPath` when it
    // is given and exists. Empty, with the reason in `error`, when the dictionary cannot be
    // read.
    static std::unique_ptr<SpellEngine> load(const QString& folder, const QString& personalPath,
                                             QString* error);
    ~SpellEngine();

    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;

    // Accepts `word` from now on, with the noun endings (ফোল্ডার → ফোল্ডারে, ফোল্ডারগুলো); with
    // `save`, appends it to the personal dictionary. False with the reason when saving fails.
    bool addWord(const QString& word, bool save, QString* error = nullptr);

private:
    SpellEngine() = default;
    std::unique_ptr<Hunspell> hunspell_;
    QString personalPath_;
};

} // namespace spelling
