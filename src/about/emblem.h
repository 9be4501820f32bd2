#pragma once
// The product emblem: a green plant, drawn rather than shipped as a file.

#include <QPixmap>

namespace about {

QPixmap drawEmblem(int size = 56);

} // namespace about
