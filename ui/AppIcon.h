#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: a 3x3 grid with a bold digit over it, drawn for each size so that it stays
// sharp at 16, 32 and 48 pixels.
QPixmap DrawAppIcon(int size);
QIcon LoadAppIcon();
