#include "app/PageHost.h"

#include <algorithm>

CPageHost::CPageHost(QWidget& window)
    : m_window(window)
{
}

void CPageHost::Open(CTitledDlg* pPage, const std::function<void(int)>& onFinished)
{
    if (m_window.isHidden() || m_pPage) {
        delete pPage;
        return;
    }
    pPage->setParent(&m_window);
    pPage->setGeometry(m_area);
    m_pPage = pPage;
    // The focus goes back where it was.
    QPointer<QWidget> pFocus = m_window.focusWidget();
    QObject::connect(pPage, &CTitledDlg::finished, &m_window, [this, pPage, pFocus, onFinished](int nResult) {
        m_pPage = nullptr;
        pPage->deleteLater();
        (pFocus ? pFocus.data() : &m_window)->setFocus();
        if (onFinished)
            onFinished(nResult);
    });
    pPage->open();
}

void CPageHost::Ask(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons buttons,
                    QMessageBox::Icon icon, const Answer& onAnswer)
{
    if (m_window.isHidden())
        return;
    auto* pBox = new QMessageBox(icon, strCaption, strText, buttons, &m_window);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(pBox, &QMessageBox::finished, &m_window,
                     [pBox, onAnswer] { onAnswer(pBox->standardButton(pBox->clickedButton())); });
    pBox->open();
}

void CPageHost::Place(const QRect& area)
{
    m_area = area;
    if (m_pPage)
        m_pPage->setGeometry(area);
}

void CPageHost::Close()
{
    QList<QWidget*> above = m_window.findChildren<QWidget*>();
    above.removeIf([](const QWidget* p) { return !p->isWindow() || p->isHidden(); });
    // A message over the file chooser over the Options page closes first.
    std::for_each(above.rbegin(), above.rend(), [](QWidget* p) { p->close(); });
    if (m_pPage)
        m_pPage->accept();
}
