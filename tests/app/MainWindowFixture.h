// A main window whose message boxes and file dialogs are answered by the test.
#pragma once

#include "app/EditorDocumentView.h"
#include "app/Prompter.h"
#include "app/unMain.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

// Failures show the texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

namespace tavlo {

class TScriptedPrompter : public TPrompter {
public:
    // Answers for Yes/No and Yes/No/Cancel boxes, in order; OK boxes need none.
    std::deque<TPromptAnswer> answers;
    // Names the dialogs return in order; an empty name (or none left) cancels the dialog.
    std::deque<QString> openChoices;
    std::deque<QString> saveChoices;
    // Texts the input box returns in order; none left cancels it.
    std::deque<QString> textAnswers;
    QString lastTextInitial;
    // Choices the conversion dialog returns in order; none left cancels it.
    std::deque<TConversionChoice> conversions;
    int lastConversionFrom = -1;
    std::vector<TPromptMessage> shown;
    int openDialogs = 0;
    int saveDialogs = 0;
    int beeps = 0;
    QString lastOpenFolder;
    QString lastSaveSuggestion;

    TPromptAnswer ShowMessage(const TPromptMessage& message) override {
        shown.push_back(message);
        if (message.buttons == TPromptButtons::Ok) return TPromptAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << message.text.toStdString();
            return TPromptAnswer::Cancel;
        }
        const TPromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> ChooseFileToOpen(const QString& startFolder, const QString&) override {
        ++openDialogs;
        lastOpenFolder = startFolder;
        return take(openChoices);
    }
    std::optional<QString> ChooseFileToSave(const QString& suggestedName, const QString&,
                                            const QString&) override {
        ++saveDialogs;
        lastSaveSuggestion = suggestedName;
        return take(saveChoices);
    }
    std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                   const QString& initial) override {
        shown.push_back({caption, prompt});
        lastTextInitial = initial;
        if (textAnswers.empty()) return std::nullopt;
        const QString answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
    std::optional<TConversionChoice> ChooseConversion(int from) override {
        lastConversionFrom = from;
        if (conversions.empty()) return std::nullopt;
        const TConversionChoice choice = conversions.front();
        conversions.pop_front();
        return choice;
    }
    // The search dialogs: each scripted entry changes the values the dialog shows and ends
    // it with OK; none left cancels it.
    std::deque<std::function<void(TSearchDialogValues&)>> searchDialogs;
    std::vector<TSearchDialogValues> searchDialogsShown;
    std::vector<bool> searchDialogKinds; // true for the replace dialog
    bool RunSearchDialog(TSearchDialogValues& values, bool replace) override {
        searchDialogsShown.push_back(values);
        searchDialogKinds.push_back(replace);
        if (searchDialogs.empty()) return false;
        searchDialogs.front()(values);
        searchDialogs.pop_front();
        return true;
    }
    // Answers to the replace questions in order; none left cancels.
    std::deque<TReplaceAnswer> replaceAnswers;
    std::vector<TReplaceQuestion> replaceQuestions;
    int replaceQuestionRuns = 0;
    TReplaceAnswer ConfirmReplace(const TReplaceQuestion& question) override {
        replaceQuestions.push_back(question);
        if (replaceAnswers.empty()) return TReplaceAnswer::Cancel;
        const TReplaceAnswer answer = replaceAnswers.front();
        replaceAnswers.pop_front();
        return answer;
    }
    void EndReplaceQuestions() override { ++replaceQuestionRuns; }
    void Beep() override { ++beeps; }

private:
    static std::optional<QString> take(std::deque<QString>& choices) {
        if (choices.empty()) return std::nullopt;
        const QString choice = choices.front();
        choices.pop_front();
        if (choice.isEmpty()) return std::nullopt;
        return choice;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        auto scripted = std::make_unique<TScriptedPrompter>();
        prompter = scripted.get();
        window = std::make_unique<TfrMain>(std::move(scripted));
    }

    QString PathOf(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QString MakeFile(const QString& name, const QByteArray& bytes) {
        const QString path = PathOf(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // Types a character at the caret, as a user would.
    void Edit(const char* text = "x") {
        QTest::keyClicks(window->Editor().Widget(), QString::fromLatin1(text));
    }

    QStringList ShownTexts() const {
        QStringList texts;
        for (const TPromptMessage& message : prompter->shown)
            texts << message.text;
        return texts;
    }

    static QString AskToSaveText() {
        return QStringLiteral("Zawartość edytora uległa zmianie! Czy zapisać zmiany?");
    }

    QTemporaryDir folder;
    TScriptedPrompter* prompter = nullptr;
    std::unique_ptr<TfrMain> window;
};

} // namespace tavlo
