// The student's own decomposition without widgets: the parts judged by the
// model's check, the evaluation dropped with any change to the parts, and
// when nothing can be judged.

#include <gtest/gtest.h>

#include "OwnDecompositionExerciseSession.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;

void AddPart(OwnDecompositionExerciseSession& session, const std::string& letters) {
  for (char c : letters)
    session.setPicked(static_cast<AttributeIndex>(c - 'A'), true);
  session.addPart();
}

TEST(OwnDecompositionExercise, EvaluatesThePartsAsTheModelChecksThem) {
  OwnDecompositionExerciseSession session;
  session.load(MakeSchema("ABC", "A->B; B->C"));
  session.evaluate();
  EXPECT_EQ(session.evaluation(),
            QStringList{"Dekompozice nema zadnou cast: pridejte alespon jednu."});
  EXPECT_EQ(session.phase(), Phase::Answering);

  AddPart(session, "AB");
  EXPECT_TRUE(session.evaluation().isEmpty());
  EXPECT_EQ(session.picked(), AttributeSet{});
  AddPart(session, "BC");
  session.evaluate();
  EXPECT_EQ(session.phase(), Phase::Checked);
  EXPECT_EQ(session.evaluation().first(), "Pokryti: kazdy atribut patri do nektere casti");
  EXPECT_EQ(session.evaluation().size(), 5);

  // Removing a part clears the evaluation of the parts as they were.
  session.removePart(0);
  EXPECT_TRUE(session.evaluation().isEmpty());
  EXPECT_EQ(session.parts(), std::vector<AttributeSet>{Set("BC")});
  EXPECT_EQ(session.phase(), Phase::Answering);
  session.evaluate();
  EXPECT_EQ(session.evaluation().first(), "Atributy bez casti: A");
  EXPECT_EQ(session.score(), ExerciseSession::Score{});
}

// A wide chase table comes in blocks of five attributes, each with its row
// numbers, so that its lines stay short enough not to wrap out of line.
TEST(OwnDecompositionExercise, WideChaseTableComesInBlocks) {
  Schema schema = MakeSchema("ABCDEFG", "");
  const auto name = [](char letter) {
    return QString(MaxNameLength - 1, QLatin1Char('N')) + QLatin1Char(letter);
  };
  for (char letter = 'A'; letter <= 'G'; ++letter)
    schema.attributes[letter - 'A'] = name(letter).toStdString();
  OwnDecompositionExerciseSession session;
  session.load(schema);
  AddPart(session, "ABCD");
  AddPart(session, "EFG");
  session.evaluate();
  const QStringList table = session.evaluation().mid(2, 7);
  const std::string text = table.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(table[0].contains(name('E')) && !table[0].contains(name('F'))) << text;
  EXPECT_EQ(table[3], QString()) << text;
  EXPECT_TRUE(table[4].contains(name('F')) && table[4].contains(name('G'))) << text;
  EXPECT_TRUE(table[5].startsWith("  1 ") && table[6].startsWith("  2 ")) << text;
  for (const QString& line : table)
    EXPECT_LE(line.size(), 4 + 5 * (MaxNameLength + 1)) << text;
}

TEST(OwnDecompositionExercise, NoTaskNoEvaluation) {
  OwnDecompositionExerciseSession session;
  session.load(MakeSchema("ABC", "A->B"));
  AddPart(session, "ABC");
  session.evaluate();
  session.markOutOfDate();
  EXPECT_TRUE(session.evaluation().isEmpty());
  EXPECT_FALSE(session.canCheck());
  session.evaluate();
  AddPart(session, "A");
  session.removePart(0);
  EXPECT_TRUE(session.evaluation().isEmpty());
  EXPECT_EQ(session.parts().size(), 1u);

  session.load(MakeSchema("ABC", "A->B"));
  AddPart(session, "AB");
  session.clear();
  session.evaluate();
  EXPECT_TRUE(session.evaluation().isEmpty());
  EXPECT_TRUE(session.parts().empty());

  session.load(MakeSchema("", ""));
  EXPECT_FALSE(session.canCheck());
  EXPECT_FALSE(session.canAddPart());
}

}  // namespace
