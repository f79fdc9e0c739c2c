#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "DependencyEditorDialog.h"
#include "Display.h"
#include "GuiTestSupport.h"
#include "SchemaListing.h"
#include "SchemaText.h"
#include "WrappingField.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");
const QString kTooMany = QStringLiteral("Bohuzel je zadano prilis mnoho zavislosti");

const char* const kLeft[] = {"ComboBox_L1", "ComboBox_L2", "ComboBox_L3", "ComboBox_L4",
                             "ComboBox_L5"};
const char* const kRight[] = {"ComboBox_P1", "ComboBox_P2", "ComboBox_P3"};

// The line fields in line order.
QList<WrappingField*> LineFields(DependencyEditorDialog& editor) {
  QList<WrappingField*> lines =
      Find<QFrame>(editor, "Panel1")->findChildren<WrappingField*>(Qt::FindDirectChildrenOnly);
  std::sort(lines.begin(), lines.end(), [](WrappingField* a, WrappingField* b) {
    return a->property("tag").toInt() < b->property("tag").toInt();
  });
  return lines;
}

QStringList Lines(DependencyEditorDialog& editor) {
  QStringList texts;
  for (WrappingField* line : LineFields(editor))
    texts << Unbreakable(line->text());
  return texts;
}

// One character a line: "Y" yellow, "." light face, "b" button face.
QString Look(DependencyEditorDialog& editor) {
  QString out;
  for (WrappingField* line : LineFields(editor)) {
    const QColor c = Background(*line);
    out += c == colours::SelectedYellow ? QLatin1Char('Y')
           : c == colours::Light3D()    ? QLatin1Char('.')
           : c == colours::ButtonFace() ? QLatin1Char('b')
                                        : QLatin1Char('?');
  }
  return out;
}

// Chooses attributes by letter in the pickers: "CA" puts C into L1 and A
// into L2; a blank leaves a picker on its empty item.
void Pick(DependencyEditorDialog& editor, const std::string& left, const std::string& right) {
  const auto choose = [&editor](const char* picker, char letter) {
    Find<QComboBox>(editor, picker)->setCurrentIndex(letter == ' ' ? 0 : letter - 'A' + 1);
  };
  for (std::size_t i = 0; i < left.size(); ++i)
    choose(kLeft[i], left[i]);
  for (std::size_t i = 0; i < right.size(); ++i)
    choose(kRight[i], right[i]);
}

void Click(QWidget& editor, const char* button) {
  QTest::mouseClick(Find<QAbstractButton>(editor, button), Qt::LeftButton);
}

void Insert(DependencyEditorDialog& editor, const std::string& left, const std::string& right) {
  Pick(editor, left, right);
  Click(editor, "Button_Insert");
}

// Replaces the whole text as typing or pasting over it does.
void Type(QPlainTextEdit& memo, const QString& text) {
  QTextCursor cursor(memo.document());
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
}

QList<int> PickerChoices(DependencyEditorDialog& editor) {
  QList<int> choices;
  for (const char* name : kLeft)
    choices << Find<QComboBox>(editor, name)->currentIndex();
  for (const char* name : kRight)
    choices << Find<QComboBox>(editor, name)->currentIndex();
  return choices;
}

QStringList Log(TestBench& t) {
  return MemoLines(*Find<QPlainTextEdit>(t.main(), "Memo_Dep"));
}

}  // namespace

class DependencyEditorTest : public QObject {
  Q_OBJECT

 private:
  static DependencyEditorDialog& Open(TestBench& t) {
    return OpenEditor(t.windows.dependencyEditor());
  }

