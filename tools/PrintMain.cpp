#include <QGuiApplication>
#include <QLocale>
#include <string>

#include "PrintCommandLine.h"
#include "Product.h"
#include "Translations.h"
#include "batch/Io.h"
#include "batch/Messages.h"
#include "batch/OutputFile.h"

namespace {

// The help and the version are output like any other: a failure to write them is an error.
int Print(const std::string& text) {
    try {
        Novem::Batch::OutputFile out(1, "standard output");
        out.Append(text);
        out.Flush();
        return 0;
    } catch (const Novem::Batch::WriteError& error) {
        Novem::Batch::WriteAll(2, error.what());
        return 1;
    }
}

// Qt's own notes about the platform it runs on are no concern of a command line's user.
void KeepQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        Novem::Batch::WriteAll(2, Novem::Batch::Messages::Line({}, message.toStdString()));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Novem::Batch::Messages::SetProgram("novem-print");
    Novem::Batch::HoldStandardDescriptors();
    const PrintCommandLine command = ParsePrintCommandLine(argc, argv);
    switch (command.action) {
        case PrintCommandLine::Action::UsageError:
            Novem::Batch::WriteAll(2, "Try 'novem-print --help' for more information.\n");
            return 2;
        case PrintCommandLine::Action::Help:
            return Print(kPrintUsage);
        case PrintCommandLine::Action::Version:
            return Print(std::string("novem-print (") + Product::kName + ") " + Product::kVersion +
                         "\n");
        case PrintCommandLine::Action::Run:
            break;
    }
    // Pages need fonts, which need the application's platform, but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQuiet);
    int qtArguments = 1;
    QGuiApplication application(qtArguments, argv);
    Translations::Install(QLocale());
    return PrintRun::Run(command.options, {});
}
