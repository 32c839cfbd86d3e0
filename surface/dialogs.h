// The modal text prompt, message box, save-file and print dialogs behind one interface: Qt dialogs in
// the programs, a scripted queue of answers in tests. Windows reach the one in use through UseDialogs().
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

class QPrinter;

namespace surface {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The typed text; empty when cancelled.
    virtual QString Prompt(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    virtual Answer Message(const QString& text, const QString& caption, Buttons buttons) = 0;
    // A text of several lines to edit, starting as `text`; nothing when cancelled (so that a
    // cancelled edit is never taken for an emptied text).
    virtual std::optional<QString> EditText(const QString& prompt, const QString& title,
                                            const QString& text) = 0;
    // The file to write; empty when cancelled. `filter` lists the file types as QFileDialog takes them.
    virtual QString SaveFileName(const QString& title, const QString& filter) = 0;
    // An existing file to read; empty when cancelled.
    virtual QString OpenFileName(const QString& title, const QString& filter) = 0;
    // Lets the user set up `printer`; false when cancelled.
    virtual bool ChoosePrinter(QPrinter& printer, const QString& title) = 0;
};

// The dialogs in use by the whole program (QtDialogs unless SetDialogs installed others).
Dialogs& UseDialogs();
// Installs `dialogs` (not owned); nullptr goes back to the Qt dialogs.
void SetDialogs(Dialogs* dialogs);

// QInputDialog and QMessageBox, with the Spanish button texts set explicitly.
class QtDialogs : public Dialogs {
  public:
    QString Prompt(const QString& prompt, const QString& title, const QString& defaultText) override;
    Answer Message(const QString& text, const QString& caption, Buttons buttons) override;
    std::optional<QString> EditText(const QString& prompt, const QString& title,
                                    const QString& text) override;
    QString SaveFileName(const QString& title, const QString& filter) override;
    QString OpenFileName(const QString& title, const QString& filter) override;
    bool ChoosePrinter(QPrinter& printer, const QString& title) override;
};

// For tests: answers pushed in order, every question recorded. While it lives it is the program's
// dialogs (the previous ones come back when it is destroyed). A question the script has no answer
// for is cancelled (empty text, No) and marks the script failed. An OK-only message needs no scripted
// answer; an Ok at the front of the queue is taken for it. The file and print dialogs take a pushed
// text like a prompt (recorded as one, the filter as its text): the file name, or for the printer the
// PDF file it prints to; an empty text cancels. A text edit takes a pushed text, and a pushed No as
// its "Cancelar".
class ScriptedDialogs : public Dialogs {
  public:
    struct Question {
        bool isPrompt = false;
        QString text;         // prompt or message text
        QString title;        // prompt title or message caption
        QString defaultText;  // prompts only
        Buttons buttons = Buttons::Ok;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void PushText(const QString& text);
    void PushAnswer(Answer answer);

    const std::vector<Question>& Asked() const { return asked_; }
    // True once a question came that the script had no fitting answer for.
    bool Failed() const { return failed_; }
    // Scripted answers not yet taken.
    int Pending() const { return static_cast<int>(script_.size()); }

    QString Prompt(const QString& prompt, const QString& title, const QString& defaultText) override;
    Answer Message(const QString& text, const QString& caption, Buttons buttons) override;
    std::optional<QString> EditText(const QString& prompt, const QString& title,
                                    const QString& text) override;
    QString SaveFileName(const QString& title, const QString& filter) override;
    QString OpenFileName(const QString& title, const QString& filter) override;
    bool ChoosePrinter(QPrinter& printer, const QString& title) override;

  private:
    std::deque<std::variant<QString, Answer>> script_;
    std::vector<Question> asked_;
    bool failed_ = false;
    Dialogs* previous_;
};

}  // namespace surface
