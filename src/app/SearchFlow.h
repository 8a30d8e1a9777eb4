// The main window's find and replace commands: the find and replace dialogs, searching
// again forwards and backwards, the word under the caret, and the questions before each
// replacement. The settings both dialogs share are the window's; the histories, the
// direction and whether searching again starts at the caret last for the run.
#pragma once

#include <QStringList>

#include <string>

namespace tavlo {

class TPrompter;
class TSynEdit;
class TfrMain;

class TSearchFlow {
public:
    // Connects the window's find items and answers the editor's replace questions.
    TSearchFlow(TfrMain& window, TPrompter& prompter);
    ~TSearchFlow();
    TSearchFlow(const TSearchFlow&) = delete;
    TSearchFlow& operator=(const TSearchFlow&) = delete;

    void RunDialog(bool replace);
    // With the window's settings; returns the number of occurrences found.
    int SearchAgain(bool backwards, bool replace);
    void SearchWordAtCaret(bool backwards);

    const QStringList& SearchHistory() const { return m_searchHistory; }
    const QStringList& ReplaceHistory() const { return m_replaceHistory; }
    bool SearchFromCaret() const { return m_searchFromCaret; }

private:
    TSynEdit& editor();
    // The dialogs' text in the document's Polish standard, as typing would give it;
    // characters without a byte there are left out and counted.
    std::string bytesOf(const QString& text, int& unmapped);
    void reportNotFound(bool backwards);

    TfrMain& m_window;
    TPrompter& m_prompter;
    QStringList m_searchHistory;
    QStringList m_replaceHistory;
    bool m_backwards = false;
    bool m_searchFromCaret = false;
};

} // namespace tavlo
