#pragma once

#include <QString>

// The benchmark run's scratch folder, removed at exit, and the player's
// pictures in it, written the first time a benchmark asks for them.
class CBenchFiles
{
public:
    static QString Folder();
    // The folder with BenchPictures::WriteAll's pictures; empty if they could not be written.
    static QString PicturesFolder();
};
