#include "CNovemSolverApp.h"

#include <QApplication>

#include "AppIcon.h"
#include "CNovemSolverDlg.h"
#include "Product.h"
#include "Translations.h"
#include "WindowSystem.h"

CNovemSolverApp theApp;

bool CNovemSolverApp::InitInstance() {
    QApplication::setApplicationName(QString::fromUtf8(Product::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(Product::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(Product::kAppId));
    QApplication::setWindowIcon(LoadAppIcon());
    Translations::Install(QLocale());

    CNovemSolverDlg dialog;
    WindowSystem::RunModal(dialog);
    return false;
}
