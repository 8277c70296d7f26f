#pragma once

#include <QImage>
#include <QUrl>

namespace ztv {

// The picture of the end screen, drawn by code so that a copied player needs no other file.
QImage endPicture();
// The web address its click opens; set at build time (ZTV_END_ADDRESS), empty for none.
QUrl endPictureAddress();

}  // namespace ztv
