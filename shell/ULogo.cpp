#include "shell/ULogo.h"

#include "shell/URessources.h"

#include <QFile>
#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <utility>

namespace vasco {

namespace {

// libjpeg reports a fatal error through error_exit, which must not return:
// it jumps back to the decoder, which then gives up on the picture.  Only C
// frames of libjpeg lie between the jump and its target.
struct TErreurJpeg {
    jpeg_error_mgr base;
    std::jmp_buf retour;
};

void QuitterSurErreur(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TErreurJpeg*>(info->err)->retour, 1);
}

void IgnorerMessage(j_common_ptr) {}

} // namespace

QImage DecoderJpeg(const QByteArray& octets)
{
    if (octets.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    TErreurJpeg erreur{};
    info.err = jpeg_std_error(&erreur.base);
    erreur.base.error_exit = QuitterSurErreur;
    erreur.base.output_message = IgnorerMessage;
    // The picture being filled is reached through a volatile pointer: after
    // the jump it is the one value of this frame that must still be right.
    QImage* volatile image = nullptr;
    if (setjmp(erreur.retour)) {
        delete image;
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(octets.constData()),
                 static_cast<unsigned long>(octets.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    image =
        new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   info.output_components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (!image->isNull()) {
        while (info.output_scanline < info.output_height) {
            JSAMPROW ligne = image->scanLine(static_cast<int>(info.output_scanline));
            jpeg_read_scanlines(&info, &ligne, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    QImage resultat = std::move(*image);
    delete image;
    return resultat;
}

QImage LogoVasco()
{
    static const QImage logo = [] {
        InitialiserRessources();
        QFile fichier(":/logo.jpg");
        return fichier.open(QIODevice::ReadOnly) ? DecoderJpeg(fichier.readAll()) : QImage();
    }();
    return logo;
}

TPanelLogo::TPanelLogo(QWidget* parent) : QWidget(parent), logo_(LogoVasco())
{
    setObjectName("PanelLogo");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanelLogo::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    if (logo_.isNull()) {
        peintre.fillRect(rect(), QColor(11, 42, 82));
        return;
    }
    if (cache_.size() != size()) {
        const QImage couvrant =
            logo_.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QRect centre(
            QPoint((couvrant.width() - width()) / 2, (couvrant.height() - height()) / 2), size());
        cache_ = QPixmap::fromImage(couvrant.copy(centre));
    }
    peintre.drawPixmap(0, 0, cache_);
}

} // namespace vasco