 private slots:
  void controls() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    DependencyEditorDialog& editor = Open(t);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Schemario - Zadavani zavislosti"));
    for (const char* name :
         {kLeft[0], kLeft[1], kLeft[2], kLeft[3], kLeft[4], kRight[0], kRight[1], kRight[2]}) {
      auto* picker = Find<QComboBox>(editor, name);
      QVERIFY(!picker->isEditable());
      QCOMPARE(picker->maxVisibleItems(), 15);
      QStringList items;
      for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i);
      QCOMPARE(items, QStringList({"", "A", "B", "C"}));
      QCOMPARE(picker->currentIndex(), 0);
    }
    QCOMPARE(Find<QLabel>(editor, "Label1")->text(), QStringLiteral("= >"));
    QStringList labels;
    for (QLabel* label : editor.findChildren<QLabel*>())
      labels << label->text();
    QVERIFY(labels.contains("LEVA STRANA:"));
    QVERIFY(labels.contains("PRAVA STRANA:"));
    QCOMPARE(Find<QPushButton>(editor, "Button_Insert")->text(), QStringLiteral("Pridat"));
    QCOMPARE(Find<QPushButton>(editor, "Erase")->text(), QStringLiteral("Smazat"));
    QCOMPARE(Find<QPushButton>(editor, "Button_OK")->text(), QStringLiteral("OK"));
    QVERIFY(Find<QPushButton>(editor, "Button_OK")->isDefault());
    QCOMPARE(Find<QPushButton>(editor, "Cancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(Find<QWidget>(editor, "UpDown1")->isHidden());
  }

  void pickersStopAtTheFirstEmptyName() {
    TestBench t;
    AttributeTable names = Names("AB");
    names[3] = "D";
    t.schema().SetAttributes(names);
    DependencyEditorDialog& editor = Open(t);
    QCOMPARE(Find<QComboBox>(editor, "ComboBox_P3")->count(), 3);
  }

  void prepareShowsEveryRecordAsALine() {
    TestBench t;
    t.schema().SetAttributes(Names("ABCD"));
    t.schema().ReplaceDependencies(Deps("AB->CD; C->A"));
    DependencyEditorDialog& editor = Open(t);
    QCOMPARE(Lines(editor), QStringList({"A + B -> C", "A + B -> D", "C -> A"}));
    QCOMPARE(Look(editor), QStringLiteral("Ybb"));
    const QList<WrappingField*> lines = LineFields(editor);
    for (int k = 0; k < 3; ++k) {
      QCOMPARE(lines[k]->y(), 7 + 32 * k);
      QCOMPARE(lines[k]->property("tag").toInt(), k);
      QCOMPARE(lines[k]->font().pointSize(), 10);
      QCOMPARE(lines[k]->palette().color(QPalette::Text), QColor(Qt::black));
    }
  }

  // The pickers as the session reads them; the session tests try the
  // other layouts.
  void insertedLines_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("records");
    QTest::newRow("left side stored ascending, shown in picker order") << "CA"
                                                                       << "B"
                                                                       << "C + A ->  B"
                                                                       << "AC->B";
    QTest::newRow("gaps between the pickers") << " D B"
                                              << "A C"
                                              << "D + B ->  A + C"
                                              << "BD->A; BD->C";
  }

  void insertedLines() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, line);
    QFETCH(QString, records);
    TestBench t;
    t.schema().SetAttributes(Names("ABCDEF"));
    DependencyEditorDialog& editor = Open(t);
    Insert(editor, left.toStdString(), right.toStdString());
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Lines(editor), QStringList({line}));
    QCOMPARE(Look(editor), QStringLiteral("Y"));
    QCOMPARE(PickerChoices(editor), QList<int>({0, 0, 0, 0, 0, 0, 0, 0}));
    Click(editor, "Button_OK");
    QCOMPARE(QString::fromStdString(DepsText(t.schema().dependencies())), records);
  }

  void insertRefusalsKeepThePickedChoices_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("message");
    QTest::newRow("no left side") << ""
                                  << " B"
                                  << "Neni zadana leva strana";
    QTest::newRow("no right side") << "  C"
                                   << ""
                                   << "Neni zadana prava strana";
    QTest::newRow("nothing at all") << ""
                                    << ""
                                    << "Neni zadana leva strana";
    QTest::newRow("the same attribute twice")
        << "A CA"
        << "B"
        << "Stejny atribut nelze zadat na leve strane dvakrat";
  }

  void insertRefusalsKeepThePickedChoices() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, message);
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    DependencyEditorDialog& editor = Open(t);
    Pick(editor, left.toStdString(), right.toStdString());
    const QList<int> before = PickerChoices(editor);
    Click(editor, "Button_Insert");
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text, message);
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(PickerChoices(editor), before);
    QCOMPARE(Lines(editor), QStringList());
  }

  void theThirtiethLineIsAcceptedTheThirtyFirstRefused() {
    TestBench t;
    t.schema().SetAttributes(Names("ABCD"));
    DependencyEditorDialog& editor = Open(t);
    Insert(editor, "A", "BCD");  // one line, three records
    for (int i = 1; i < 30; ++i)
      Insert(editor, "B", "C");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Lines(editor).size(), 30);
    Insert(editor, "C", "D");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kTooMany});
    QCOMPARE(Lines(editor).size(), 30);
    QCOMPARE(PickerChoices(editor), QList<int>({3, 0, 0, 0, 0, 4, 0, 0}));
    Click(editor, "Button_OK");
    QCOMPARE(t.schema().dependencies().size(), std::size_t{32});
  }

  void selectingAndErasingLines() {
    TestBench t;
    t.schema().SetAttributes(Names("ABCD"));
    t.schema().ReplaceDependencies(Deps("A->B; B->C; C->D; D->A"));
    DependencyEditorDialog& editor = Open(t);

    QTest::mouseClick(LineFields(editor)[1], Qt::LeftButton);
    QCOMPARE(Look(editor), QStringLiteral(".Ybb"));

    // No keeps everything.
    t.platform.answers.push_back(MessageAnswer::No);
    Click(editor, "Erase");
    QCOMPARE(t.platform.messages.back().caption, kCaption);
    QCOMPARE(t.platform.messages.back().text,
             QStringLiteral("Chcete skutecne smazat tuto zavislost?"));
    QCOMPARE(t.platform.messages.back().buttons, MessageButtons::YesNo);
    QCOMPARE(Lines(editor).size(), 4);

    // Erasing a middle line moves the later texts up; the same position
    // stays selected and now stands for the next row.
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    QCOMPARE(Lines(editor), QStringList({"A -> B", "C -> D", "D -> A"}));
    QCOMPARE(Look(editor), QStringLiteral(".Yb"));

    // Erasing the last line selects the one before it.
    QTest::mouseClick(LineFields(editor)[2], Qt::LeftButton);
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    QCOMPARE(Lines(editor), QStringList({"A -> B", "C -> D"}));
    QCOMPARE(Look(editor), QStringLiteral(".Y"));

    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    QCOMPARE(Lines(editor), QStringList({"A -> B"}));
    QCOMPARE(Look(editor), QStringLiteral("Y"));
    QCOMPARE(t.platform.unansweredQuestions, 0);

    Click(editor, "Button_OK");
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B"));
    QVERIFY(t.schema().dirty());
  }

  void erasingTheOnlyLineLeavesNothingToErase() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    DependencyEditorDialog& editor = Open(t);
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    QCOMPARE(Lines(editor), QStringList());
    Click(editor, "Erase");
    QCOMPARE(t.platform.messages.size(), std::size_t{2});
    QCOMPARE(t.platform.messages[1].text, QStringLiteral("Neni co mazat"));
    QCOMPARE(t.platform.messages[1].buttons, MessageButtons::Ok);

    // An empty schema starts with nothing to erase as well.
    TestBench empty;
    Click(Open(empty), "Erase");
    QCOMPARE(empty.platform.MessageTexts(), std::vector<QString>{"Neni co mazat"});
  }

  void newLinesTakeTheSelection() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    t.schema().ReplaceDependencies(Deps("A->B; B->C"));
    DependencyEditorDialog& editor = Open(t);
    Insert(editor, "C", "A");
    QCOMPARE(Lines(editor), QStringList({"A -> B", "B -> C", "C ->  A"}));
    QCOMPARE(Look(editor), QStringLiteral(".bY"));
    QCOMPARE(LineFields(editor)[2]->y(), 7 + 64);
  }

  void longDependenciesWidenEveryLine() {
    TestBench t;
    AttributeTable names;
    for (int k = 0; k < 4; ++k)
      names[k] = std::string("Atribut_dlouhy") + char('A' + k);
    t.schema().SetAttributes(names);
    t.schema().ReplaceDependencies(Deps("ABC->D; A->B"));
    DependencyEditorDialog& editor = Open(t);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QList<WrappingField*> lines = LineFields(editor);
    QCOMPARE(lines.size(), 2);
    for (WrappingField* line : lines) {
      QVERIFY2(line->width() >= line->OneLineWidth(), qPrintable(line->text()));
      QCOMPARE(line->width(), lines[0]->width());
    }
    QVERIFY(Find<QFrame>(editor, "Panel1")->rect().contains(lines[0]->geometry()));
  }

  void pagingAppearsAtElevenLines() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    DependencyEditorDialog& editor = Open(t);
    auto* upDown = Find<QWidget>(editor, "UpDown1");
    for (int i = 0; i < 10; ++i)
      Insert(editor, "A", "B");
    QVERIFY(upDown->isHidden());
    Insert(editor, "A", "B");
    QVERIFY(!upDown->isHidden());

    // Scrolling moves every line by one pitch and stays within the lines.
    const auto top = [&editor](int line) { return LineFields(editor)[line]->y(); };
    Click(*upDown, "UpDown1Up");
    QCOMPARE(top(0), 7 - 32);
    QCOMPARE(top(10), 7 + 32 * 9);
    for (int i = 0; i < 20; ++i)
      Click(*upDown, "UpDown1Up");
    QCOMPARE(top(0), 7 - 32 * 10);  // position 10 is the last line
    for (int i = 0; i < 20; ++i)
      Click(*upDown, "UpDown1Down");
    QCOMPARE(top(0), 7);

    // Erasing down to ten lines leaves the arrows until the next Pridat.
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    QVERIFY(!upDown->isHidden());
    Insert(editor, "B", "A");
    Insert(editor, "B", "A");
    t.platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Click(editor, "Erase");
    Click(editor, "Erase");
    QCOMPARE(Lines(editor).size(), 10);
    QVERIFY(!upDown->isHidden());
    Insert(editor, "B", "A");
    QVERIFY(!upDown->isHidden());  // eleven again
    t.platform.answers = {MessageAnswer::Yes};
    Click(editor, "Erase");
    Click(editor, "Cancel");
    t.schema().ReplaceDependencies(
        Deps("A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B; A->B"));
    Open(t);
    QVERIFY(upDown->isHidden());
  }

  void aNewLineBelowThePanelIsScrolledIntoView() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    DependencyEditorDialog& editor = Open(t);
    auto* panel = Find<QFrame>(editor, "Panel1");
    for (int i = 0; i < 20; ++i) {
      Insert(editor, "A", "B");
      const QRect line = LineFields(editor).back()->geometry();
      QVERIFY2(line.top() >= 0 && line.bottom() < panel->height(), qPrintable(QString::number(i)));
    }
    // Scrolling back shows the layout of the first lines again.
    for (int i = 0; i < 20; ++i)
      Click(editor, "UpDown1Down");
    QCOMPARE(LineFields(editor)[0]->y(), 7);
  }

  void moreThanThirtyRecordsAreAllShown() {
    TestBench t;
    std::string text = "A->B";
    for (int i = 1; i < 32; ++i)
      text += "; A->B";
    t.schema().Load(Names("ABCD"), Deps(text + "; C->D"), QString());
    DependencyEditorDialog& editor = Open(t);
    QCOMPARE(Lines(editor).size(), 33);
    QCOMPARE(Lines(editor).back(), QStringLiteral("C -> D"));
    QVERIFY(!Find<QWidget>(editor, "UpDown1")->isHidden());
    Insert(editor, "B", "C");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>{kTooMany});
    Click(editor, "Button_OK");
    QCOMPARE(t.schema().dependencies().size(), std::size_t{33});
    QVERIFY(!t.schema().dirty());
  }

  void okWithoutChangesListsButLeavesDirtyClear() {
    TestBench t;
    t.schema().Load(Names("ABC"), Deps("AB->C; C->A"), QString());
    DependencyEditorDialog& editor = Open(t);
    Click(editor, "Button_OK");
    QVERIFY(!editor.isVisible());
    QCOMPARE(Log(t), QStringList({"A + B -> C", "C -> A", "----------------------"}));
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("AB->C; C->A"));
    QVERIFY(!t.schema().dirty());
    // Closing removed the lines; the next opening builds them afresh.
    QCOMPARE(Lines(editor), QStringList());
    Open(t);
    QCOMPARE(Lines(editor).size(), 2);
  }

  void okListsTheNewRecordsInOrder() {
    TestBench t;
    t.schema().SetAttributes(Names("ABC"));
    t.schema().ReplaceDependencies(Deps("C->A"));
    DependencyEditorDialog& editor = Open(t);
    Insert(editor, "BA", "C B");
    Click(editor, "Button_OK");
    QCOMPARE(Log(t), QStringList({"C -> A", "A + B -> C", "A + B -> B", "----------------------"}));
    QVERIFY(t.schema().dirty());
  }

  void cancelAfterAdditionsChangesNothing() {
    TestBench t;
    t.schema().Load(Names("ABC"), Deps("C->A"), QString());
    const Dependency* record = &t.schema().dependencies().front();
    DependencyEditorDialog& editor = Open(t);
    Insert(editor, "A", "B");
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    Click(editor, "Cancel");
    QVERIFY(!editor.isVisible());
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("C->A"));
    QCOMPARE(&t.schema().dependencies().front(), record);
    QVERIFY(!t.schema().dirty());
    QCOMPARE(Log(t), QStringList());
  }

  void theMainWindowPreparesAndRunsTheEditorModally() {
    TestBench t;
    t.schema().SetAttributes(Names("AB"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    DependencyEditorDialog& editor = t.windows.dependencyEditor();
    bool sawEditor = false;
    QTimer::singleShot(0, [&] {
      sawEditor = QApplication::activeModalWidget() == &editor;
      QCOMPARE(Lines(editor), QStringList({"A -> B"}));
      Insert(editor, "B", "A");
      Click(editor, "Button_OK");
    });
    Find<QAction>(t.main(), "a_dependencies")->trigger();
    QVERIFY(sawEditor);
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B; B->A"));
    QVERIFY(t.schema().dirty());
  }

  void theTextTabAndTheRowsShowOneListAndARefusalKeepsTheText() {
    TestBench t;
    t.schema().SetAttributes(Names("ABCD"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    DependencyEditorDialog& editor = Open(t);
    auto* tabs = Find<QTabWidget>(editor, "TabWidget_Dependencies");
    auto* memo = Find<QPlainTextEdit>(editor, "Memo_DependencyText");
    auto* refusal = Find<QLabel>(editor, "Label_TextRefusal");
    Insert(editor, "C", "D");
    tabs->setCurrentIndex(1);
    QCOMPARE(memo->toPlainText(), QStringLiteral("A -> B\nC -> D\n"));

    const QString wrong = QStringLiteral("A -> B\nB, C -> A, D\nA -> Zakaznil\n");
    Type(*memo, wrong);
    tabs->setCurrentIndex(0);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(refusal->text(), QStringLiteral("radek 3, sloupec 6: neznamy atribut Zakaznil"));
    QCOMPARE(memo->toPlainText(), wrong);
    QCOMPARE(memo->extraSelections().size(), 1);
    QCOMPARE(memo->extraSelections().front().cursor.blockNumber(), 2);
    QCOMPARE(memo->textCursor().blockNumber(), 2);
    QCOMPARE(memo->textCursor().positionInBlock(), 5);
    Click(editor, "Button_OK");
    QVERIFY(editor.isVisible());
    QCOMPARE(Lines(editor), QStringList({"A -> B", "C ->  D"}));
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("A->B"));

    Type(*memo, QStringLiteral("A -> B\nB, C -> A, D\n"));
    tabs->setCurrentIndex(0);
    QCOMPARE(refusal->text(), QString());
    QCOMPARE(Lines(editor), QStringList({"A -> B", "B + C -> A", "B + C -> D"}));
    t.platform.answers.push_back(MessageAnswer::Yes);
    Click(editor, "Erase");
    tabs->setCurrentIndex(1);
    QCOMPARE(memo->toPlainText(), QStringLiteral("B, C -> A\nB, C -> D\n"));

    Type(*memo, QStringLiteral("D -> A, C"));
    Click(editor, "Button_OK");
    QVERIFY(!editor.isVisible());
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("D->A; D->C"));
    QVERIFY(t.schema().dirty());

    // A refused text cancelled leaves nothing for the next opening.
    Open(t);
    tabs->setCurrentIndex(1);
    Type(*memo, wrong);
    tabs->setCurrentIndex(0);
    Click(editor, "Cancel");
    Open(t);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(Lines(editor), QStringList({"D -> A", "D -> C"}));
    tabs->setCurrentIndex(1);
    QCOMPARE(refusal->text(), QString());
    QCOMPARE(memo->toPlainText(), QStringLiteral("D -> A\nD -> C\n"));
  }
};

QTEST_MAIN(DependencyEditorTest)
#include "tst_dependency_editor.moc"
