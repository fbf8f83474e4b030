#include "ui/DeferredIconEngine.h"

#include <QPainter>

CDeferredIconEngine::CDeferredIconEngine(std::function<QIcon()> make)
    : m_make(std::move(make))
{
}

const QIcon& CDeferredIconEngine::Icon()
{
    if (!m_bMade) {
        m_icon = m_make();
        m_bMade = true;
    }
    return m_icon;
}

void CDeferredIconEngine::paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    Icon().paint(pPainter, rect, Qt::AlignCenter, mode, state);
}

QSize CDeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().actualSize(size, mode, state);
}

QPixmap CDeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, mode, state);
}

QPixmap CDeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    // size is in device pixels.
    return Icon().pixmap(size / scale, scale, mode, state);
}

QList<QSize> CDeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

bool CDeferredIconEngine::isNull()
{
    return m_bMade && m_icon.isNull();
}

QString CDeferredIconEngine::key() const
{
    return QStringLiteral("CDeferredIconEngine");
}

QIconEngine* CDeferredIconEngine::clone() const
{
    return new CDeferredIconEngine(*this);
}
