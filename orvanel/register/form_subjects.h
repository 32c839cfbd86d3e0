// The window "Sujetos guardados": the register of subjects in the programs' black design. A search
// field, the list of subjects (name, date, time) with the notes of the one chosen, and the buttons
// that load a subject into slot 1 or 2 (exactly as a confirmed date entry), save the subject of a
// slot under a name, change, delete, import and export, and go back to the main menu. Every action
// is reachable from the keyboard: Tab between the controls, Enter on a list item loads it as
// subject 1, Supr deletes it, Esc goes back.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "orvanel/register/subject_list_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace orvanel {

class Windows;

class FormSubjects : public QWidget {
  public:
    explicit FormSubjects(Windows& windows);
    ~FormSubjects() override;

    // Reads the register again (opening it when it could not be used before) and fills the list;
    // a register that cannot be used is told once, and the window stays empty and read-only.
    void ShowRegister();

    void Load(std::int16_t slot);
    void Save(std::int16_t slot);
    void Modify();
    void Remove();
    void Import();
    void Export();
    void Back();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddButton(const char* name, const char* caption, int top, std::function<void()> action);
    // The list again from the register, the subject with `key` chosen when it is shown.
    void Refill(const std::string& key = {});
    void ApplySearch();
    void ShowNotes();
    // The subject chosen in the list; nothing (after telling so) when there is none.
    std::optional<subjects::ListedSubject> Chosen();
    void SetStatus(const QString& text, bool fault = false);
    void Tell(const QString& text);
    void EnableChanges();

    Windows& windows_;
    std::unique_ptr<subjects::SubjectRegister> register_;
    subjects::SubjectListModel model_;
    QLineEdit* search_;
    QTreeView* list_;
    QLabel* notes_;
    QLabel* status_;
    std::map<std::string, QPushButton*> buttons_;
};

}  // namespace orvanel
