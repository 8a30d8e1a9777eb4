#include "MainWindowFixture.h"

#include "app/EditorDocumentView.h"
#include "app/PrintJobSetup.h"
#include "app/PrintToPdf.h"
#include "editor/SynEditTextBuffer.h"
#include "platform/qt/SynTextDrawer.h"

#include <QProcess>
#include <QStandardPaths>

namespace tavlo {
namespace {

// How many short lines one page holds, as the command prints them.
int LinesPerPage() {
    TSynEditStringList lines;
    for (int i = 0; i < 500; ++i) lines.InsertLineAt(i, "x");
    TSynEditPrint job;
    ConfigurePrintJob(job);
    TFontDesc font;
    font.Name = EditorFontName();
    SetPrintedDocument(job, lines, nullptr, font);
    TheTextDrawer drawer(0, font);
    job.UpdatePages(drawer);
    return job.PageStart(2).Line;
}

QString OutputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(MainWindowTest, PrintToPdfWritesSelectableTextOnTheRightNumberOfPages) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";

    const int perPage = LinesPerPage();
    ASSERT_GT(perPage, 10);
    QByteArray text;
    const int count = 2 * perPage + perPage / 2;
    for (int i = 1; i <= count; ++i) text += "procedure Wiersz" + QByteArray::number(i) + ";\r\n";
    const QString source = MakeFile(QStringLiteral("trzy strony.pas"), text);
    const QString pdf = PathOf(QStringLiteral("wynik.pdf"));
    QString messages;
    QTextStream errors(&messages);
    ASSERT_EQ(PrintFileToPdf(source, pdf, errors), 0) << messages.toStdString();
    EXPECT_TRUE(messages.isEmpty());

    EXPECT_TRUE(OutputOf(pdfinfo, {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QStringList extracted = OutputOf(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList printed;
    for (QString line : extracted) {
        line = line.remove(QLatin1Char('\f')).trimmed(); // pages start with a form feed
        if (!line.isEmpty()) printed << line;
    }
    ASSERT_EQ(printed.size(), count);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(printed[i], QStringLiteral("procedure Wiersz%1;").arg(i + 1));
}

TEST_F(MainWindowTest, PrintToPdfSaysWhyItPrintedNothing) {
    QString messages;
    QTextStream errors(&messages);
    const QString missing = PathOf(QStringLiteral("nie ma.txt"));
    EXPECT_EQ(PrintFileToPdf(missing, PathOf(QStringLiteral("a.pdf")), errors), 1);
    EXPECT_EQ(messages, QStringLiteral("Nie można otworzyć pliku %1\n").arg(missing));
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("a.pdf"))));

    messages.clear();
    EXPECT_EQ(PrintFileToPdf(folder.path(), PathOf(QStringLiteral("a.pdf")), errors), 1);
    EXPECT_TRUE(messages.startsWith(QStringLiteral("Nie można otworzyć pliku")));

    messages.clear();
    const QString source = MakeFile(QStringLiteral("a.txt"), "tekst\n");
    const QString unwritable = PathOf(QStringLiteral("brak/a.pdf"));
    EXPECT_EQ(PrintFileToPdf(source, unwritable, errors), 1);
    EXPECT_EQ(messages, QStringLiteral("Nie można zapisać pliku %1.\n").arg(unwritable));
}

} // namespace
} // namespace tavlo
