#include "Harness.h"

#include "options/OptionsDlg.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include <sys/stat.h>

// Files that are damaged, lie about what they are, or are no files at all:
// the game shows what it can, keeps what it had, and never blocks.
class HostileTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_strThing;

    // Puts the bytes, a folder, a FIFO or a link to /dev/zero at m_strThing.
    void Make(const QString& path, const QString& kind, const QByteArray& bytes = {})
    {
        m_strThing = path;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        if (kind == QLatin1String("folder"))
            QDir().mkpath(path);
        else if (kind == QLatin1String("fifo"))
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
        else if (kind == QLatin1String("/dev/zero"))
            QFile::link(kind, path);
        else if (QFile file(path); file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    static QByteArray RedSquare(const char* format)
    {
        QImage red(100, 100, QImage::Format_RGB32);
        red.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        red.save(&buffer, format);
        return bytes;
    }

private slots:
    void initTestCase() { SetUpRun(m_dir); }
    void init() { ForgetEverything(); }
    void cleanup() { QDir(m_strThing).removeRecursively(), QFile::remove(m_strThing); }

    void pictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("shown");
        const QByteArray gif = QByteArray::fromHex("47494638376108000800810000ff00000000000000000000002c00000000080008"
                                                   "0000080f0001081c48b0a0c18308132a4c1810003b");
        const QByteArray bomb =  // a BMP header of 65535 x 65535 pixels
            QByteArray::fromHex("424d36000000000000003600000028000000ffff0000ffff000001001800") + QByteArray(88, '\0');
        for (const auto& [format, bytes] : QList<std::pair<const char*, QByteArray>>{
                 {"png", RedSquare("PNG")}, {"jpg", RedSquare("JPG")}, {"bmp", RedSquare("BMP")}, {"gif", gif}}) {
            QTest::addRow("%s", format) << QStringLiteral("whole.") + format << "" << bytes << true;
            for (int cut : {20, int(bytes.size() / 2), int(bytes.size() - 13)})
                QTest::addRow("%s cut at %d", format, cut) << QStringLiteral("cut.") + format << "" << bytes.left(cut) << false;
        }
        QTest::newRow("GIF named .jpg") << "gif.jpg" << "" << gif << true;
        QTest::newRow("text named .jpg") << "text.jpg" << "" << QByteArray("not a picture\n") << false;
        QTest::newRow("65535 x 65535 BMP") << "bomb.bmp" << "" << bomb << false;
        QTest::newRow("empty") << "empty.png" << "" << QByteArray() << false;
        for (const char* kind : {"folder", "fifo", "/dev/zero"})
            QTest::addRow("%s", kind) << "thing.jpg" << kind << QByteArray() << false;
    }

    void pictures()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        Make(m_dir.filePath(name), kind, bytes);
        CTestDlg d;
        const QImage letters = d.Frame();
        CSettings::PutLocation(m_strThing);
        d.ApplySettings();
        const QImage frame = d.Frame();
        const QColor centre = frame.pixelColor(120, 120);
        QTEST(centre.red() > 200 && centre.green() < 60 && frame.pixelColor(20, 20) == kFace, "shown");
        QTEST(frame != letters, "shown");
    }

    // A stats or settings file that is no regular file: the window comes up,
    // Options works for the run, the program ends in order, the thing stays.
    void notAFile_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "/dev/zero", "folder"})
            QTest::addRow("Stats.bin: %s", kind) << false << kind, QTest::addRow("Slydra.conf: %s", kind) << true << kind;
    }

    void notAFile()
    {
        QFETCH(bool, settings);
        QFETCH(QString, kind);
        Make(settings ? m_dir.filePath(QStringLiteral("config/Brevik/Slydra.conf")) : CScoreTable::DefaultPath(), kind);
        {
            CTestDlg d;
            WhenModalOpens(&d, [](QWidget* pModal) {
                auto* pOptions = qobject_cast<COptionsDlg*>(pModal);
                pOptions->GridSizeBox()->setCurrentIndex(2), emit pOptions->GridSizeBox()->activated(2);
                pOptions->OkButton()->click();
            });
            d.OnOptions();
            QCOMPARE(d.m_board.m_nSize, 5);
        }
        const QFileInfo thing(m_strThing);
        QVERIFY(thing.isSymLink() ? thing.symLinkTarget() == kind : thing.exists() && !thing.isFile());
    }
};

QTEST_MAIN(HostileTest)
#include "tst_hostile.moc"
