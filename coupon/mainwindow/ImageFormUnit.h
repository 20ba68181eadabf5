#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// The never-shown window that holds the grid atlas in its picture GridImage.
class TImagesForm : public QWidget {
    Q_OBJECT
public:
    explicit TImagesForm(QWidget *parent = nullptr);

    // The atlas the coupon copies from, the same pixels as GridImage shows.
    const QImage &Atlas() const { return FAtlas; }

    QLabel *GridImage = nullptr;

private:
    QImage FAtlas;
};

extern TImagesForm *ImagesForm;
