#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the windows, by name ("decor", "nouveau", ...), as the
// build rendered them (resources/RendImages.cpp, ui/CMakeLists.txt): shown
// straight from the program's resources. An unknown name gives an empty
// picture.
QPixmap Image(const char* nom);
QIcon Icone(const char* nom);
