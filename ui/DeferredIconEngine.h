#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>

// An icon that is made only when it is first drawn or measured. Until then it
// claims not to be null, so that holding it costs nothing.
class CDeferredIconEngine : public QIconEngine
{
public:
    explicit CDeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    const QIcon& Icon();

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_bMade = false;
};
