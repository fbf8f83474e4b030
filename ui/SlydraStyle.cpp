#include "ui/SlydraStyle.h"

#include "ui/DeferredIconEngine.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

CSlydraStyle::CSlydraStyle(const QString& strBaseKey)
    : QProxyStyle(strBaseKey)
{
}

void CSlydraStyle::Install()
{
    QApplication::setStyle(new CSlydraStyle(QApplication::style()->name()));
}

QIcon CSlydraStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* pOption,
                                 const QWidget* pWidget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton && standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, pOption, pWidget);
    // The option does not outlive this call; the style and the widget may not
    // outlive the icon.
    const QPointer<QStyle> base(baseStyle());
    const QPointer<QWidget> widget(const_cast<QWidget*>(pWidget));
    return QIcon(new CDeferredIconEngine([base, widget, standardIcon]() {
        return base ? base->standardIcon(standardIcon, nullptr, widget) : QIcon();
    }));
}
