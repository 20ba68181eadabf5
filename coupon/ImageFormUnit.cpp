#include "coupon/ImageFormUnit.h"
#include "coupon/GridAtlas.h"

#include <QLabel>
#include <QPixmap>

TImagesForm *ImagesForm = nullptr;

TImagesForm::TImagesForm(QWidget *parent)
    : QWidget(parent)
    , FAtlas(atlas::BuildGridAtlas())
{
    setObjectName(QStringLiteral("ImagesForm"));
    GridImage = new QLabel(this);
    GridImage->setObjectName(QStringLiteral("GridImage"));
    GridImage->setGeometry(0, 0, atlas::kWidth, atlas::kHeight);
    GridImage->setPixmap(QPixmap::fromImage(FAtlas));
    resize(atlas::kWidth, atlas::kHeight);
}
