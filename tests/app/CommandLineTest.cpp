#include "app/BatchConvert.h"
#include "app/CommandLine.h"
#include "editor/PolishCharsets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavlo {
namespace {

TCommandLine Parse(const QStringList& words) { return ParseCommandLine(QStringList{QStringLiteral("tavlo")} + words); }

TEST(CommandLine, OptionsFilesAndMistakes) {
    EXPECT_EQ(Parse({}).Action, TCommandLine::OpenWindow);
    EXPECT_TRUE(Parse({}).Files.isEmpty());
    EXPECT_EQ(Parse({QStringLiteral("a.pas")}).Files, QStringList{QStringLiteral("a.pas")});
    EXPECT_EQ(Parse({QStringLiteral("--help")}).Action, TCommandLine::ShowHelp);
    EXPECT_EQ(Parse({QStringLiteral("-h")}).Action, TCommandLine::ShowHelp);
    EXPECT_EQ(Parse({QStringLiteral("--version")}).Action, TCommandLine::ShowVersion);
    EXPECT_TRUE(VersionText().startsWith(QStringLiteral("tavlo ")));
    EXPECT_TRUE(CommandLineHelp().startsWith(QStringLiteral("Użycie: tavlo")));

    // An unknown option is no file name; after "--" a name may start with a dash.
    const TCommandLine unknown = Parse({QStringLiteral("--lines=5"), QStringLiteral("a.pas")});
    EXPECT_EQ(unknown.Action, TCommandLine::Invalid);
    EXPECT_TRUE(unknown.Error.startsWith(QStringLiteral("tavlo: nieznana opcja: --lines"))) << unknown.Error.toStdString();
    EXPECT_EQ(Parse({QStringLiteral("-x")}).Error.split(QLatin1Char('\n')).first(), QStringLiteral("tavlo: nieznana opcja: -x"));
    EXPECT_EQ(Parse({QStringLiteral("--"), QStringLiteral("-plik.pas")}).Files, QStringList{QStringLiteral("-plik.pas")});
    // Qt's own options belong to the application object and are passed over.
    const TCommandLine styled = Parse({QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("a.pas")});
    EXPECT_EQ(styled.Action, TCommandLine::OpenWindow);
    EXPECT_EQ(styled.Files, QStringList{QStringLiteral("a.pas")});

    const TCommandLine print = Parse({QStringLiteral("--print-pdf"), QStringLiteral("a.c"), QStringLiteral("a.pdf")});
    EXPECT_EQ(print.Action, TCommandLine::PrintPdf);
    EXPECT_EQ(print.Files, QStringList{QStringLiteral("a.c")});
    EXPECT_EQ(print.PdfName, QStringLiteral("a.pdf"));
    EXPECT_EQ(Parse({QStringLiteral("--print-pdf"), QStringLiteral("a.c")}).Action, TCommandLine::Invalid);

    const TCommandLine convert = Parse({QStringLiteral("--convert"), QStringLiteral("CP852"), QStringLiteral("cp1250"),
                                        QStringLiteral("a.pas"), QStringLiteral("b.pas"), QStringLiteral("--dry-run")});
    EXPECT_EQ(convert.Action, TCommandLine::Convert);
    EXPECT_EQ(convert.From, psCp852);
    EXPECT_EQ(convert.To, psCp1250);
    EXPECT_TRUE(convert.DryRun);
    EXPECT_EQ(convert.Files.size(), 2);
    const TCommandLine badStandard =
        Parse({QStringLiteral("--convert"), QStringLiteral("utf8"), QStringLiteral("ascii"), QStringLiteral("a")});
    EXPECT_EQ(badStandard.Action, TCommandLine::Invalid);
    EXPECT_TRUE(badStandard.Error.contains(QStringLiteral("nieznany standard: utf8")));
    EXPECT_EQ(Parse({QStringLiteral("--convert"), QStringLiteral("cp852"), QStringLiteral("ascii")}).Action,
              TCommandLine::Invalid);
    EXPECT_EQ(Parse({QStringLiteral("--dry-run"), QStringLiteral("a")}).Action, TCommandLine::Invalid);
}

// The Polish sample in a standard, made from the standard's code page (not from the
// conversion table), so the expected bytes are worked out independently.
std::string Encoded(int standard) {
    const std::u16string letters = u"Zażółć gęślą jaźń. ZAŻÓŁĆ GĘŚLĄ JAŹŃ! ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    const std::u16string plain = u"Zazolc gesla jazn. ZAZOLC GESLA JAZN! acelnoszz ACELNOSZZ";
    std::string bytes = "x := 1;\r\n\t";
    for (size_t i = 0; i < letters.size(); ++i) {
        if (standard == psNoPolish) {
            bytes += char(plain[i]);
            continue;
        }
        const auto byte = CodePageByte(standard, letters[i]);
        EXPECT_TRUE(byte.has_value());
        bytes += char(byte.value_or('?'));
    }
    return bytes + "\r\nend.\r\n";
}

class BatchConvertTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString messages;
    QString problems;
    QTextStream out{&messages};
    QTextStream errors{&problems};

