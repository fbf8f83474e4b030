#pragma once

#include "app/SlydraDlg.h"
#include "options/OptionsDlg.h"
#include "options/Settings.h"
#include "render/BoardView.h"
#include "scores/ScoreTable.h"
#include "scores/StatsCodec.h"
#include "tests/ZeroRandom.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

// The face and dark shadow colours of Qt's own palette.
inline const QColor kFace(0xef, 0xef, 0xef);
inline const QColor kDark(0x76, 0x76, 0x76);

// Settings, records and prepared pictures in a private folder for the whole run; a read that
// blocks there fails the test by its timeout.
inline void SetUpRun(const QTemporaryDir& dir) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QApplication::setOrganizationName(QStringLiteral("Brevik"));
    QApplication::setApplicationName(QStringLiteral("Slydra"));
}

inline void ForgetEverything() {
    QSettings().clear();
    QFile::remove(CScoreTable::DefaultPath());
}

inline SStatsRecords StatsOnDisk() {
    QFile file(CScoreTable::DefaultPath());
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return CStatsCodec::Decode(bytes).value_or(SStatsRecords());
}

// Puts the bytes, a folder, a FIFO, a link to an absolute path or nothing ("missing") at path.
inline void Make(const QString& path, const QString& kind, const QByteArray& bytes = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QFile file(path);
    if (kind == QLatin1String("folder"))
        QDir().mkpath(path);
    else if (kind == QLatin1String("fifo"))
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
    else if (kind.startsWith(QLatin1Char('/')))
        QFile::link(kind, path);
    else if (kind != QLatin1String("missing") && file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The main window, shown, with its questions answered by the test and new
// games dealt by a generator of zeros: 3x3 deals 0 8 1 / 3 4 2 / 6 7 5.
class CTestDlg : public CSlydraDlg {
public:
    CTestDlg() {
        Game().SetRandomSource(&m_zero);
        show();
    }

    QString Label(const char* name) const { return findChild<QLabel*>(QLatin1String(name))->text(); }
    // The board once the picture it waits for is ready (prepared off this thread) or found not to be.
    QImage Frame() {
        static_cast<void>(QTest::qWaitFor([this] { return !BoardView().IsPreparing(); }, 20000));
        return BoardView().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // What a screen reader reads of a widget, and of the board's tiles.
    QString Spoken(QWidget* pWidget) { return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name); }
    QString BoardText() { return QAccessible::queryAccessibleInterface(&BoardView())->text(QAccessible::Description); }
    // The blank's cell, counted row by row from what a screen reader reads.
    int BlankCell() { return static_cast<int>(BoardText().split(QRegularExpression("[,;] ")).indexOf("blank")); }
    void Tap(int nCell, Qt::MouseButton button = Qt::LeftButton) {
        const int t = BoardView().TileSize();
        const int n = Game().Board().m_nSize;
        const double dpr = BoardView().devicePixelRatioF();
        const QPointF centre(4 + t * (nCell % n + 0.5) / dpr, 4 + t * (nCell / n + 0.5) / dpr);
        QTest::mouseClick(&BoardView(), button, {}, centre.toPoint());
    }
    // The page open over the board as the given kind, and a message or the About box over the window.
    template <class TPage = CTitledDlg>
    TPage* Page() { return qobject_cast<TPage*>(CSlydraDlg::Page()); }
    QDialog* Box() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }
    // A new game without animation on a board of that size dealt by zeros, the size taken up as Options does.
    void StartKnownGame(int nSize = 3) {
        CSettings::PutDims(nSize);
        CSettings::PutUseAnim(false);
        OnOptions();
        Page<COptionsDlg>()->m_bChanged = true;
        Page()->OkButton()->click();
        OnNewGame();
    }
    // The taps that bring the known game of the board's size home.
    void Win() {
        const QList<int> taps[] = {{2, 5, 8}, {0, 4, 8, 12, 13, 14, 15}, {8, 13, 14, 19, 24}};
        for (int nCell : taps[Game().Level()])
            Tap(nCell);
    }

    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QStringList m_asked;
    QList<SStatsRecords> m_onDiskWhenAsked;
    bool m_bRealBoxes = false;

protected:
    void MessageBox(const QString& strText, const QString& strCaption, QMessageBox::StandardButtons buttons,
                    QMessageBox::Icon icon, const Answer& onAnswer) override {
        m_asked << strCaption + QStringLiteral(": ") + strText;
        m_onDiskWhenAsked << StatsOnDisk();
        if (m_bRealBoxes)
            return CSlydraDlg::MessageBox(strText, strCaption, buttons, icon, onAnswer);
        onAnswer(m_answer);
    }

private:
    CZeroRandom m_zero;
};
