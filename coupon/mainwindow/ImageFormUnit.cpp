#include "coupon/mainwindow/ImageFormUnit.h"
#include "coupon/mainwindow/GridAtlas.h"

#include <QLabel>
#include <QPixmap>

TImagesForm *ImagesForm = nullptr;

TImagesForm::TImagesForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ImagesForm"));
    // The picture and the atlas share their pixels.
    const QPixmap picture = QPixmap::fromImage(atlas::BuildGridAtlas());
    FAtlas = picture.toImage();
    GridImage = new QLabel(this);
    GridImage->setObjectName(QStringLiteral("GridImage"));
    GridImage->setGeometry(0, 0, atlas::kWidth, atlas::kHeight);
    GridImage->setPixmap(picture);
    resize(atlas::kWidth, atlas::kHeight);
}
