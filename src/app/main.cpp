#include "app/BatchConvert.h"
#include "app/CommandLine.h"
#include "app/PolishDialogs.h"
#include "app/PrintToPdf.h"
#include "app/SettingsStore.h"
#include "app/unMain.h"

#include <QApplication>
#include <QTextStream>

namespace {

// The bytes the system gave for the file to open: a name that is no text would be mangled
// on its way through a string.
QList<QByteArray> FileArgument(const QList<QByteArray>& raw, const QStringList& decoded,
                               const tavlo::TCommandLine& line) {
    if (line.Files.isEmpty()) return {};
    for (qsizetype i = 1; i < decoded.size(); ++i)
        if (decoded[i] == line.Files.first()) return {raw[i]};
    return {};
}

} // namespace

int main(int argc, char** argv) {
    // Read before Qt starts, so that help, version, mistakes and batch tasks need no display.
    QList<QByteArray> rawArguments;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        rawArguments << QByteArray(argv[i]);
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const tavlo::TCommandLine line = tavlo::ParseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    switch (line.Action) {
    case tavlo::TCommandLine::ShowHelp: out << tavlo::CommandLineHelp(); return tavlo::exitSuccess;
    case tavlo::TCommandLine::ShowVersion: out << tavlo::VersionText() << Qt::endl; return tavlo::exitSuccess;
    case tavlo::TCommandLine::Invalid: errors << line.Error << Qt::endl; return tavlo::exitUsage;
    case tavlo::TCommandLine::PrintPdf:
    case tavlo::TCommandLine::Convert:
        // No window is shown, but printing needs Qt's fonts.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        break;
    case tavlo::TCommandLine::OpenWindow: break;
    }
    QApplication application(argc, argv);
    if (line.Action == tavlo::TCommandLine::PrintPdf)
        return tavlo::PrintFileToPdf(line.Files.first(), line.PdfName, errors);
    if (line.Action == tavlo::TCommandLine::Convert)
        return tavlo::ConvertFiles(line.Files, line.From, line.To, line.DryRun, out, errors);
    // Qt's own dialogs and buttons in Polish, like the rest.
    tavlo::InstallQtPolishTranslation(application);
    tavlo::TfrMain window;
    tavlo::TSettingsStore settings(window,
                                   tavlo::TSettingsFile(tavlo::TSettingsFile::DefaultPath()));
    window.SetCommandLine(FileArgument(rawArguments, arguments, line));
    window.show();
    return application.exec();
}
