#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "Display.h"
#include "GuiTestSupport.h"
#include "ReportWindow.h"
#include "SchemaText.h"
#include "Synthesis.h"
#include "SynthesisWindow.h"
#include "WrappingField.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");
const QString kSplitFirst = QStringLiteral("Nejprve rozlozte schema podle levych stran");
const QString kNoEquivalentKeys = QStringLiteral(" Zadna schemata nemaji ekvivalentni klice");
const QString kNoProjection = QStringLiteral("Zadna schemata nejsou projekci");
const QString kQuestion =
    QStringLiteral("Schemata vytvorena projekci zmizi. Lze je ziskat znovu tlacitkem 'Projekce'.");

// Puts the schema into the main window and runs its synthesis command.
SynthesisWindow& Open(TestBench& t, const char* names, const char* deps) {
  t.schema().SetAttributes(Names(names));
  t.schema().ReplaceDependencies(Deps(deps));
  Find<QAction>(t.main(), "a_synthesis")->trigger();
  return t.windows.synthesisWindow();
}

void Click(QWidget& window, const char* button) {
  QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
}

void DoubleClick(QWidget& window, const char* field) {
  QTest::mouseDClick(Find<QWidget>(window, field), Qt::LeftButton);
}

QLineEdit* Field(QWidget& window, const char* name) {
  return Find<QLineEdit>(window, name);
}

// The original schema's field.
WrappingField* Original(QWidget& window) {
  return Find<WrappingField>(window, "Edit_Schema_1");
}

QString LabelText(QWidget& window, const char* name) {
  return Find<QLabel>(window, name)->text();
}

bool Shown(QWidget* widget) {
  return !widget->isHidden();
}

// The dependency rows shown in the lower part, in order.
QList<WrappingField*> Rows(QWidget& window) {
  QList<WrappingField*> rows;
  for (int i = 1;; ++i) {
    auto* row = Find<QWidget>(window, "Panel_Dep")
                    ->findChild<WrappingField*>(QStringLiteral("Edit_Dep%1").arg(i));
    if (row == nullptr) return rows;
    rows << row;
  }
}

template <typename Field>
QStringList Texts(const QList<Field*>& fields) {
  QStringList out;
  for (Field* f : fields)
    out << Unbreakable(f->text());
  return out;
}

QStringList ToTexts(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines)
    out << ToText(line);
  return out;
}

}  // namespace

class SynthesisWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void captionsHintsAndControls() {
    TestBench t;
    SynthesisWindow& w = t.windows.synthesisWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Synteza"));
    struct Expected {
      const char* action;
      const char* button;
      const char* caption;
      const char* hint;
    };
    const Expected expected[] = {
        {"a_LS_stejne", "Button_LS", "Rozlozeni podle stejnych &levych stran",
         "Rozlozi na schemta podle stejnych levych stran zavislosti"},
        {"a_EkvK", "Button_EkvK", "&Ekvivalentni klice", "Slouci schemata s ekvivalentnimi klici"},
        {"a_projekce", "Button_Proj", "&Projekce", "Slouci schemata, ktera jsou projekci"},
        {"a_printall", nullptr, "&Tisk", "Vytiskne vsechna schemata"},
        {"a_print_selected", nullptr, "&Vysledna schemata", "Vytiskne vysledna schemata"},
        {"a_konec", nullptr, "&Konec", ""},
    };
    for (const Expected& e : expected) {
      auto* action = Find<QAction>(w, e.action);
      QCOMPARE(action->text(), QString::fromLatin1(e.caption));
      QCOMPARE(action->statusTip(), QString::fromLatin1(e.hint));
      if (e.button != nullptr) {
        auto* button = Find<QPushButton>(w, e.button);
        QCOMPARE(button->text(), QString::fromLatin1(e.caption));
        QCOMPARE(button->toolTip(), QString::fromLatin1(e.hint));
      }
    }

