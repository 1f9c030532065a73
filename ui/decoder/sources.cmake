# Sources of the picture decoder, relative to ui/.
set(ZANVO_DECODER_SOURCES
    decoder/PictureDecoder.h
    decoder/PictureDecoder.cpp
    decoder/Recognition.cpp
    decoder/BmpHeader.h
    decoder/BmpHeader.cpp
    decoder/DecoderSupport.h
    decoder/DecoderSupport.cpp
    decoder/ExifOrientation.h
    decoder/ExifOrientation.cpp
    decoder/JpegDecoder.h
    decoder/JpegDecoder.cpp
    decoder/PcxDecoder.h
    decoder/PcxDecoder.cpp
    decoder/QtReaderDecoder.h
    decoder/QtReaderDecoder.cpp
)
