#pragma once
// The consonant clusters the NQ font draws joined beyond its table (joined_clusters.tsv, made
// by tools/nqfont/list_joined_clusters.py). The font generator reads the same file, so the
// bridge places signs exactly where the font can draw them.

#include <QList>
#include <QString>
#include <QStringList>

namespace nq {

// Every listed cluster as Unicode (consonant, hasanta, consonant ...). Loaded once.
const QList<QString>& joinedClusters();

// Parses the file's text; lines that cannot be read are reported in `errors`.
QList<QString> parseJoinedClusters(const QString& text, QStringList* errors = nullptr);

} // namespace nq
