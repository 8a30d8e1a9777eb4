// Every message box and file dialog of the main window goes through this interface, so
// that tests can answer them directly instead of racing modal dialogs with timers.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavlo {

enum class TPromptAnswer { Ok, Yes, No, Cancel };
enum class TPromptIcon { None, Information, Question, Warning, Error };
enum class TPromptButtons { Ok, YesNo, YesNoCancel };

struct TPromptMessage {
    QString caption;
    QString text; // a CR marks a line break
    TPromptIcon icon = TPromptIcon::None;
    TPromptButtons buttons = TPromptButtons::Ok;
    TPromptAnswer defaultAnswer = TPromptAnswer::Ok; // Ok means the first button
};

struct TConversionChoice {
    int from = 0; // Polish character standards
    int to = 0;
};

// What the find and replace dialogs show and, on OK, give back.
struct TSearchDialogValues {
    QString searchText;
    QStringList searchHistory; // newest first
    QString replaceText;       // the replace dialog's only
    QStringList replaceHistory;
    bool caseSensitive = false;
    bool wholeWords = false;
    bool fromCaret = false;
    bool selectionOnly = false;
    bool backwards = false;
};

// A replacement to confirm: where its line stands on the screen, and the main window's
// client area there, so that the question does not cover it.
struct TReplaceQuestion {
    QString replacement;
    QPoint matchTopLeft;
    int lineBottom = 0;
    QRect windowClient;
};
enum class TReplaceAnswer { Yes, No, Cancel, All };

class TPrompter {
public:
    virtual ~TPrompter() = default;

    virtual TPromptAnswer ShowMessage(const TPromptMessage& message) = 0;
    // Empty when the user cancels the dialog.
    virtual std::optional<QString> ChooseFileToOpen(const QString& startFolder,
                                                    const QString& filter) = 0;
    // Must not ask about overwriting: the caller asks itself.
    virtual std::optional<QString> ChooseFileToSave(const QString& suggestedName,
                                                    const QString& startFolder,
                                                    const QString& filter) = 0;
    // The platform's input box; empty when the user cancels it.
    virtual std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                           const QString& initial) = 0;
    // The standards to convert between, starting from `from`; empty on Cancel.
    virtual std::optional<TConversionChoice> ChooseConversion(int from) = 0;
    // The find dialog, or the find-and-replace dialog; false on Cancel.
    virtual bool RunSearchDialog(TSearchDialogValues& values, bool replace) = 0;
    // The confirmation dialog is kept between the questions of one search run.
    virtual TReplaceAnswer ConfirmReplace(const TReplaceQuestion& question) = 0;
    virtual void EndReplaceQuestions() = 0;
    virtual void Beep() = 0;
};

} // namespace tavlo
