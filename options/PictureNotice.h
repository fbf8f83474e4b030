#pragma once

#include "render/PictureResult.h"

#include <QCoreApplication>
#include <QString>

// What the player is told of a picture that cannot be shown: by the Options
// page when it is chosen, and once at a start that cannot show it.
class CPictureNotice
{
    Q_DECLARE_TR_FUNCTIONS(CPictureNotice)
public:
    static QString Text(EPictureFault eFault);
};
