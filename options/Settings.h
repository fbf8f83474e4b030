#pragma once

#include <QSize>
#include <QString>

// The options kept between runs, in the "Settings" group of the application's
// settings; the window's size, in a "Window" group of its own; and the picture
// file the player was last told cannot be shown, in a "Notices" group. Nothing
// is cached: every read asks the store and every write goes there at once.
class CSettings
{
public:
    static int GetDims();
    static void PutDims(int nDims);
    static QString GetLocation();
    static void PutLocation(const QString& strLocation);
    static bool GetUsePic();
    static void PutUsePic(bool bUse);
    static bool GetUseAnim();
    static void PutUseAnim(bool bUse);
    // Whether the player's picture is scaled to cover the board at the board's own resolution.
    static bool GetFitPic();
    static void PutFitPic(bool bFit);
    static QString GetToldPicture();
    static void PutToldPicture(const QString& strPath);

    // The size of the window when it is not maximised.
    static QSize GetWindowSize(const QSize& defaultSize);
    static bool GetWindowMaximized();
    static void PutWindow(const QSize& size, bool bMaximized);
};
