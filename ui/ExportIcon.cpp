// Writes the program's icon as PNG files for the desktop's icon theme:
// export-icon FOLDER SIZE... writes FOLDER/SIZE.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "AppIcon.h"

int main(int argc, char* argv[]) {
    // Images are drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("usage: export-icon FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int argument = 2; argument < argc; ++argument) {
        const int size = std::atoi(argv[argument]);
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (size <= 0 || !DrawAppIcon(size).save(file)) {
            std::fprintf(stderr, "export-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