    auto* bar = Find<QMenuBar>(w, "MainMenu1");
    QStringList menus, algoritmy, tisk;
    for (QAction* a : bar->actions())
      menus << a->text();
    for (QAction* a : bar->actions()[0]->menu()->actions())
      algoritmy << a->objectName();
    for (QAction* a : bar->actions()[1]->menu()->actions())
      tisk << a->objectName();
    QCOMPARE(menus, QStringList({"&Algoritmy", "Tisk", "&Konec"}));
    QCOMPARE(algoritmy, QStringList({"a_LS_stejne", "a_EkvK", "a_projekce"}));
    QCOMPARE(tisk, QStringList({"a_printall", "a_print_selected"}));

    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Puvodni schema:"},
        {"Label2", "Redundantni zavislosti a atributy byly vymazany jiz pred zobrazenim formulare"},
        {"Label_LS_Inic", "Stejne leve strany:"},
        {"Label_Ekv_Inic", "Ekvivalentni klice:"},
        {"Label_Proj_Inic", "Projekce:"},
        {"Label_S1", "Atributy:"},
        {"Label_S2", "Zavislosti:"},
        {"Label_S3", "Klice:"},
        {"Label_LS1", "1"},
        {"Label_LS12", "12"},
    };
    for (const auto& [name, text] : labels)
      QCOMPARE(LabelText(w, name), QString::fromLatin1(text));

    QStringList fields;
    for (int i = 1; i <= 12; ++i)
      fields << QStringLiteral("Edit_LS%1").arg(i);
    for (int i = 1; i <= 6; ++i)
      fields << QStringLiteral("Edit_EkvK%1").arg(i) << QStringLiteral("Edit_Proj%1").arg(i);
    for (const QString& name : fields) {
      auto* field = Find<QLineEdit>(w, qPrintable(name));
      QVERIFY(field->isReadOnly());
      QCOMPARE(field->toolTip(),
               QStringLiteral("Cervene schema je v 1 ci 2NF, zlute je schema v 3NF."));
      QVERIFY(!Shown(field));
    }
    QVERIFY(!Shown(Original(w)));
    QVERIFY(Original(w)->font().bold());
    QVERIFY(!Field(w, "Edit_LS1")->font().bold());
    for (const char* group : {"Group_LS", "Group_EkvK", "Group_Proj"})
      QCOMPARE(Find<QGroupBox>(w, group)->title(), QString());
  }

  void openingShowsTheReducedStartingSchema() {
    TestBench t;
    // Removing redundant dependencies, then attributes, would leave A -> C
    // behind.
    SynthesisWindow& w = Open(t, "ABC", "AC->B; B->C; A->C");
    QVERIFY(w.isVisible());
    QCOMPARE(Original(w)->text(), QStringLiteral("A; B; C; "));
    QCOMPARE(Background(*Original(w)), colours::SchemaOrange);
    for (const char* hidden : {"Group_LS", "Label_LS_Inic", "Group_EkvK", "Label_Ekv_Inic",
                               "Group_Proj", "Label_Proj_Inic", "UpDown1"}) {
      QVERIFY2(!Shown(Find<QWidget>(w, hidden)), hidden);
    }
    DoubleClick(w, "Edit_Schema_1");
    QCOMPARE(Texts(Rows(w)), QStringList({"A -> B", "B -> C"}));
    // The live schema keeps its three dependencies.
    QCOMPARE(DepsText(t.schema().dependencies()), std::string("AC->B; B->C; A->C"));
    QVERIFY(t.platform.messages.empty());

    // Records all trivial leave an empty cover: the schema is in BCNF.
    SynthesisWindow& plain = Open(t, "AB", "A->A");
    QCOMPARE(Background(*Original(plain)), colours::Light3D());
  }

  void aLongOriginalSchemaWrapsAboveTheLegend() {
    TestBench t;
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Find<QAction>(t.main(), "a_open_file")->trigger();
    Find<QAction>(t.main(), "a_synthesis")->trigger();
    SynthesisWindow& w = t.windows.synthesisWindow();
    WrappingField* field = Original(w);
    // Twenty long names take several lines, left of the notes and above the
    // legend, inside the panel that grew for them.
    QVERIFY(field->heightForWidth(field->width()) <= field->height());
    QVERIFY(field->height() > 2 * field->fontMetrics().height());
    QVERIFY(field->geometry().right() < Find<QLabel>(w, "Label2")->x());
    auto* top = Find<QWidget>(w, "Panel_Top");
    const QRect legend = Find<QWidget>(w, "Label_Legend")->geometry();
    QVERIFY(legend.top() > field->geometry().bottom());
    QVERIFY(top->rect().contains(legend));
    // The commands stand outside the scrolling content.
    auto* content = Find<QWidget>(w, "ScrollBox_Content");
    for (const char* command : {"Button_LS", "Button_EkvK", "Button_Proj", "Button_Diagram"})
      QVERIFY2(!content->isAncestorOf(Find<QWidget>(w, command)), command);
  }

  void splitShowsTheSchemasByLeftHandSides() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCD", "A->B; C->D");
    Click(w, "Button_LS");
    QVERIFY(Shown(Find<QGroupBox>(w, "Group_LS")));
    QVERIFY(Shown(Find<QLabel>(w, "Label_LS_Inic")));
    // The main window's copy runs A -> B, C -> D; the key A, C is added.
    QCOMPARE(
        Texts(QList<QLineEdit*>{Field(w, "Edit_LS1"), Field(w, "Edit_LS2"), Field(w, "Edit_LS3")}),
        QStringList({"A; B; ", "C; D; ", "A; C; "}));
    for (const char* name : {"Edit_LS1", "Edit_LS2", "Edit_LS3"}) {
      QVERIFY(Shown(Field(w, name)));
      QVERIFY(Field(w, name)->isEnabled());
      QCOMPARE(Background(*Field(w, name)), colours::Light3D());
    }
    for (const char* name : {"Label_LS1", "Label_LS2", "Label_LS3"})
      QVERIFY(Shown(Find<QLabel>(w, name)));
    QVERIFY(!Shown(Field(w, "Edit_LS4")));
    QVERIFY(!Shown(Find<QLabel>(w, "Label_LS4")));
    QVERIFY(t.platform.messages.empty());

    Click(w, "Button_LS");
    QCOMPARE(t.platform.messages.size(), std::size_t(1));
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text,
             QStringLiteral("Rozlozeni schematu podle levych stran je jiz zobrazeno"));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(!Shown(Field(w, "Edit_LS4")));
  }

  void splitOfABcnfSchemaShowsAnEmptyGroup() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABC", "A->B; A->C");
    Click(w, "Button_LS");
    QVERIFY(Shown(Find<QGroupBox>(w, "Group_LS")));
    QVERIFY(!Shown(Field(w, "Edit_LS1")));
    QCOMPARE(Background(*Original(w)), colours::Light3D());
  }

  // A chain of fifteen attributes splits into fourteen schemas: the row
  // makes fields past the first twelve, takes the window's spare height to
  // show them without scrolling, and each new field shows its own schema.
  void longSplitGrowsTheRowAndScrolls() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCDEFGHIJKLMNO",
                              "A->B; B->C; C->D; D->E; E->F; F->G; G->H; H->I; I->J; J->K; K->L; "
                              "L->M; M->N; N->O");
    Click(w, "Button_LS");
    QVERIFY(t.platform.messages.empty());
    QStringList texts;
    for (int i = 1; i <= 14; ++i) {
      QLineEdit* field = Field(w, qPrintable(QStringLiteral("Edit_LS%1").arg(i)));
      QVERIFY(Shown(field));
      QCOMPARE(LabelText(w, qPrintable(QStringLiteral("Label_LS%1").arg(i))), QString::number(i));
      texts << field->text();
    }
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("Edit_LS15")) == nullptr ||
            !Shown(Field(w, "Edit_LS15")));
    texts.sort();
    QCOMPARE(texts.first(), QStringLiteral("A; B; "));
    QCOMPARE(texts.last(), QStringLiteral("N; O; "));
    QTRY_COMPARE(Find<QScrollArea>(w, "ScrollBox_LS")->verticalScrollBar()->maximum(), 0);
    DoubleClick(w, "Edit_LS14");
    const QStringList memo = Find<QPlainTextEdit>(w, "Memo_ABC")->toPlainText().split('\n');
    QCOMPARE(memo.mid(0, 2).join(QStringLiteral("; ")) + QStringLiteral("; "),
             Field(w, "Edit_LS14")->text());

    // A smaller schema afterwards leaves the extra fields hidden.
    SynthesisWindow& small = Open(t, "ABC", "A->B; B->C");
    Click(small, "Button_LS");
    QVERIFY(!Shown(Field(small, "Edit_LS13")));
  }

  // The cells take as many columns as their box holds, and set themselves
  // out again when the window's width changes.
  void cellsFollowTheWidthOfTheWindow() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCDE", "A->B; B->C; C->D; D->E");
    Click(w, "Button_LS");
    QTRY_COMPARE(Field(w, "Edit_LS4")->y(), Field(w, "Edit_LS1")->y());
    // As narrow as the commands above allow.
    w.resize(w.minimumSizeHint().width(), w.height());
    QTRY_VERIFY(Field(w, "Edit_LS4")->y() > Field(w, "Edit_LS1")->y());
    auto* scroll = Find<QScrollArea>(w, "ScrollBox_LS");
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QVERIFY(Field(w, "Edit_LS2")->geometry().right() < scroll->viewport()->width());
  }

  void buttonsInAndOutOfOrder() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCD", "A->B; B->A; A->C; C->D");
    Click(w, "Button_EkvK");
    Click(w, "Button_Proj");
    Click(w, "Button_LS");
    Click(w, "Button_EkvK");
    QVERIFY(Shown(Find<QGroupBox>(w, "Group_EkvK")));
    QVERIFY(Shown(Find<QLabel>(w, "Label_Ekv_Inic")));
    QCOMPARE(LabelText(w, "Label_EkvK1"), QStringLiteral("Schema 4: 1+3"));
    QVERIFY(Shown(Find<QLabel>(w, "Label_EkvK1")));
    QCOMPARE(Field(w, "Edit_EkvK1")->text(), QStringLiteral("A; B; C; "));
    QCOMPARE(Background(*Field(w, "Edit_EkvK1")), colours::Light3D());
    QVERIFY(!Shown(Field(w, "Edit_EkvK2")));
    // Replaced schemas stay in view.
    QVERIFY(Shown(Field(w, "Edit_LS1")));
    Click(w, "Button_EkvK");
    Click(w, "Button_Proj");
    Click(w, "Button_Proj");
    QCOMPARE(
        t.platform.MessageTexts(),
        std::vector<QString>({kSplitFirst, kSplitFirst,
                              QStringLiteral("Sjednoceni schemat podle ekvivalentnich klicu je jiz "
                                             "zobrazeno"),
                              kNoProjection, kNoProjection}));
    for (const MessageCall& m : t.platform.messages) {
      QCOMPARE(m.caption, kCaption);
      QCOMPARE(m.buttons, MessageButtons::Ok);
    }
    QVERIFY(!Shown(Find<QGroupBox>(w, "Group_Proj")));
  }

  void mergeWithoutEquivalentKeysSaysSoTwice() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABC", "A->B; B->C");
    Click(w, "Button_LS");
    Click(w, "Button_EkvK");
    Click(w, "Button_EkvK");
    QCOMPARE(t.platform.MessageTexts(),
             std::vector<QString>({kNoEquivalentKeys, kNoEquivalentKeys}));
    QVERIFY(!Shown(Find<QGroupBox>(w, "Group_EkvK")));
  }

  void projectionAndTheQuestionOfTheMerge_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
  }

  void projectionAndTheQuestionOfTheMerge() {
    QFETCH(bool, yes);
    TestBench t;
    // The main window's copy: A -> B, C -> D, B -> A, A -> C; slot 3 is A, B.
    SynthesisWindow& w = Open(t, "ABCD", "A->B; A->C; B->A; C->D");
    Click(w, "Button_LS");
    Click(w, "Button_Proj");
    QVERIFY(Shown(Find<QGroupBox>(w, "Group_Proj")));
    QVERIFY(Shown(Find<QLabel>(w, "Label_Proj_Inic")));
    QCOMPARE(LabelText(w, "Label_Proj1"), QStringLiteral("Schema 4: 1+3"));
    QCOMPARE(Field(w, "Edit_Proj1")->text(), QStringLiteral("A; B; C; "));
    Click(w, "Button_Proj");
    QCOMPARE(t.platform.MessageTexts(),
             std::vector<QString>({QStringLiteral(" Zobrazeni projekce je jiz zobrazeno")}));

    t.platform.Reset();
    t.platform.answers.push_back(yes ? MessageAnswer::Yes : MessageAnswer::No);
    Click(w, "Button_EkvK");
    QVERIFY(!t.platform.messages.empty());
    QCOMPARE(t.platform.messages[0].text, kQuestion);
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::YesNo);
    if (yes) {
      // The projection is undone and its schemas merge instead.
      QCOMPARE(t.platform.messages.size(), std::size_t(1));
      QVERIFY(!Shown(Find<QGroupBox>(w, "Group_Proj")));
      QVERIFY(!Shown(Field(w, "Edit_Proj1")));
      QVERIFY(!Shown(Find<QLabel>(w, "Label_Proj1")));
      QCOMPARE(LabelText(w, "Label_EkvK1"), QStringLiteral("Schema 4: 1+3"));
    } else {
      // Slots 1 and 3 stay absorbed, so nothing is left to merge.
      QCOMPARE(t.platform.MessageTexts(), std::vector<QString>({kQuestion, kNoEquivalentKeys}));
      QVERIFY(Shown(Field(w, "Edit_Proj1")));
      QVERIFY(!Shown(Find<QGroupBox>(w, "Group_EkvK")));
    }
  }

  void doubleClickShowsTheSchemaDetails() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCD", "AB->C; C->B; C->D");
    for (const char* heading : {"Label_S1", "Label_S2", "Label_S3"}) {
      QCOMPARE(Find<QLabel>(w, heading)->palette().color(QPalette::WindowText),
               QApplication::palette().color(QPalette::Dark));
    }
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_ABC")->isEnabled());

    // The main window's copy runs A + B -> C, C -> D, C -> B.
    DoubleClick(w, "Edit_Schema_1");
    const QList<WrappingField*> rows = Rows(w);
    QCOMPARE(Texts(rows), QStringList({"A + B -> C", "C -> D", "C -> B"}));
    // BCNF, violating 3NF, 3NF only.
    QCOMPARE(Background(*rows[0]), colours::ButtonFace());
    QVERIFY(!rows[0]->isEnabled());
    QCOMPARE(Background(*rows[1]), colours::RowYellow);
    QVERIFY(rows[1]->isEnabled());
    QCOMPARE(Background(*rows[2]), colours::BcnfGreen);
    QVERIFY(rows[2]->isEnabled());
    for (int i = 0; i < rows.size(); ++i) {
      QCOMPARE(rows[i]->geometry(), QRect(20, 3 + 28 * i, 250, 25));
      QCOMPARE(rows[i]->toolTip(), QStringLiteral("Zluta zavislost porusuje 3NF, zelena BCNF"));
      QCOMPARE(rows[i]->property("tag").toInt(), i);
    }
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(w, "Memo_ABC")),
             QStringList({"A", "B", "C", "D", "--------------"}));
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(w, "Memo_Keys")),
             QStringList({"A B ", "A C ", "-------------"}));
    for (const char* heading : {"Label_S1", "Label_S2", "Label_S3"})
      QCOMPARE(Find<QLabel>(w, heading)->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(Find<QWidget>(w, "UpDown1")->isEnabled());
    QVERIFY(!Shown(Find<QWidget>(w, "UpDown1")));

    // A split schema: the rows are built afresh, its members packed.
    Click(w, "Button_LS");
    DoubleClick(w, "Edit_LS2");
    QCOMPARE(Texts(Rows(w)), QStringList({"C -> D", "C -> B"}));
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(w, "Memo_ABC")),
             QStringList({"B", "C", "D", "--------------"}));
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(w, "Memo_Keys")),
             QStringList({"C ", "-------------"}));

    // A key schema has no dependencies: no rows, paging disabled.
    SynthesisWindow& keys = Open(t, "ABCD", "A->B; C->D");
    Click(keys, "Button_LS");
    DoubleClick(keys, "Edit_LS3");
    QVERIFY(Rows(keys).isEmpty());
    QVERIFY(!Find<QWidget>(keys, "UpDown1")->isEnabled());
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(keys, "Memo_Keys")),
             QStringList({"A C ", "-------------"}));

    // A constant attribute alone: the key is the empty set, in words.
    SynthesisWindow& constant = Open(t, "A", "->A");
    DoubleClick(constant, "Edit_Schema_1");
    QCOMPARE(Texts(Rows(constant)), QStringList({"{} -> A"}));
    QCOMPARE(MemoLines(*Find<QPlainTextEdit>(constant, "Memo_Keys")),
             QStringList({"prazdna mnozina", "-------------"}));
  }

  void pagingFromTenRows() {
    TestBench t;
    SynthesisWindow& nine =
        Open(t, "ABCDEFGHIJ", "A->B; A->C; A->D; A->E; A->F; A->G; A->H; A->I; A->J");
    DoubleClick(nine, "Edit_Schema_1");
    QCOMPARE(Rows(nine).size(), 9);
    QVERIFY(!Shown(Find<QWidget>(nine, "UpDown1")));

    SynthesisWindow& w =
        Open(t, "ABCDEFGHIJK", "A->B; A->C; A->D; A->E; A->F; A->G; A->H; A->I; A->J; A->K");
    DoubleClick(w, "Edit_Schema_1");
    const QList<WrappingField*> rows = Rows(w);
    QCOMPARE(rows.size(), 10);
    QVERIFY(Shown(Find<QWidget>(w, "UpDown1")));
    auto* up = Find<QToolButton>(w, "UpDown1Up");
    auto* down = Find<QToolButton>(w, "UpDown1Down");
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3 - 28);
    QCOMPARE(rows[9]->y(), 3 + 28 * 8);
    // Up to the last row; one more press moves nothing.
    for (int i = 0; i < 9; ++i)
      QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3 - 28 * 9);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3 - 28 * 8);
    for (int i = 0; i < 8; ++i)
      QTest::mouseClick(down, Qt::LeftButton);
    for (int i = 0; i < rows.size(); ++i)
      QCOMPARE(rows[i]->geometry(), QRect(20, 3 + 28 * i, 250, 25));
    // At position 0 the down arrow only lays the rows out again.
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3);
  }

  void reportsReachThePrintWindow() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABC", "A->B; B->C");
    const QString rule = QString(42, QLatin1Char('-'));
    // Before the split the starting schema is the only result.
    const QStringList start = {" ",           " ",
                               "ATRIBUTY:",   " ",
                               "A ;B ;C ;",   " ",
                               "ZAVISLOSTI:", " ",
                               "A -> B",      "B -> C",
                               " ",           "KLICE:",
                               " ",           "A ",
                               " ",           "NORMALNI FORMA:",
                               " ",           " Schema je ve druhe normalni forme",
                               " ",           rule,
                               rule};
    QCOMPARE(PrintedReport(t, w, "a_print_selected"), start);
    QCOMPARE(PrintedReport(t, w, "a_printall"), QStringList{"PUVODNI SCHEMA:"} + start);

    Click(w, "Button_LS");
    SynthesisSession split;
    split.load(t.schema().schema());
    split.splitByLeftSides();
    const QStringList results = PrintedReport(t, w, "a_print_selected");
    QCOMPARE(results, ToTexts(TextLines(split.resultReport())));
    QCOMPARE(results.mid(0, 2), QStringList({" ", "SCHEMA 1:"}));
    QCOMPARE(results.count(QStringLiteral("SCHEMA 2:")), 1);
    QVERIFY(!results.contains(QStringLiteral("SCHEMA :")));
    const QStringList course = PrintedReport(t, w, "a_printall");
    QCOMPARE(course, ToTexts(TextLines(split.courseReport())));
    QCOMPARE(
        course.count(QStringLiteral("Nasledujici schema vzniklo rozlozenim podle levych stran")),
        2);
    // The print window starts empty for the next report.
    QVERIFY(MemoLines(*Find<QPlainTextEdit>(t.windows.reportWindow(), "Memo1")).isEmpty());
    QVERIFY(t.platform.messages.empty());
  }

  void printingWithoutASchemaSaysSo() {
    TestBench t;
    SynthesisWindow& w = Open(t, "", "");
    Find<QAction>(w, "a_print_selected")->trigger();
    Find<QAction>(w, "a_printall")->trigger();
    const QString text = QStringLiteral("Nejsou otevrena zadna schemata k tisku");
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>({text, text}));
    QVERIFY(!t.windows.reportWindow().isVisible());
  }

  void closingResetsTheWindow() {
    TestBench t;
    SynthesisWindow& w = Open(t, "ABCD", "A->B; B->A; A->C; C->D");
    Click(w, "Button_LS");
    Click(w, "Button_EkvK");
    DoubleClick(w, "Edit_LS1");
    Find<QAction>(w, "a_konec")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(!Shown(Original(w)));
    QVERIFY(!Shown(Field(w, "Edit_LS1")));
    QVERIFY(!Shown(Find<QLabel>(w, "Label_EkvK1")));
    QVERIFY(Rows(w).isEmpty());
    QVERIFY(Find<QPlainTextEdit>(w, "Memo_ABC")->toPlainText().isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_Keys")->isEnabled());

    // Opened again, every step starts afresh.
    Find<QAction>(t.main(), "a_synthesis")->trigger();
    QVERIFY(w.isVisible());
    QVERIFY(!Shown(Find<QGroupBox>(w, "Group_LS")));
    QVERIFY(!Shown(Find<QGroupBox>(w, "Group_EkvK")));
    Click(w, "Button_LS");
    Click(w, "Button_EkvK");
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(LabelText(w, "Label_EkvK1"), QStringLiteral("Schema 4: 1+3"));
  }
};

QTEST_MAIN(SynthesisWindowTest)
#include "tst_synthesis_window.moc"
