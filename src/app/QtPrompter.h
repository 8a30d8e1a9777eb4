// The prompter of the running program: Qt message boxes and file dialogs.
#pragma once

#include "app/Prompter.h"

class QWidget;

namespace tavlo {

class TQtPrompter : public TPrompter {
public:
    explicit TQtPrompter(QWidget* parent) : m_parent(parent) {}

    TPromptAnswer ShowMessage(const TPromptMessage& message) override;
    std::optional<QString> ChooseFileToOpen(const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> ChooseFileToSave(const QString& suggestedName,
                                            const QString& startFolder,
                                            const QString& filter) override;
    std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                   const QString& initial) override;
    std::optional<TConversionChoice> ChooseConversion(int from) override;
    void Beep() override;

private:
    QWidget* m_parent;
};

} // namespace tavlo
