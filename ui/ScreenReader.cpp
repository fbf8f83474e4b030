#include "ui/ScreenReader.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <algorithm>

namespace ScreenReader {

namespace {

const char* const kRole = "slydraAccessibleRole";
const char* const kSkipped = "slydraAccessibleSkipped";

class CReadInOrder : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(Read().size()); }

    QAccessibleInterface* child(int nIndex) const override
    {
        const QList<QWidget*> read = Read();
        return nIndex >= 0 && nIndex < read.size() ? QAccessible::queryAccessibleInterface(read[nIndex]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* pChild) const override
    {
        return pChild ? static_cast<int>(Read().indexOf(qobject_cast<QWidget*>(pChild->object()))) : -1;
    }

private:
    // Row by row, and along each row the way the text runs.
    QList<QWidget*> Read() const
    {
        QList<QWidget*> read;
        for (QWidget* pChild : widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!pChild->isWindow() && !pChild->property(kSkipped).toBool())
                read << pChild;
        }
        const bool bReversed = widget()->isRightToLeft();
        const auto place = [bReversed](const QWidget* p) {
            return std::pair(p->y(), bReversed ? -p->geometry().right() : p->x());
        };
        std::stable_sort(read.begin(), read.end(), [&](QWidget* a, QWidget* b) { return place(a) < place(b); });
        return read;
    }
};

QAccessibleInterface* Factory(const QString& strClass, QObject* pObject)
{
    auto* pWidget = qobject_cast<QWidget*>(pObject);
    if (!pWidget || strClass != QLatin1String(pObject->metaObject()->className()))
        return nullptr;
    const QVariant role = pWidget->property(kRole);
    return role.isValid() ? new CReadInOrder(pWidget, static_cast<QAccessible::Role>(role.toInt())) : nullptr;
}

} // namespace

void SetRole(QWidget& widget, QAccessible::Role role)
{
    // Once for the program, before a screen reader first asks.
    static const bool bInstalled = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(bInstalled)
    widget.setProperty(kRole, static_cast<int>(role));
}

void Skip(QWidget& widget)
{
    widget.setProperty(kSkipped, true);
}

} // namespace ScreenReader
