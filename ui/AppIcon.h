#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a 3x3 grid with a bold 9 over it, drawn from one scalable drawing at
// whatever size is asked for. The desktop's icon theme gets the same drawing as files.
QImage DrawAppIcon(int size);
QIcon LoadAppIcon();
