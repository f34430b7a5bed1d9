#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "rgb_image.h"

// The pictures and clips built into the program, by resource name ("A6", "BACK", "CXRILI",
// "DATKEBA" ...). Names are matched without regard to case; an unknown name gives a null result.
namespace zavkari::pictures {

QString resourcePath(const QString& name);
// A resource's bytes; those stored uncompressed (the clips) are not copied.
QByteArray data(const QString& name);

// The table top "MAGIDA" is held as a JPEG and decoded here with libjpeg.
QImage image(const QString& name);
QPixmap pixmap(const QString& name);

QIcon programIcon();

QImage toImage(const RgbImage& picture);

}  // namespace zavkari::pictures
