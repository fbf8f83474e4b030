#include "BenchFiles.h"

#include "BenchPictures.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

QString CBenchFiles::Folder()
{
    return Scratch().isValid() ? Scratch().path() : QString();
}

QString CBenchFiles::PicturesFolder()
{
    static const QString strFolder = [] {
        std::fprintf(stderr, "writing the benchmark pictures (a 24-megapixel JPEG takes a few seconds)...\n");
        return BenchPictures::WriteAll(Folder()) ? Folder() : QString();
    }();
    return strFolder;
}
