// Writes the pictures of the start-up measurement and the benchmarks into a
// folder: a 24-megapixel JPEG and 640 x 480 GIF and BMP pictures.
#include "BenchPictures.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_pictures FOLDER\n");
        return 2;
    }
    if (!BenchPictures::WriteAll(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "make_bench_pictures: cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