    QString Make(const QString& name, const std::string& bytes) {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }
    static std::string Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
    }
};

TEST_F(BatchConvertTest, EveryPairOfStandardsConvertsTheLettersAndKeepsEveryOtherByte) {
    for (int from = 0; from < PolishStandardCount; ++from)
        for (int to = 0; to < PolishStandardCount; ++to) {
            if (from == psNoPolish) continue; // plain letters cannot be told back into Polish ones
            const QString path = Make(QStringLiteral("plik %1 %2.pas").arg(from).arg(to), Encoded(from));
            ASSERT_EQ(ConvertFiles({path}, from, to, false, out, errors), 0) << problems.toStdString();
            EXPECT_EQ(Read(path), Encoded(to)) << from << " -> " << to;
            // Both standards hold all 18 letters: the way back restores the bytes.
            if (to != psNoPolish) {
                ASSERT_EQ(ConvertFiles({path}, to, from, false, out, errors), 0);
                EXPECT_EQ(Read(path), Encoded(from)) << from << " -> " << to << " -> " << from;
            }
        }
    EXPECT_TRUE(problems.isEmpty());
}

TEST_F(BatchConvertTest, EachFileGetsOneLineAndAFailedFileIsLeftAlone) {
    const std::string sample = Encoded(psCp852);
    const QString good = Make(QStringLiteral("dobry.pas"), sample);
    const QString readOnly = Make(QStringLiteral("tylko do odczytu.pas"), sample);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("brak.pas"));
    const QString folderName = folder.path();
    const QString link = QDir(folder.path()).filePath(QStringLiteral("skrót.pas"));
    ASSERT_TRUE(QFile::link(good, link));

    // A dry run counts and writes nothing.
    ASSERT_EQ(ConvertFiles({good}, psCp852, psCp1250, true, out, errors), 0);
    EXPECT_EQ(Read(good), sample);
    const int64_t letters = CountConvertedLetters(sample, psCp852, psCp1250);
    EXPECT_EQ(letters, 36);
    EXPECT_EQ(messages, QStringLiteral("%1: do zmiany 36 liter\n").arg(good));

    messages.clear();
    EXPECT_EQ(ConvertFiles({missing, link, folderName, readOnly}, psCp852, psCp1250, false, out, errors), 1);
    EXPECT_EQ(messages, QStringLiteral("%1: zmieniono 36 liter\n").arg(link));
    const QStringList failures = problems.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(failures.size(), 3);
    EXPECT_EQ(failures[0], QStringLiteral("%1: nie ma takiego pliku").arg(missing));
    EXPECT_EQ(failures[1], QStringLiteral("%1: to jest folder, nie plik").arg(folderName));
    EXPECT_EQ(failures[2], QStringLiteral("%1: plik jest tylko do odczytu; nie zmieniono go").arg(readOnly));
    EXPECT_EQ(Read(readOnly), sample);
    // The link is still a link, and the file it points to was converted.
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read(good), Encoded(psCp1250));

    messages.clear();
    const QString ascii = Make(QStringLiteral("ascii.pas"), "begin end.\n");
    ASSERT_EQ(ConvertFiles({ascii}, psCp852, psCp1250, false, out, errors), 0);
    EXPECT_EQ(messages, QStringLiteral("%1: bez zmian\n").arg(ascii));
}

} // namespace
} // namespace tavlo
