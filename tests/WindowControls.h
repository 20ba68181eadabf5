#pragma once

// The program's controls as the tests reach them: by objectName, as a
// person names what they see.

#include "coupon/CouponImage.h"
#include "coupon/Tombolix.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

template <typename W = QWidget>
W *Control(QWidget *window, const char *name)
{
    auto *widget = window ? window->findChild<W *>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The main window's coupon picture.
inline TCouponImage *CouponPicture()
{
    return Control<TCouponImage>(TombolixForm, "CouponImage");
}

// The text of a label of the main window.
inline QString LabelText(const char *name)
{
    QLabel *label = Control<QLabel>(TombolixForm, name);
    return label ? label->text() : QStringLiteral("<no label>");
}
