// The scripted dialogs answer in order, record every question, and flag questions left unanswered.
#include <gtest/gtest.h>

#include "surface/dialogs.h"

using namespace surface;

// Inside another scripted set, and when done each gives back the dialogs in use before it.
TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryQuestion) {
    Dialogs* before = &UseDialogs();
    EXPECT_NE(dynamic_cast<QtDialogs*>(before), nullptr);
    {
        ScriptedDialogs dialogs;
        dialogs.PushText("1");
        dialogs.PushAnswer(Answer::Ok);  // taken by the OK-only message, which would need none
        dialogs.PushAnswer(Answer::Yes);
        {
            ScriptedDialogs inner;
            EXPECT_EQ(&UseDialogs(), &inner);
        }
        EXPECT_EQ(&UseDialogs(), &dialogs);
        EXPECT_EQ(UseDialogs().Prompt("Número de sujeto", "Fecha de nacimiento del sujeto", "1"), "1");
        EXPECT_EQ(UseDialogs().Message("Fecha no válida", "Fecha del sujeto", Buttons::Ok), Answer::Ok);
        EXPECT_EQ(UseDialogs().Message("¿Seguro?", "Confirmar", Buttons::YesNo), Answer::Yes);
        EXPECT_FALSE(dialogs.Failed());
        EXPECT_EQ(dialogs.Pending(), 0);
        const auto& asked = dialogs.Asked();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_TRUE(asked[0].isPrompt && asked[0].defaultText == "1" &&
                    asked[0].title == "Fecha de nacimiento del sujeto");
        EXPECT_TRUE(!asked[1].isPrompt && asked[1].buttons == Buttons::Ok &&
                    asked[1].text == "Fecha no válida");
        EXPECT_EQ(asked[2].buttons, Buttons::YesNo);
    }
    EXPECT_EQ(&UseDialogs(), before);

    // A question without a fitting answer is cancelled and flagged: nothing scripted, a text where an
    // answer is due, an answer of other buttons, an answer to a prompt.
    for (int scripted : {0, 1, 2, 3}) {
        ScriptedDialogs dialogs;
        if (scripted == 1) dialogs.PushText("5");
        if (scripted == 2) dialogs.PushAnswer(Answer::Ok);
        if (scripted == 3) dialogs.PushAnswer(Answer::No);
        if (scripted % 3 == 0)
            EXPECT_EQ(dialogs.Prompt("Día", "Fecha", "1"), "");
        else
            EXPECT_EQ(dialogs.Message("¿Seguro?", "Confirmar", Buttons::YesNo), Answer::No);
        EXPECT_TRUE(dialogs.Failed()) << scripted;
    }
}
