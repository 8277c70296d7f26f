#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include <jpeglib.h>
#include <cstdio>

// The pictures the picture benchmarks share: twenty 1024x768 JPEG files that look like
// photographs, and the plain libjpeg decode they are measured against.
namespace ztv::bench {

inline constexpr int kPictures = 20;

// Smooth gradients with some grain, so the files have the size and entropy of photographs.
QImage photoLikePicture(int seed);

struct JpegPictures {
    JpegPictures();
    QTemporaryDir dir;
    std::vector<QString> paths;  // dir/picture<i>.jpg
};

// Made once per program.
JpegPictures& jpegPictures();

// The plain libjpeg way: a stdio source and RGB rows into one buffer.
void plainLibjpegDecode(const QString& path, std::vector<JSAMPLE>& pixels);

}  // namespace ztv::bench
