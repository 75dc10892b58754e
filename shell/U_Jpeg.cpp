#include "U_Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {
constexpr JDIMENSION tailleMax = 4096;

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the decoder. Warnings (corrupt or truncated data) are
// counted, and any of them rejects the picture.
struct TErreurJpeg {
    jpeg_error_mgr mgr;
    std::jmp_buf saut;
};

void SurErreur(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<TErreurJpeg *>(cinfo->err)->saut, 1); }

void SurMessage(j_common_ptr cinfo, int niveau)
{
    if (niveau < 0)
        ++cinfo->err->num_warnings;
}

// Only plain data lives in this function's frame between setjmp and a jump;
// the picture is written through a pointer set before.
bool Decoder(const QByteArray &donnees, QImage *image)
{
    jpeg_decompress_struct cinfo;
    TErreurJpeg erreur;
    cinfo.err = jpeg_std_error(&erreur.mgr);
    erreur.mgr.error_exit = SurErreur;
    erreur.mgr.emit_message = SurMessage;
    if (setjmp(erreur.saut)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(donnees.constData()),
                 static_cast<unsigned long>(donnees.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > tailleMax || cinfo.image_height > tailleMax) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Straight into the screen's own pixel format, so that showing the
    // picture needs no conversion.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = JCS_EXT_BGRA; // opaque: the fourth byte is 0xFF
#else
    cinfo.out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_start_decompress(&cinfo);
    *image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
    const bool intacte = erreur.mgr.num_warnings == 0;
    jpeg_destroy_decompress(&cinfo);
    return intacte;
}
} // namespace

QImage DecoderJpeg(const QByteArray &donnees)
{
    if (donnees.isEmpty())
        return {};
    QImage image;
    if (!Decoder(donnees, &image))
        return {};
    return image;
}
