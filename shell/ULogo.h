// The program's logo: a JPEG picture kept in the resources, decoded by
// libjpeg itself.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace vasco {

// Decodes a JPEG held in memory (greyscale or colour); a null image when the
// bytes are not a readable JPEG.
QImage DecoderJpeg(const QByteArray& octets);

// The logo of the program (the main window's panel, the about box).
QImage LogoVasco();

// The panel that fills the main window's client area with the logo while no
// graph is shown: the picture covers the panel, centred, without distortion.
class TPanelLogo : public QWidget {
public:
    explicit TPanelLogo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QImage logo_;
    QPixmap cache_;
};

} // namespace vasco
