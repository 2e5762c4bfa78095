// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes pictures at build time into a C++ source of pixel arrays, so that the window shows the
// pictures of its first screen without running the picture readers, or asking for their plugins,
// at start. The pixels are those Qt's own reader gives for the file, in the 32-bit format a pixmap
// keeps them in: premultiplied ARGB when the picture has transparency, opaque RGB otherwise.
//   volcalc_picture_decoder OUT.cpp NAME=FILE...
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

struct Decoded {
    QString Name;
    QImage Image;
};

bool Decode(const QString& argument, Decoded& decoded) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        std::fprintf(stderr, "not NAME=FILE: %s\n", qPrintable(argument));
        return false;
    }
    decoded.Name = argument.left(equals);
    const QString file = argument.mid(equals + 1);
    const QImage image(file);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read the picture %s\n", qPrintable(file));
        return false;
    }
    decoded.Image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                  : QImage::Format_RGB32);
    return true;
}

void WritePixels(QTextStream& out, const Decoded& decoded, int index) {
    out << "// " << decoded.Name << "\nconst std::uint32_t Pixels" << index << "[] = {";
    const QImage& image = decoded.Image;
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out << (column++ % 8 == 0 ? "\n    " : " ") << "0x" << QString::number(row[x], 16) << "u,";
        }
    }
    out << "\n};\n\n";
}

bool Write(const QString& path, const QList<Decoded>& pictures) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "// Made by volcalc_picture_decoder from the pictures in resources/; do not edit.\n"
           "#include \"resources/decoded_pictures.h\"\n\n"
           "namespace volcalc::resources {\nnamespace {\n\n";
    for (int i = 0; i < pictures.size(); ++i) {
        WritePixels(out, pictures[i], i);
    }
    out << "const DecodedPicture Pictures[] = {\n";
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage& image = pictures[i].Image;
        out << "    {\"" << pictures[i].Name << "\", " << image.width() << ", " << image.height() << ", "
            << (image.hasAlphaChannel() ? "true" : "false") << ", Pixels" << i << "},\n";
    }
    out << "};\n\n} // namespace\n\n"
           "std::span<const DecodedPicture> DecodedPictures() {\n    return Pictures;\n}\n\n"
           "} // namespace volcalc::resources\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: volcalc_picture_decoder OUT.cpp NAME=FILE...\n", stderr);
        return 2;
    }
    QList<Decoded> pictures;
    for (int i = 2; i < argc; ++i) {
        Decoded decoded;
        if (!Decode(QString::fromLocal8Bit(argv[i]), decoded)) {
            return 1;
        }
        pictures.append(decoded);
    }
    return Write(QString::fromLocal8Bit(argv[1]), pictures) ? 0 : 1;
}
