// Writes the program's icon as PNG files for the desktop's icon theme: export-icon FOLDER writes
// FOLDER/SIZE.png for each size the icon is drawn at.
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "AppIcon.h"

int main(int argc, char* argv[]) {
    // Drawing text needs the font database, which only a GUI application opens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: export-icon FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : kAppIconSizes) {
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(size));
        if (!DrawAppIcon(size).save(file)) {
            std::fprintf(stderr, "export-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
