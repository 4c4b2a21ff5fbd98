#pragma once
// The product picture of the splash window and the version box, drawn in
// code: a shaded machined block over the product name.

#include <QPixmap>
#include <QSize>

namespace vantor {

QPixmap ProductPicture(QSize size);

}  // namespace vantor
