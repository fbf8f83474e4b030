#pragma once

#include <QProxyStyle>

// The desktop's style, unchanged, except that the menu bar's overflow arrow is
// made only if it is ever shown: a menu bar asks for it when it is created,
// and making it loads every image format plugin, which the first frame does
// not need.
class CSlydraStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps a new instance of the style named strBaseKey.
    explicit CSlydraStyle(const QString& strBaseKey);

    // Puts the style in place of the application's current one, keeping the
    // style the desktop or the -style option chose.
    static void Install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* pOption,
                       const QWidget* pWidget) const override;
};
