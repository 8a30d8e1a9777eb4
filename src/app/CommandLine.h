// The program's command line: a file to open, or one of the batch tasks that run without a
// window (printing to PDF, converting Polish letters), plus help and version.
#pragma once

#include <QString>
#include <QStringList>

namespace tavlo {

struct TCommandLine {
    enum TAction { OpenWindow, ShowHelp, ShowVersion, PrintPdf, Convert, Invalid };
    TAction Action = OpenWindow;
    // OpenWindow: at most one; PrintPdf: the file; Convert: every file.
    QStringList Files;
    QString PdfName;
    int From = -1; // Polish standards of --convert
    int To = -1;
    bool DryRun = false;
    // Invalid: what is wrong, in Polish.
    QString Error;
};

// `arguments` starts with the program's name.
TCommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineHelp();
QString VersionText();
// The standard a command-line name stands for ("cp1250", "cp852", "mazovia", "iso-8859-2",
// "ascii", any letter case), or -1.
int StandardOfName(const QString& name);

// Exit codes of the batch tasks.
enum TExitCode { exitSuccess = 0, exitFileFailed = 1, exitUsage = 2 };

} // namespace tavlo
