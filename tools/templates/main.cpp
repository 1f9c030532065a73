#include "Output.h"
#include "Recipes.h"
#include "ui/TemplateTable.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: zanvo-templates OUTPUT_FOLDER [--sheet SHEET.png]\n");
    return 2;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QCoreApplication::arguments().mid(1);
    QString sheetPath;
    if (const qsizetype at = args.indexOf(QStringLiteral("--sheet")); at >= 0) {
        if (at + 1 >= args.size())
            return usage();
        sheetPath = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != 1)
        return usage();
    const QDir out(args.front());
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    std::vector<QImage> shown;
    std::vector<QString> names;
    for (const ui::TemplateRecord &entry : ui::kTemplates) {
        const auto jpeg = templates::encodeJpeg(templates::renderTemplate(entry), entry.progressive);
        const QString path = out.filePath(entry.file.toString());
        if (!jpeg || !writeFile(path, *jpeg)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        if (!sheetPath.isEmpty()) {
            shown.push_back(templates::decodeJpeg(*jpeg));
            names.push_back(entry.name.toString());
        }
    }
    if (!sheetPath.isEmpty() && !templates::contactSheet(shown, names).save(sheetPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}
