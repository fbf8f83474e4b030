#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// Reads one of the program's own images (a letter sheet, an icon) with Qt's
// built-in decoder for the named format. Left to guess, QImageReader first
// loads and asks every image format plugin, which costs the start-up time and
// memory of libraries the first frame never uses.
QImage ReadBuiltInImage(const QString& strPath, const char* pszFormat);

// The application's icon at the sizes a window manager shows for a window;
// launchers and docks take the installed theme icon.
QIcon ReadWindowIcon();
