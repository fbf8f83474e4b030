// Times the tile picture's load of every hostile picture file and prints, for
// each kind, how many left the held picture alone, the slowest and median
// load, and the largest rise of peak resident memory. Built with the tests,
// run by hand:  build/asan/tests/ui/time_hostile_pictures  (offscreen).
#include "HostileFiles.h"
#include "TestPictures.h"
#include "render/Picture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMap>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Peak resident memory since the last reset, in kB (VmHWM).
long PeakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct SGroup
{
    int nCases = 0;
    int nKept = 0;
    std::vector<double> ms;
    long nMaxRiseKb = 0;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    const int nCuts = argc > 1 ? std::atoi(argv[1]) : 200;

    QTemporaryDir dir;
    const QString strGood = dir.filePath(QStringLiteral("good.png"));
    TestPictures::Coordinates(232, 232, 3).save(strGood);

    QList<HostileFiles::SCase> cases = HostileFiles::RegularFileCases(nCuts) + HostileFiles::ShownCases();
    QMap<QString, QString> special;  // name -> group
    QDir().mkpath(dir.filePath(QStringLiteral("folder.jpg")));
    special[dir.filePath(QStringLiteral("folder.jpg"))] = QStringLiteral("directory");
    const QString strFifo = dir.filePath(QStringLiteral("fifo.jpg"));
    if (mkfifo(QFile::encodeName(strFifo).constData(), 0600) == 0)
        special[strFifo] = QStringLiteral("FIFO");
    special[QStringLiteral("/dev/zero")] = QStringLiteral("/dev/zero");
    special[QStringLiteral("/dev/urandom")] = QStringLiteral("/dev/urandom");
    special[dir.filePath(QStringLiteral("vanished.jpg"))] = QStringLiteral("vanished file");

    QMap<QString, SGroup> groups;
    auto time = [&](const QString& strGroup, const QString& strPath) {
        CPicture picture;
        picture.LoadPictureFile(strGood, Qt::gray, QSize(232, 232));
        const QImage before = picture.Surface();
        const long nBaseKb = ResidentKb();
        ResetPeak();
        QElapsedTimer timer;
        timer.start();
        picture.LoadPictureFile(strPath, Qt::gray, QSize(232, 232));
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        SGroup& group = groups[strGroup];
        ++group.nCases;
        if (picture.Path() == strGood && picture.Surface() == before)
            ++group.nKept;
        group.ms.push_back(ms);
        group.nMaxRiseKb = std::max(group.nMaxRiseKb, PeakKb() - nBaseKb);
    };

    for (const HostileFiles::SCase& c : cases) {
        const QString strPath = dir.filePath(c.strName);
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(c.bytes) != c.bytes.size())
            return 2;
        file.close();
        const bool bAlone = c.strGroup == QStringLiteral("bomb") || c.strGroup == QStringLiteral("shown");
        time(bAlone ? c.strGroup + QLatin1Char(' ') + c.strName : c.strGroup, strPath);
        QFile::remove(strPath);
    }
    for (auto it = special.cbegin(); it != special.cend(); ++it)
        time(it.value(), it.key());

    std::printf("%-40s %6s %6s %9s %9s %10s\n", "kind", "cases", "kept", "max ms", "median ms", "peak +MB");
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        std::vector<double>& ms = it->ms;
        std::sort(ms.begin(), ms.end());
        std::printf("%-40s %6d %6d %9.2f %9.2f %10.1f\n", qPrintable(it.key()), it->nCases, it->nKept, ms.back(),
                    ms[ms.size() / 2], static_cast<double>(it->nMaxRiseKb) / 1024.0);
    }
    std::printf("decode allocation limit %d MB\n", CPicture::kDecodeLimitMb);
    return 0;
}
