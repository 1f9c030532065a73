#include "codec/PictureDecoder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Replays the fuzzing seeds, whole and cut short, so that every test run exercises them.
TEST(DecoderCorpus, EverySeedDecodesSafely)
{
    const QDir corpus(QStringLiteral(ZANVO_SOURCE_DIR "/tests/fuzz/corpus"));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray data = file.readAll();
        const qsizetype n = data.size();
        for (const qsizetype length :
             {n, qsizetype(6), qsizetype(16), qsizetype(128), n / 4, n / 2, 3 * n / 4, n - 1}) {
            if (length < 0 || length > n)
                continue;
            const auto picture = codec::decodePicture(data.first(length));
            if (picture) {
                EXPECT_FALSE(picture->frames.isEmpty()) << name.toStdString() << " " << length;
                EXPECT_EQ(picture->frames.size(), picture->frameDelaysMs.size());
                for (const QImage &frame : picture->frames)
                    EXPECT_EQ(frame.size(), picture->size()) << name.toStdString() << " " << length;
            }
        }
    }
}

} // namespace
