#include "product/product.h"

#include <QCoreApplication>

namespace product {

QString version()
{
    return QCoreApplication::applicationVersion();
}

} // namespace product

// Runs inside every QCoreApplication constructor, tests' included, so that each program
// built from these libraries names itself alike.
static void identifyProduct()
{
    QCoreApplication::setApplicationName(product::kName);
    QCoreApplication::setApplicationVersion(QStringLiteral(NORVELIN_PRODUCT_VERSION));
}
Q_COREAPP_STARTUP_FUNCTION(identifyProduct)
