// The prompter of the running program: Qt message boxes and file dialogs.
#pragma once

#include "app/Prompter.h"

#include <memory>

class QWidget;

namespace tavlo {

class TConfirmReplaceDialog;

class TQtPrompter : public TPrompter {
public:
    explicit TQtPrompter(QWidget* parent);
    ~TQtPrompter() override;

    TPromptAnswer ShowMessage(const TPromptMessage& message) override;
    std::optional<QString> ChooseFileToOpen(const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> ChooseFileToSave(const QString& suggestedName,
                                            const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                   const QString& initial) override;
    std::optional<TConversionChoice> ChooseConversion(int from) override;
    bool RunSearchDialog(TSearchDialogValues& values, bool replace) override;
    TReplaceAnswer ConfirmReplace(const TReplaceQuestion& question) override;
    void EndReplaceQuestions() override;
    void Beep() override;

private:
    QWidget* m_parent;
    std::unique_ptr<TConfirmReplaceDialog> m_confirmation;
};

} // namespace tavlo
