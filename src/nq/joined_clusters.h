#pragma once
// The consonant clusters the NQ font draws joined beyond its table (joined_clusters.tsv, made
// by tools/nqfont/list_joined_clusters.py): every two- and three-consonant cluster Noto Sans
// Bengali joins, and the four-consonant ones the font draws whole. Any other four-consonant
// cluster joins when both its threes are listed (bridge::fontJoins). The font generator reads
// the same file, so the bridge spells exactly what the font joins.

#include <QList>
#include <QString>
#include <QStringList>

namespace nq {

// Every listed cluster as Unicode (consonant, hasanta, consonant ...). Loaded once.
const QList<QString>& joinedClusters();

// Parses the file's text; lines that cannot be read are reported in `errors`.
QList<QString> parseJoinedClusters(const QString& text, QStringList* errors = nullptr);

} // namespace nq
