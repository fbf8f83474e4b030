// Fuzz target for the tile picture: any bytes as the player's picture file
// make the picture for each target, or are refused with a reason, without a
// fault, within the decode limit and the libFuzzer's memory limit. The small
// targets reach the clipped and scaled decodes with small inputs.
#include "render/PictureDecode.h"
#include "render/PicturePrepare.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* g_pDir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    static QCoreApplication app(*pArgc, *pArgv);
    g_pDir = new QTemporaryDir;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(g_pDir->filePath(QStringLiteral("cache"))));
    PictureDecode::SetDecodeLimit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString strPath = g_pDir->filePath(QStringLiteral("picture"));
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    for (const SPictureTarget& target : {SPictureTarget{{232, 232}, false}, SPictureTarget{{232, 232}, true},
                                         SPictureTarget{{5, 5}, false}, SPictureTarget{{5, 5}, true}}) {
        const SPictureResult result = PreparePicture(strPath, target, Qt::gray);
        // A picture is the target's size exactly; a refusal says why.
        if (result.image.isNull() ? result.eFault == EPictureFault::None : result.image.size() != target.size)
            std::abort();
    }
    return 0;
}
