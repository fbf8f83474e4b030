#pragma once

#include <QDialog>

// The About box: the icon, the product line and the picture hint.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
