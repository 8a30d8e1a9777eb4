// Every message box and file dialog of the main window goes through this interface, so
// that tests can answer them directly instead of racing modal dialogs with timers.
#pragma once

#include <QString>
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
    virtual void Beep() = 0;
};

} // namespace tavlo
