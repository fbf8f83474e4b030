#include "HostileFiles.h"
#include "TestPictures.h"
#include "TestSupport.h"

#include "options/Settings.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTest>

#include <sys/stat.h>

#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace {

// A value of /proc/self/status in kB, or -1.
long StatusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return -1;
}

// Starts a new peak for VmHWM.
bool ResetPeakMemory()
{
    std::ofstream clear("/proc/self/clear_refs");
    return static_cast<bool>(clear << "5" << std::flush);
}

// What the board shows and what the tile picture holds.
struct SShown
{
    QImage frame;
    QImage surface;
    QString strPath;
    int nWidth = 0;
    int nHeight = 0;

    bool operator==(const SShown& other) const
    {
        return std::tie(frame, surface, strPath, nWidth, nHeight)
            == std::tie(other.frame, other.surface, other.strPath, other.nWidth, other.nHeight);
    }
};

} // namespace

// Picture files that cannot be read, are cut short, lie about what they are or
// would take gigabytes to decode: each leaves the tile picture as it was and
// shows no message.
class HostilePicturesTest : public QObject
{
    Q_OBJECT

private:
    CTestEnvironment m_env;
    std::unique_ptr<CTestSlydraDlg> m_dlg;
    std::unique_ptr<CDialogCounter> m_dialogs;
    QString m_strGood;
    SShown m_good;

    QString Write(const QString& strName, const QByteArray& bytes)
    {
        const QString strPath = QDir(m_env.Path()).filePath(strName);
        QFile file(strPath);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? strPath : QString();
    }

    // Chooses strPath in Options, which rebuilds the tile picture from it.
    SShown Choose(const QString& strPath)
    {
        CSettings::PutLocation(strPath);
        m_dlg->OnOptions();
        return Shown();
    }

    SShown Shown()
    {
        const CPicture& picture = m_dlg->m_picture;
        return {m_dlg->Frame(), picture.Surface(), picture.Path(), picture.Width(), picture.Height()};
    }

    void ShowGood()
    {
        if (m_dlg->m_picture.Path() != m_strGood)
            Choose(m_strGood);
    }

    bool NothingSaid() const { return m_dlg->m_questions.isEmpty() && m_dialogs->m_nShown == 0; }

private slots:
    void initTestCase()
    {
        // Decoders log what they think of broken files; that is their business.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        m_strGood = QDir(m_env.Path()).filePath(QStringLiteral("good.png"));
        QVERIFY(TestPictures::Coordinates(232, 232, 9).save(m_strGood));
        CSettings::PutUsePic(true);
        CSettings::PutUseAnim(false);
        m_dlg = std::make_unique<CTestSlydraDlg>();
        m_dlg->m_options = [] { return true; };
        m_dialogs = std::make_unique<CDialogCounter>();
        m_good = Choose(m_strGood);
        QCOMPARE(m_good.strPath, m_strGood);
        QCOMPARE(m_good.surface.pixelColor(100, 50), QColor(109, 59, 9));
    }

    void init() { ShowGood(); }

    void cleanup()
    {
        QVERIFY2(NothingSaid(), qPrintable(m_dlg->m_questions.join(QLatin1Char('\n'))));
    }

    // Empty files and pictures cut at every one of their first 100 bytes and
    // at 200 more points. Only a cut that loses nothing the decoder needs (the
    // last bytes of a PNG's end chunk, a GIF's final trailer byte) may show the
    // picture, and then exactly as its whole file does.
    void emptyAndTruncatedFiles()
    {
        QMap<QString, SShown> whole;
        for (const HostileFiles::SCase& c : HostileFiles::WholePictures()) {
            QVERIFY(!c.bytes.isEmpty());
            whole[c.strName.section(QLatin1Char('.'), -1)] = Choose(Write(c.strName, c.bytes));
            QVERIFY2(!whole.last().strPath.isEmpty(), qPrintable(c.strName));
        }
        ShowGood();

        QMap<QString, int> kept;
        QMap<QString, int> complete;
        for (const HostileFiles::SCase& c : HostileFiles::RegularFileCases(200)) {
            if (c.strGroup != QStringLiteral("empty") && !c.strGroup.startsWith(QStringLiteral("truncated")))
                continue;
            const QString strPath = Write(c.strName, c.bytes);
            const SShown shown = Choose(strPath);
            QFile::remove(strPath);
            if (shown == m_good) {
                ++kept[c.strGroup];
                continue;
            }
            SShown expected = whole.value(c.strName.section(QLatin1Char('.'), -1));
            expected.strPath = strPath;
            QVERIFY2(c.strGroup != QStringLiteral("empty") && shown == expected,
                     qPrintable(QStringLiteral("%1 (%2 bytes) changed the tile picture").arg(c.strName).arg(c.bytes.size())));
            ++complete[c.strGroup];
            ShowGood();
        }
        for (auto it = kept.cbegin(); it != kept.cend(); ++it)
            qInfo("%s: %d kept the picture, %d showed the whole picture", qPrintable(it.key()), it.value(),
                  complete.value(it.key()));
        QCOMPARE(kept.value(QStringLiteral("empty")), 4);
        for (const char* suffix : {"jpg", "png", "bmp", "gif"})
            QVERIFY(kept.value(QStringLiteral("truncated .") + QLatin1String(suffix)) >= 250);
    }

