#include <QApplication>

#include "CNovemSolverApp.h"

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    return theApp.InitInstance() ? QApplication::exec() : 0;
}
