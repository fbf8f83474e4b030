#pragma once

#include "ui/TitledDlg.h"

class QLabel;
class QLineEdit;

// Names the records that fell and asks for the player's name.
class CCongratulationsDlg : public CTitledDlg
{
    Q_OBJECT
public:
    explicit CCongratulationsDlg(QWidget* pParent = nullptr);
    ~CCongratulationsDlg() override;

    QString m_strName;
    QString m_strLine1;
    QString m_strLine2;
    QString m_strLine3;

    // Fills the three lines for the records that fell: least moves, fastest time or both.
    void DescribeRecords(bool bMoves, bool bTime, int nMoves, const QString& strTime, const QString& strLevel);

    QLineEdit* NameBox() const { return m_pName; }
    QLabel* Line(int nLine) const;

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    // Asks the platform to show or hide its on-screen keyboard.
    virtual void ShowInputPanel(bool bShow);

private:
    QLineEdit* m_pName = nullptr;
    QLabel* m_pLines[3] = {};
};
