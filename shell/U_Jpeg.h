// JPEG pictures decoded with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

// The picture in `donnees`, or a null image when the data is missing,
// corrupt, truncated or unreasonably large.
QImage DecoderJpeg(const QByteArray &donnees);
