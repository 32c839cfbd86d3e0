#include <QPrinter>

#include "surface/dialogs.h"

namespace surface {

ScriptedDialogs::ScriptedDialogs() : previous_(&UseDialogs()) {
    SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogs(previous_);
}

void ScriptedDialogs::PushText(const QString& text) {
    script_.emplace_back(text);
}

void ScriptedDialogs::PushAnswer(Answer answer) {
    script_.emplace_back(answer);
}

QString ScriptedDialogs::Prompt(const QString& prompt, const QString& title, const QString& defaultText) {
    asked_.push_back(Question{true, prompt, title, defaultText, Buttons::Ok});
    if (script_.empty() || !std::holds_alternative<QString>(script_.front())) {
        failed_ = true;
        return QString();
    }
    QString text = std::get<QString>(script_.front());
    script_.pop_front();
    return text;
}

Answer ScriptedDialogs::Message(const QString& text, const QString& caption, Buttons buttons) {
    asked_.push_back(Question{false, text, caption, QString(), buttons});
    const bool answerNext = !script_.empty() && std::holds_alternative<Answer>(script_.front());
    if (buttons == Buttons::Ok) {
        if (answerNext && std::get<Answer>(script_.front()) == Answer::Ok) script_.pop_front();
        return Answer::Ok;
    }
    if (!answerNext || std::get<Answer>(script_.front()) == Answer::Ok) {
        failed_ = true;
        return Answer::No;
    }
    const Answer answer = std::get<Answer>(script_.front());
    script_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::EditText(const QString& prompt, const QString& title,
                                                 const QString& text) {
    if (!script_.empty() && script_.front() == std::variant<QString, Answer>(Answer::No)) {
        asked_.push_back(Question{true, prompt, title, text, Buttons::Ok});
        script_.pop_front();
        return std::nullopt;
    }
    return Prompt(prompt, title, text);
}

QString ScriptedDialogs::SaveFileName(const QString& title, const QString& filter) {
    return Prompt(filter, title, QString());
}

QString ScriptedDialogs::OpenFileName(const QString& title, const QString& filter) {
    return Prompt(filter, title, QString());
}

bool ScriptedDialogs::ChoosePrinter(QPrinter& printer, const QString& title) {
    const QString file = Prompt(QString(), title, QString());
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

}  // namespace surface