    // No picture behind a picture's name, or another format's picture cut
    // short: nothing changes. The format comes from the content, so a whole
    // picture under another format's name shows as itself.
    void lyingNames()
    {
        for (const HostileFiles::SCase& c : HostileFiles::RegularFileCases(0)) {
            if (c.strGroup != QStringLiteral("lying name"))
                continue;
            QVERIFY2(Choose(Write(c.strName, c.bytes)) == m_good, qPrintable(c.strName));
        }

        const QList<HostileFiles::SCase> whole = HostileFiles::WholePictures();
        for (const auto& [nWhole, pszName] : {std::pair(3, "gif-named.jpg"), std::pair(0, "jpeg-named.bmp")}) {
            SShown real = Choose(Write(whole[nWhole].strName, whole[nWhole].bytes));
            const SShown named = Choose(Write(QLatin1String(pszName), whole[nWhole].bytes));
            real.strPath = named.strPath;
            QVERIFY2(named == real, pszName);
        }
    }

    // Paths that are not regular files. A FIFO must not block: a watchdog
    // opens its writing end if the load hangs on it, and the test fails.
    void notRegularFiles()
    {
        const QString strFolder = QDir(m_env.Path()).filePath(QStringLiteral("folder.jpg"));
        QVERIFY(QDir().mkpath(strFolder));
        QVERIFY(Choose(strFolder) == m_good);
        QVERIFY(Choose(QStringLiteral("/dev/zero")) == m_good);
        QVERIFY(Choose(QStringLiteral("/dev/urandom")) == m_good);
        QVERIFY(Choose(QStringLiteral("/proc/self/mem")) == m_good);

        const QString strFifo = QDir(m_env.Path()).filePath(QStringLiteral("fifo.jpg"));
        QCOMPARE(mkfifo(QFile::encodeName(strFifo).constData(), 0600), 0);
        SShown shown;
        QVERIFY2(HostileFiles::RunsWithoutBlocking(strFifo, [&] { shown = Choose(strFifo); }),
                 "loading a FIFO blocked");
        QVERIFY(shown == m_good);
    }

    // The file is chosen, then removed before the tile picture is rebuilt.
    void fileVanishesBeforeLoading()
    {
        const QString strPath = Write(QStringLiteral("vanishing.png"), HostileFiles::WholePictures()[1].bytes);
        m_dlg->m_options = [strPath] {
            CSettings::PutLocation(strPath);
            QFile::remove(strPath);
            return true;
        };
        m_dlg->OnOptions();
        m_dlg->m_options = [] { return true; };
        QVERIFY(!QFile::exists(strPath));
        QVERIFY(Shown() == m_good);
    }

    // Headers that declare 10000 x 10000 or 65535 x 65535 pixels, and small
    // files whose valid data expands to 400 MB, 800 MB or 17 GB. None is
    // decoded into memory: peak resident memory while loading all of them,
    // and the largest picture the limits let through, stays below the decode
    // limit plus a margin for the sanitizers' bookkeeping.
    void decompressionBombs()
    {
        constexpr long kMarginKb = 64 * 1024;
        const long nLimitKb = CPicture::kDecodeLimitMb * 1024L;
        QList<QString> paths;
        for (const HostileFiles::SCase& c : HostileFiles::BombCases())
            paths << Write(c.strName, c.bytes);
        const QString strLargest = Write(QStringLiteral("largest.png"), HostileFiles::ShownCases()[3].bytes);

        const long nBeforeKb = StatusKb("VmRSS");
        if (!ResetPeakMemory())
            QSKIP("/proc/self/clear_refs cannot be written: the peak memory cannot be measured");
        for (const QString& strPath : paths)
            QVERIFY2(Choose(strPath) == m_good, qPrintable(strPath));
        const SShown largest = Choose(strLargest);
        const long nRiseKb = StatusKb("VmHWM") - nBeforeKb;
        qInfo("peak resident memory rose by %ld kB over %ld kB (limit %ld kB + margin %ld kB)", nRiseKb, nBeforeKb,
              nLimitKb, kMarginKb);
        QVERIFY2(nRiseKb < nLimitKb + kMarginKb, qPrintable(QString::number(nRiseKb)));

        // The largest picture let through is shown: its top-left corner, black.
        QCOMPARE(largest.strPath, strLargest);
        QCOMPARE(QSize(largest.nWidth, largest.nHeight), QSize(5792, 5792));
        QCOMPARE(largest.surface.size(), QSize(232, 232));
        QCOMPARE(largest.surface.pixelColor(231, 231), QColor(Qt::black));
    }

    // A real 16 x 16 JPEG whose header claims 10000 x 10000: only the shown
    // corner is decoded, and what its data does not cover is the decoder's grey.
    void jpegClaimingMoreThanItsData()
    {
        const QString strPath = Write(QStringLiteral("claiming.jpg"), HostileFiles::ShownCases()[2].bytes);
        const SShown shown = Choose(strPath);
        QCOMPARE(shown.strPath, strPath);
        QCOMPARE(QSize(shown.nWidth, shown.nHeight), QSize(10000, 10000));
        QCOMPARE(shown.surface.size(), QSize(232, 232));
    }
};

QTEST_MAIN(HostilePicturesTest)
#include "tst_hostile_pictures.moc"
