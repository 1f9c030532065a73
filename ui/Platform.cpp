#include "ui/Platform.h"

#include "codec/PictureDecoder.h"
#include "ui/text/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

void preparePlatform()
{
    // One look on every desktop, so that every text fits its fixed pixel box.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    installFontSubstitutions();
    QApplication::setFont(defaultGuiFont());
    codec::prepareImageReaders();
}

} // namespace ui
