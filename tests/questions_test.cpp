#include <gtest/gtest.h>

#include <algorithm>

#include "questions/question_format.h"
#include "questions/validator.h"

namespace sv::questions {

TEST(QuestionSets, TheShippedSetsPassEveryCheck) {
    const auto problems = validateQuestionSets();
    for (const auto& p : problems) ADD_FAILURE() << p;
}

// A copy of the shipped sets with one fault of each kind, each in its own question.
TEST(QuestionSets, EveryKindOfFaultIsFoundAndNamed) {
    static QuestionData data[2][6][50];
    for (int s = 0; s < 2; ++s)
        for (int c = 0; c < 6; ++c)
            for (int k = 0; k < 50; ++k) data[s][c][k] = questionData(s + 2, c + 1, k + 1);
    static const std::string longQuestion(151, 'q'), longAnswer(61, 'r');
    data[0][4][15].reponse = "six";                      // set 2 Sci 16
    data[1][0][0].choix[2] = "";                         // set 3 Geo 1
    data[1][5][9].question = data[0][0][4].question;     // set 3 Spo 10 = set 2 Geo 5
    data[0][1][1].question = "Qui a chanté « Comăneci » ?";
    data[0][1][2].reponse = "deux\tmots";
    data[0][2][5].question = longQuestion.c_str();
    data[0][2][6].reponse = longAnswer.c_str();
    const auto problems =
        validateQuestionSets([](int s, int c, int k) -> const QuestionData& { return data[s - 2][c - 1][k - 1]; });
    for (const char* expected :
         {"Sci 16 : la réponse n'est pas l'une des propositions", "référence 5/16", "questionnaire 3 Geo 1 : 3 propositions sur 4",
          "questionnaire 3 Geo : ", "questionnaire 3 Spo 10 : même question que questionnaire 2 Geo 5",
          "questionnaire 2 Div 2 : caractère interdit", "questionnaire 2 Div 3 : caractère interdit",
          "His 6 : question trop longue", "His 7 : réponse trop longue"}) {
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                                [&](const std::string& p) { return p.find(expected) != std::string::npos; }))
            << expected;
    }
}

TEST(QuestionFormat, ReadsBlocksAndReportsMistakesWithTheirLine) {
    const auto ok = parseQuestionText(
        "# commentaire\n\n[Sci 16]\nQ: Combien d'angles a un hexagone ?\nC: 5\nC: 6\nC: 7\nC: 10\nR: 6\n\n"
        "[Art 1]\r\nQ: Comment se nomme un vers de douze syllabes ?\r\nR: Un alexandrin\r\n",
        "t.txt");
    EXPECT_TRUE(ok.errors.empty());
    ASSERT_EQ(ok.records.size(), 2u);
    EXPECT_EQ(ok.records[0].choices, (std::vector<std::string>{"5", "6", "7", "10"}));
    EXPECT_EQ(ok.records[1].answer, "Un alexandrin");
    EXPECT_TRUE(ok.records[1].choices.empty());

    const auto bad = parseQuestionText("[Xyz 51]\nQ: a\nR: b\nX: c\n\nR: orphan\n[Geo 2]\nR: b\n", "b.txt");
    ASSERT_EQ(bad.errors.size(), 5u);
    EXPECT_EQ(bad.errors[0], "b.txt:1: catégorie inconnue : Xyz");
    EXPECT_EQ(bad.errors[1], "b.txt:1: place hors de 1 à 50 : [Xyz 51]");
    EXPECT_EQ(bad.errors[2], "b.txt:4: ligne illisible : X: c");
    EXPECT_EQ(bad.errors[3], "b.txt:6: ligne hors d'une question : R: orphan");
    EXPECT_EQ(bad.errors[4], "b.txt:7: question sans ligne Q:");
    // A slot is digits only: no trailing letter, no number wrapping round to a valid one.
    const auto odd = parseQuestionText("[Geo 1x]\nQ: a\nR: b\n\n[Geo 4294967297]\nQ: a\nR: b\n\n[Geo 07]\nQ: a\nR: b\n", "o.txt");
    ASSERT_EQ(odd.errors.size(), 2u);
    EXPECT_EQ(odd.errors[0], "o.txt:1: place hors de 1 à 50 : [Geo 1x]");
    EXPECT_EQ(odd.errors[1], "o.txt:5: place hors de 1 à 50 : [Geo 4294967297]");
    EXPECT_EQ(odd.records.back().slot, 7);
}

}  // namespace sv::questions
