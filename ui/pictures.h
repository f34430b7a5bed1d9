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
// The picture to show in a box of `pixels` device pixels: the one drawn at twice its size (name
// "A6@2x") when the picture itself is smaller than the box and such a one exists. Only screens of
// more than one pixel to the point need them; elsewhere they are never read.
QPixmap pixmapFor(const QString& name, QSize pixels);

QIcon programIcon();

QImage toImage(const RgbImage& picture);

}  // namespace zavkari::pictures
