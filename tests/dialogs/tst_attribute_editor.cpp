#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "AttributeEditorDialog.h"
#include "Display.h"
#include "GuiTestSupport.h"
#include "SchemaListing.h"
#include "SchemaText.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");
const QString kTooMany = QStringLiteral("Bohuzel zadavate prilis mnoho slov");
const QString kProtected =
    QStringLiteral("Toto slovo nemuzete vymazat. Nejprve vymazte zavislost, ktera ho obsahuje.");

QLineEdit* Field(AttributeEditorDialog& editor, int k) {
  return Find<QLineEdit>(editor, QStringLiteral("Edit_%1").arg(k + 1).toLatin1().constData());
}

QLineEdit* Input(AttributeEditorDialog& editor) {
  return Find<QLineEdit>(editor, "Edit_ABC");
}

void Click(AttributeEditorDialog& editor, const char* button) {
  QTest::mouseClick(Find<QPushButton>(editor, button), Qt::LeftButton);
}

void Type(AttributeEditorDialog& editor, const QString& word) {
  Input(editor)->clear();
  // Typed key by key; the text is given with each key, so that letters
  // outside ASCII are typed too.
  for (const QChar c : word)
    QTest::sendKeyEvent(QTest::Click, Input(editor), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Add(AttributeEditorDialog& editor, const QString& word) {
  Type(editor, word);
  Click(editor, "Button_Input");
}

// The texts of the fields in order, up to the last non-empty one.
QStringList Words(AttributeEditorDialog& editor) {
  QStringList words;
  for (int k = 0; k < MaxAttributes; ++k)
    words << Field(editor, k)->text();
  while (!words.isEmpty() && words.back().isEmpty())
    words.removeLast();
  return words;
}

// One character a field: "Y" yellow, "." the normal colour, "?" another
// colour; "y", "_" and "!" for the same on a disabled field.
QString Look(AttributeEditorDialog& editor, int count) {
  QString out;
  for (int k = 0; k < count; ++k) {
    const QColor colour = Background(*Field(editor, k));
    const int kind = colour == colours::SelectedYellow ? 0 : colour == colours::Light3D() ? 1 : 2;
    out += QLatin1Char((Field(editor, k)->isEnabled() ? "Y.?" : "y_!")[kind]);
  }
  return out;
}

QStringList Log(TestBench& t) {
  return MemoLines(*Find<QPlainTextEdit>(t.main(), "Memo_ABC"));
}

QStringList SchemaNames(const Schema& schema) {
  QStringList names;
  for (const std::string& n : ListAttributeLines(schema.attributes))
    names << QString::fromStdString(n);
  return names;
}

}  // namespace

class AttributeEditorTest : public QObject {
  Q_OBJECT

 private:
  static AttributeEditorDialog& Open(TestBench& t) {
    return OpenEditor(t.windows.attributeEditor());
  }

 private slots:
  void controls() {
    TestBench t;
    AttributeEditorDialog& editor = Open(t);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Schemario - Zadavani atributu"));
    const struct {
      const char* name;
      const char* caption;
      const char* hint;
    } buttons[] = {
        {"Button_Input", "Pridat", "Pridat zadany atribut"},
        {"Button_Erase", "Smazat", "Smaze oznaceny atribut"},
        {"Button_Change", "Zmenit", "Upravit oznaceny atribut"},
        {"Button_OK", "OK", ""},
        {"Button_Cancel", "Cancel", ""},
    };
    for (const auto& b : buttons) {
      auto* button = Find<QPushButton>(editor, b.name);
      QCOMPARE(button->text(), QString::fromLatin1(b.caption));
      QCOMPARE(button->toolTip(), QString::fromLatin1(b.hint));
    }
    QVERIFY(Find<QPushButton>(editor, "Button_OK")->isDefault());
    for (int k = 0; k < MaxAttributes; ++k) {
      QLineEdit* field = Field(editor, k);
      QCOMPARE(field->property("tag").toInt(), k);
      QVERIFY(field->isReadOnly());
      QCOMPARE(field->isVisible(), k < 15);
    }
  }

  void prepareFillsTheFieldsFromTheSchema() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    AttributeEditorDialog& editor = Open(t);
    QCOMPARE(Words(editor), QStringList({"A", "B", "C"}));
    QCOMPARE(Look(editor, 15), QStringLiteral("Y..") + QString(12, '_'));
    QCOMPARE(Field(editor, 3)->text(), QString());
  }

  // One word for each answer; the session tests try the edge cases.
  void wordsAreCheckedBeforeTheyAreAdded_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::newRow("blanks around and inside") << "  Datum   od "
                                              << "";
    QTest::newRow("16 characters") << "abcdefghijklmnop"
                                   << "Delka slova presahuje 15 pismen";
    QTest::newRow("only blanks") << "   "
                                 << "Zadavany vstup je prazdny";
    QTest::newRow("semicolon") << "A;B"
                               << "Slovo nesmi obsahovat znaky ; a :";
    QTest::newRow("not in the file's character set")
        << QString::fromUtf8("αβ") << "Slovo obsahuje znak, ktery nejde ulozit do souboru";
    QTest::newRow("another name with a blank") << "A "
                                               << "Uz zadana data";
  }

  void wordsAreCheckedBeforeTheyAreAdded() {
    QFETCH(QString, word);
    QFETCH(QString, message);
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    AttributeEditorDialog& editor = Open(t);
    Add(editor, word);
    if (message.isEmpty()) {
      QVERIFY(t.platform.messages.empty());
      QCOMPARE(Words(editor), QStringList({"A", "B", word.simplified()}));
      QCOMPARE(Input(editor)->text(), QString());
      return;
    }
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, message);
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(Words(editor), QStringList({"A", "B"}));
    // The refused word stays in the input line to be corrected.
    QCOMPARE(Input(editor)->text(), word);
  }

  void theSixteenthWordIsRefused() {
    TestBench t;
    AttributeEditorDialog& editor = Open(t);
    QStringList fifteen;
    for (int i = 1; i <= 15; ++i) {
      fifteen << QStringLiteral("W%1").arg(i);
      Add(editor, fifteen.back());
    }
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Words(editor), fifteen);
    QCOMPARE(Look(editor, 15), QStringLiteral("Y") + QString(14, '.'));
    Add(editor, QStringLiteral("W16"));
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kTooMany});
    QCOMPARE(Words(editor), fifteen);
    QCOMPARE(Input(editor)->text(), QString());  // emptied after this refusal
  }

  void enterInTheInputLineAddsTheWord() {
    TestBench t;
    AttributeEditorDialog& editor = Open(t);
    Type(editor, QStringLiteral("Jmeno"));
    QTest::keyClick(Input(editor), Qt::Key_Return);
    Type(editor, QStringLiteral("Adresa"));
    QTest::keyClick(Input(editor), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(editor.isVisible());
    QCOMPARE(Words(editor), QStringList({"Jmeno", "Adresa"}));
    QCOMPARE(Input(editor)->text(), QString());
    QCOMPARE(CountNames(t.schema().attributes()), 0);
  }

  void changeReplacesTheSelectedWord() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    AttributeEditorDialog& editor = Open(t);
    QTest::mouseClick(Field(editor, 1), Qt::LeftButton);
    QCOMPARE(Look(editor, 3), QStringLiteral(".Y."));
    Click(editor, "Button_Change");
    QCOMPARE(Input(editor)->text(), QStringLiteral("B"));
    // Confirming the unchanged word is refused like any duplicate.
    Click(editor, "Button_Input");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{"Uz zadana data"});
    Type(editor, QStringLiteral("Beta"));
    Click(editor, "Button_Input");
    QCOMPARE(Words(editor), QStringList({"A", "Beta", "C"}));

    // A double click selects and starts a change at once.
    QTest::mouseDClick(Field(editor, 2), Qt::LeftButton);
    QCOMPARE(Look(editor, 3), QStringLiteral("..Y"));
    QCOMPARE(Input(editor)->text(), QStringLiteral("C"));
    Type(editor, QStringLiteral("Gamma"));
    Click(editor, "Button_Input");
    QCOMPARE(Words(editor), QStringList({"A", "Beta", "Gamma"}));

    // Change mode is over: the next word is added at the end.
    Add(editor, QStringLiteral("D"));
    QCOMPARE(Words(editor), QStringList({"A", "Beta", "Gamma", "D"}));

    // A renamed word keeps its slot, so OK hands the new name back there.
    Click(editor, "Button_OK");
    QCOMPARE(SchemaNames(t.schema().schema()), QStringList({"A", "Beta", "Gamma", "D"}));
    QVERIFY(t.schema().dirty());
  }

  void clicksOnEmptyFieldsAreIgnored() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    AttributeEditorDialog& editor = Open(t);
    QTest::mouseClick(Field(editor, 5), Qt::LeftButton);
    QCOMPARE(Look(editor, 6), QStringLiteral("Y.____"));
  }

  void eraseIsRefusedForAWordADependencyUses() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    AttributeEditorDialog& editor = Open(t);
    for (int used : {0, 1}) {
      QTest::mouseClick(Field(editor, used), Qt::LeftButton);
      Type(editor, QStringLiteral("typed"));
      Click(editor, "Button_Erase");
      QCOMPARE(t.platform.messages.back().text, kProtected);
      QCOMPARE(t.platform.messages.back().buttons, MessageButtons::Ok);
      QCOMPARE(Input(editor)->text(), QString());
    }
    QCOMPARE(t.platform.messages.size(), std::size_t{2});
    QCOMPARE(Words(editor), QStringList({"A", "B", "C"}));

    // C is free: the question names it, and No keeps it.
    QTest::mouseClick(Field(editor, 2), Qt::LeftButton);
    t.platform.answers.push_back(MessageAnswer::No);
    Click(editor, "Button_Erase");
    QCOMPARE(t.platform.messages.back().caption, kCaption);
    QCOMPARE(t.platform.messages.back().text, QStringLiteral("Skutecne to chcete smazat? C ? "));
    QCOMPARE(t.platform.messages.back().buttons, MessageButtons::YesNo);
    QCOMPARE(Words(editor), QStringList({"A", "B", "C"}));
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Button_Erase");
    QCOMPARE(Words(editor), QStringList({"A", "B"}));
    QCOMPARE(t.platform.unansweredQuestions, 0);
  }

  void erasingTheLastAndTheOnlyWord() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    AttributeEditorDialog& editor = Open(t);
    QTest::mouseClick(Field(editor, 2), Qt::LeftButton);
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
    Click(editor, "Button_Erase");
    // The word before the erased last one is selected.
    QCOMPARE(Words(editor), QStringList({"A", "B"}));
    QCOMPARE(Look(editor, 4), QStringLiteral(".Y__"));

    // Erasing a word in front moves the later ones up.
    QTest::mouseClick(Field(editor, 0), Qt::LeftButton);
    Click(editor, "Button_Erase");
    QCOMPARE(Words(editor), QStringList({"B"}));
    QCOMPARE(Look(editor, 3), QStringLiteral("Y__"));

    Click(editor, "Button_Erase");
    QCOMPARE(Words(editor), QStringList());
    QCOMPARE(Look(editor, 2), QStringLiteral("__"));
    QCOMPARE(t.platform.messages.size(), std::size_t{3});

    // With no word left, Smazat and Zmenit do nothing.
    Type(editor, QStringLiteral("kept"));
    Click(editor, "Button_Erase");
    Click(editor, "Button_Change");
    QCOMPARE(t.platform.messages.size(), std::size_t{3});
    QCOMPARE(Input(editor)->text(), QStringLiteral("kept"));

    // The next word goes into the first field, selected.
    Click(editor, "Button_Input");
    QCOMPARE(Words(editor), QStringList({"kept"}));
    QCOMPARE(Look(editor, 2), QStringLiteral("Y_"));
  }

  void okWithoutChangesListsButLeavesDirtyClear() {
    TestBench t;
    t.schema().Load(Names("AB"), {}, QString());
    AttributeEditorDialog& editor = Open(t);
    Click(editor, "Button_OK");
    QVERIFY(!editor.isVisible());
    QCOMPARE(Log(t), QStringList({"A", "B", "--------------"}));
    QVERIFY(!t.schema().dirty());

    // Every commit appends below the earlier ones.
    Open(t);
    Add(editor, QStringLiteral("C"));
    Click(editor, "Button_OK");
    QCOMPARE(Log(t), QStringList({"A", "B", "--------------", "A", "B", "C", "--------------"}));
    QVERIFY(t.schema().dirty());
  }

  void cancelAfterAdditionsChangesNothing() {
    TestBench t;
    t.schema().Load(Names("AB"), {}, QString());
    AttributeEditorDialog& editor = Open(t);
    Add(editor, QStringLiteral("C"));
    Add(editor, QStringLiteral("D"));
    QTest::mouseClick(Field(editor, 0), Qt::LeftButton);
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Button_Erase");
    Click(editor, "Button_Cancel");
    QVERIFY(!editor.isVisible());
    QCOMPARE(SchemaNames(t.schema().schema()), QStringList({"A", "B"}));
    QVERIFY(!t.schema().dirty());
    QCOMPARE(Log(t), QStringList());
    // Closing emptied the fields; the next opening starts from the schema.
    QCOMPARE(Words(editor), QStringList());
    Open(t);
    QCOMPARE(Words(editor), QStringList({"A", "B"}));
    QCOMPARE(Input(editor)->text(), QString());
  }

  void aSchemaWithMoreThanFifteenNamesKeepsThemAll() {
    TestBench t;
    AttributeTable names;
    for (int i = 0; i < MaxAttributes; ++i)
      names[i] = "N" + std::to_string(i + 1);
    t.schema().SetAttributes(names);
    t.schema().ReplaceDependencies(Deps("T->S"));  // N20 -> N19
    AttributeEditorDialog& editor = Open(t);
    for (int k = 0; k < MaxAttributes; ++k) {
      QVERIFY(Field(editor, k)->isVisible());
      QCOMPARE(Field(editor, k)->text(), QString::fromStdString(names[k]));
    }
    Add(editor, QStringLiteral("N21"));
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kTooMany});

    // The names behind the fifteenth can be changed and erased like the others.
    QTest::mouseClick(Field(editor, 16), Qt::LeftButton);
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Button_Erase");
    QCOMPARE(Words(editor).size(), 19);
    Click(editor, "Button_OK");
    QCOMPARE(CountNames(t.schema().attributes()), 19);
    QCOMPARE(t.schema().attributes()[16], std::string("N18"));
    QCOMPARE(t.schema().attributes()[18], std::string("N20"));
    QCOMPARE(ListDependencyLines(t.schema().dependencies(), t.schema().attributes()),
             std::vector<std::string>{"N20 -> N19"});

    // A smaller schema hides the extra fields again.
    t.schema().SetAttributes(Names("AB"));
    Open(t);
    QVERIFY(!Field(editor, 15)->isVisible());
  }

  void theMainWindowPreparesAndRunsTheEditorModally() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    AttributeEditorDialog& editor = t.windows.attributeEditor();
    bool sawEditor = false;
    QTimer::singleShot(0, [&] {
      sawEditor = QApplication::activeModalWidget() == &editor;
      Add(editor, QStringLiteral("C"));
      Click(editor, "Button_OK");
    });
    Find<QAction>(t.main(), "a_attributes")->trigger();
    QVERIFY(sawEditor);
    QCOMPARE(SchemaNames(t.schema().schema()), QStringList({"A", "B", "C"}));
    QVERIFY(t.schema().dirty());
    QCOMPARE(Log(t), QStringList({"A", "B", "C", "--------------"}));
  }
};

QTEST_MAIN(AttributeEditorTest)
#include "tst_attribute_editor.moc"
