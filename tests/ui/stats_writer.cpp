// Helper of tst_stats_faults: saves a score table in ways a test cannot do
// from inside its own process.
//
//   stats_writer loop PATH      saves the two record sets in turn, forever,
//                               writing "saved" to stdout after the first save
//   stats_writer fulldisk DIR   in a private mount namespace, mounts a 64 KiB
//                               tmpfs on DIR, saves the first set, fills the
//                               disk, saves the second; exits 0 when the first
//                               is still there whole, 1 when not, 77 when the
//                               namespace or the mount is refused
#include "tests/core/StatsFixtures.h"

#include <sched.h>
#include <sys/mount.h>

#include <cstdio>
#include <cstring>

namespace {

int Loop(const QString& strPath)
{
    CScoreTable table(strPath);
    for (long n = 0;; ++n) {
        Store(table, WriterRecords(static_cast<int>(n % 2)));
        table.SaveStats();
        if (n == 0) {
            std::fputs("saved\n", stdout);
            std::fflush(stdout);
        }
    }
}

int FullDisk(const QString& strDir)
{
    const QByteArray dir = QFile::encodeName(strDir);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") != 0) {
        std::fprintf(stderr, "stats_writer: no private tmpfs here: %s\n", std::strerror(errno));
        return 77;
    }
    const QString strPath = strDir + QStringLiteral("/Stats.bin");
    {
        CScoreTable table(strPath);
        Store(table, WriterRecords(0));
        table.SaveStats();

        // Fill what is left of the disk.
        QFile filler(strDir + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return 1;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        Store(table, WriterRecords(1));
        table.SaveStats();
    }  // and once more as the table goes
    const bool bKept = ReadFile(strPath) == CStatsCodec::Encode(WriterRecords(0));
    std::printf("%s\n", bKept ? "kept" : "damaged");
    return bKept ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "loop") == 0)
        return Loop(QFile::decodeName(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "fulldisk") == 0)
        return FullDisk(QFile::decodeName(argv[2]));
    std::fputs("usage: stats_writer loop PATH | fulldisk DIR\n", stderr);
    return 2;
}
