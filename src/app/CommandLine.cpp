#include "app/CommandLine.h"

#include "editor/PolishCharsets.h"

#include <QCommandLineParser>

#include <array>

namespace tavlo {

namespace {

const std::array<QString, PolishStandardCount> kStandardNames{
    QStringLiteral("cp1250"), QStringLiteral("cp852"), QStringLiteral("mazovia"), QStringLiteral("iso-8859-2"),
    QStringLiteral("ascii")};

TCommandLine Invalid(const QString& error) {
    TCommandLine line;
    line.Action = TCommandLine::Invalid;
    line.Error = error + QStringLiteral("\nWięcej informacji: tavlo --help");
    return line;
}

} // namespace

int StandardOfName(const QString& name) {
    for (size_t i = 0; i < kStandardNames.size(); ++i)
        if (name.compare(kStandardNames[i], Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

QString VersionText() { return QStringLiteral("tavlo %1").arg(QStringLiteral(TAVLO_VERSION)); }

QString CommandLineHelp() {
    return QStringLiteral(
        "Użycie: tavlo [OPCJE] [--] [PLIK]\n"
        "Edytor plików źródłowych programów z polskim interfejsem.\n"
        "\n"
        "  PLIK                      plik otwierany w oknie edytora\n"
        "\n"
        "Opcje:\n"
        "  -h, --help                pokazuje ten opis\n"
        "  -v, --version             pokazuje wersję programu\n"
        "  --print-pdf PLIK WYNIK    drukuje PLIK do pliku PDF o nazwie WYNIK, bez okna\n"
        "  --convert Z NA PLIK...    zamienia polskie litery w plikach ze standardu Z\n"
        "                            na standard NA; reszta bajtów zostaje bez zmian\n"
        "  --dry-run                 razem z --convert: tylko podaje, ile liter\n"
        "                            zmieniłoby się w każdym pliku\n"
        "  --                        koniec opcji: dalej stoją same nazwy plików\n"
        "\n"
        "Standardy: cp1250, cp852, mazovia, iso-8859-2, ascii.\n"
        "Kod wyjścia: 0 gdy wszystko się udało, 1 gdy któregoś pliku nie udało się\n"
        "przetworzyć, 2 przy błędnym wywołaniu.\n");
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    // Qt's own options ("-style fusion", "-platform offscreen") are read by the application
    // object; here they are only passed over.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display", "geometry",
                             "title", "name", "qmljsdebugger"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption printPdf(QStringLiteral("print-pdf"));
    const QCommandLineOption convert(QStringLiteral("convert"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"));
    parser.addOptions({help, version, printPdf, convert, dryRun});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) return Invalid(QStringLiteral("tavlo: błędne wywołanie"));
        const QString dashes = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return Invalid(QStringLiteral("tavlo: nieznana opcja: %1%2").arg(dashes, unknown.first()));
    }

    TCommandLine line;
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(help)) {
        line.Action = TCommandLine::ShowHelp;
    } else if (parser.isSet(version)) {
        line.Action = TCommandLine::ShowVersion;
    } else if (parser.isSet(printPdf) && parser.isSet(convert)) {
        return Invalid(QStringLiteral("tavlo: --print-pdf i --convert wykluczają się"));
    } else if (parser.isSet(printPdf)) {
        if (words.size() != 2) return Invalid(QStringLiteral("tavlo: --print-pdf wymaga dwóch nazw: PLIK WYNIK"));
        line.Action = TCommandLine::PrintPdf;
        line.Files = {words[0]};
        line.PdfName = words[1];
    } else if (parser.isSet(convert)) {
        if (words.size() < 3) return Invalid(QStringLiteral("tavlo: --convert wymaga standardów Z i NA oraz plików"));
        line.Action = TCommandLine::Convert;
        line.From = StandardOfName(words[0]);
        line.To = StandardOfName(words[1]);
        for (const QString& name : {words[0], words[1]})
            if (StandardOfName(name) < 0)
                return Invalid(QStringLiteral("tavlo: nieznany standard: %1 (znane: %2)")
                                   .arg(name, QStringList(kStandardNames.begin(), kStandardNames.end())
                                                  .join(QStringLiteral(", "))));
        line.Files = words.mid(2);
        line.DryRun = parser.isSet(dryRun);
    } else if (parser.isSet(dryRun)) {
        return Invalid(QStringLiteral("tavlo: --dry-run działa tylko razem z --convert"));
    } else {
        // The window opens the first file named; further names are left alone.
        line.Files = words.mid(0, 1);
    }
    return line;
}

} // namespace tavlo
