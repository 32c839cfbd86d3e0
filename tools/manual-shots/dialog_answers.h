// Answers the program's own Qt dialogs as the user would, one step per dialog, and takes a picture
// of the dialogs that a step names: the manual shows the real prompts of the date entry.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

#include "shot_folder.h"

namespace manual_shots {

class DialogAnswers : public QObject {
  public:
    struct Step {
        QString typed;               // for a prompt; a message box is answered "Sí"
        const char* shot = nullptr;  // the picture's name, or none
    };

    DialogAnswers(ShotFolder& folder, std::vector<Step> steps);
    // True when every step was taken.
    bool Done() const { return next_ == steps_.size(); }

  private:
    void AnswerOpenDialog();

    ShotFolder& folder_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QTimer timer_;
};

}  // namespace manual_shots
