#include "codec/PictureDecoder.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // As the editor does at start-up.
    codec::prepareImageReaders();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
