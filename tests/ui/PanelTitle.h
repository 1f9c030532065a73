#pragma once

#include "ui/GroupBox.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

// Where a group box's caption leaves ink: the box drawn alone with its caption and with a
// blank one (which keeps the frame where it is), compared outside its own children.
inline QRect titleInk(ui::GroupBox &box)
{
    QRegion children;
    for (const QWidget *child : box.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        children += child->geometry();
    const QString title = box.title();
    const QImage with = box.grab().toImage();
    box.setTitle(QStringLiteral(" "));
    const QImage without = box.grab().toImage();
    box.setTitle(title);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y) && !children.contains(QPoint(x, y)))
                ink |= QRect(x, y, 1, 1);
    return ink;
}
