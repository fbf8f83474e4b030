#include "ui/CloseDialogs.h"

#include "ui/InWindowModal.h"
#include "ui/TitledDlg.h"

#include <QApplication>

void CloseDialogsAbove(QWidget& window)
{
    while (QWidget* pModal = QApplication::activeModalWidget()) {
        if (pModal == &window)
            break;
        if (auto* pPage = qobject_cast<CTitledDlg*>(pModal))
            pPage->accept();
        else if (auto* pDialog = qobject_cast<QDialog*>(pModal))
            pDialog->reject();
        else
            pModal->close();
        if (QApplication::activeModalWidget() == pModal)
            break;
    }
    while (QDialog* pInWindow = CInWindowModal::Running(window)) {
        if (auto* pPage = qobject_cast<CTitledDlg*>(pInWindow))
            pPage->accept();
        else
            pInWindow->reject();
        if (!pInWindow->isHidden())
            break;
    }
}
