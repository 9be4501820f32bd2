#pragma once
// The product's name and version, both from the CMake project. The version reaches the
// program through QCoreApplication, set as soon as the application object exists.

#include <QString>

namespace product {

inline const QString kName = QStringLiteral(NORVELIN_PRODUCT_NAME);

// QCoreApplication::applicationVersion(), which start-up sets to the project's version.
QString version();

} // namespace product
