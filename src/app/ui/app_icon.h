// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kv {

QPixmap AppIconPixmap(int size);
QIcon AppIcon();

}  // namespace kv
