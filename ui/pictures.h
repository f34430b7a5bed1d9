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
// The picture to show in a box `size` points large on a screen of `ratio` pixels to the point: the
// one drawn for that box where there is one ("CXRILI-275x553", "CXRILI-275x553@2x"), else the one
// drawn at twice its size ("A6@2x") when the picture itself is smaller than the box in pixels and
// such a one exists. Only screens of more than one pixel to the point need those; elsewhere they
// are never read.
QPixmap pixmapFor(const QString& name, QSize size, qreal ratio);

QIcon programIcon();

QImage toImage(const RgbImage& picture);

}  // namespace zavkari::pictures
