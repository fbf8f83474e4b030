#include "options/PictureNotice.h"

QString CPictureNotice::Text(EPictureFault eFault)
{
    QString strReason;
    switch (eFault) {
    case EPictureFault::None:
        return QString();
    case EPictureFault::Missing:
        strReason = tr("the file is not there, or it may not be read.");
        break;
    case EPictureFault::NotAPicture:
        strReason = tr("the file is not a picture, or it is damaged.");
        break;
    case EPictureFault::TooLarge:
        strReason = tr("it is too large. A smaller copy of it will do.");
        break;
    case EPictureFault::UnreadableFormat:
        strReason = tr("it is in a format this system cannot read. A copy saved as JPEG or PNG will do.");
        break;
    }
    return tr("This picture cannot be shown: %1\nThe tiles show letters instead.").arg(strReason);
}
