#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "DecompositionTreeView.h"
#include "DecompositionWindow.h"
#include "Display.h"
#include "GuiTestSupport.h"
#include "Legibility.h"
#include "SchemaText.h"
#include "WrappingField.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");

// Loads the schema into the main window and runs its decomposition command.
DecompositionWindow& Open(TestBench& t, const std::string& letters, const std::string& deps) {
  t.schema().SetAttributes(Names(letters));
  t.schema().ReplaceDependencies(Deps(deps));
  Find<QAction>(t.main(), "a_dekomposition")->trigger();
  return t.windows.decompositionWindow();
}

// The field of a tree slot.
WrappingField* Field(DecompositionWindow& w, int slot) {
  return Find<WrappingField>(w, qPrintable(QStringLiteral("Edit%1").arg(slot + 1)));
}

// The field of the k-th added or projection schema, from 1; null when there
// is none.
WrappingField* Added(DecompositionWindow& w, int k) {
  return w.findChild<WrappingField*>(QStringLiteral("Edit_Add%1").arg(k));
}
WrappingField* Projection(DecompositionWindow& w, int k) {
  return w.findChild<WrappingField*>(QStringLiteral("Edit_Dec_Proj%1").arg(k));
}

void DoubleClick(QWidget* widget) {
  QTest::mouseDClick(widget, Qt::LeftButton);
}

// The dependency rows shown, in tag order.
QList<WrappingField*> Rows(DecompositionWindow& w) {
  QList<WrappingField*> rows;
  for (int i = 1;; ++i) {
    auto* row = w.findChild<WrappingField*>(QStringLiteral("Edit_Dep%1").arg(i));
    if (row == nullptr) return rows;
    rows << row;
  }
}

WrappingField* Row(DecompositionWindow& w, const QString& text) {
  for (WrappingField* row : Rows(w)) {
    if (Unbreakable(row->text()) == text) return row;
  }
  qFatal("row %s not found", qPrintable(text));
}

// Shows slot `slot` and double-clicks its row `text`.
void Split(DecompositionWindow& w, int slot, const QString& text) {
  DoubleClick(Field(w, slot));
  DoubleClick(Row(w, text));
}

QStringList Lines(DecompositionWindow& w, const char* memo) {
  return MemoLines(*Find<QPlainTextEdit>(w, memo));
}

QColor PixelOf(DecompositionWindow& w, QPoint at) {
  return Find<DecompositionTreeView>(w, "Frame_Decomposition_Tree1")
      ->grab()
      .toImage()
      .pixelColor(at);
}

// Whether a connector leaves the node's box downwards.
bool Joined(DecompositionWindow& w, int node) {
  const QRect box = Field(w, node)->geometry();
  return PixelOf(w, QPoint(box.center().x(), box.bottom() + 2)) == colours::ButtonFace();
}

// Whether a connector runs into the top of the slot's box.
bool JoinedFromAbove(DecompositionWindow& w, int slot) {
  const QRect box = Field(w, slot)->geometry();
  return PixelOf(w, QPoint(box.center().x(), box.top() - 3)) == colours::ButtonFace();
}

// The window on the bundled schema of twenty long names.
DecompositionWindow& OpenLargeSchema(TestBench& t) {
  t.main().show();
  t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
  Find<QAction>(t.main(), "a_open_file")->trigger();
  Find<QAction>(t.main(), "a_dekomposition")->trigger();
  return t.windows.decompositionWindow();
}

}  // namespace

class DecompositionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void commandsCarryCaptionsAndHints() {
    TestBench t;
    DecompositionWindow& w = t.windows.decompositionWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Dekompozice"));
    struct Expected {
      const char* name;
      const char* caption;
      const char* hint;
    } expected[] = {
        {"a_dekomposice", "&Dekompozice", "Dekomponovat schema"},
        {"a_projekce", "&Projekce", "Pridat projekce"},
        {"a_nepokrytezavislosti", "&Nepokryte zavislosti", "Pridat nepokryte zavislosti"},
        {"a_print_all", "&Tisk", "Zobrazi postup pro tisk"},
        {"a_print_selected", "&Vysledna schemata", "Zobrazi vysledna schemata"},
        {"a_konec", "&Zavri", ""},
    };
    for (const Expected& e : expected) {
      auto* action = Find<QAction>(w, e.name);
      QCOMPARE(action->text(), QString::fromLatin1(e.caption));
      QCOMPARE(action->statusTip(), QString::fromLatin1(e.hint));
    }
    QStringList menus;
    for (QAction* a : Find<QMenuBar>(w, "MainMenu1")->actions()) {
      QStringList items{a->text()};
      if (a->menu() != nullptr) {
        for (QAction* item : a->menu()->actions())
          items << item->objectName();
      }
      menus << items.join(QLatin1Char(' '));
    }
    QCOMPARE(menus, QStringList(
                        {"&Algoritmy a_dekomposice a_projekce a_nepokrytezavislosti  a_undo a_redo",
                         "&Tisk a_print_all a_print_selected", "&Zavri"}));
    auto* projection = Find<QPushButton>(w, "Projection");
    QCOMPARE(projection->text(), QStringLiteral("&Projekce"));
    QCOMPARE(projection->toolTip(), QStringLiteral("Pridat projekce"));
    auto* addDep = Find<QPushButton>(w, "Button_Add_Dep");
    QCOMPARE(addDep->text(), QStringLiteral("&Nepokryte zavislosti"));
    QCOMPARE(addDep->toolTip(), QStringLiteral("Pridat nepokryte zavislosti"));
    QCOMPARE(Find<QGroupBox>(w, "Group_Add_Dep")->title(), QStringLiteral("Pridana schemata:"));
    QCOMPARE(Find<QGroupBox>(w, "Group_Projekce")->title(), QStringLiteral("Projekce:"));

    Find<QAction>(w, "a_dekomposice")->trigger();
    QCOMPARE(t.platform.messages.size(), std::size_t{1});
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].text,
             QStringLiteral("Nejprve dvojite kliknete na schema v hornicasti obrazovky. Pote "
                            "kliknutim na jednu ze zavislosti, ktera porusuje 3NF (BCNF), v dolni "
                            "casti schematu dekomponujte schema"));
  }

  void theWholeSchemasDetailsShowEveryKeyWithoutScrollingSideways() {
    TestBench t;
    DecompositionWindow& w = OpenLargeSchema(t);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect opened = w.geometry();
    DoubleClick(Field(w, 0));
    // The window took the room of the widest details before it was shown:
    // nothing moves away from the pointer.
    QCOMPARE(w.geometry(), opened);
    QCOMPARE(Find<QLabel>(w, "Label_Shown")->text(), QStringLiteral("Puvodni schema"));
    // Keys too long for the room left wrap instead of scrolling sideways, and
    // the rows and memos still leave the window within the screen.
    for (const char* memo : {"Memo_ABC", "Memo_Keys"})
      QCOMPARE(Find<QPlainTextEdit>(w, memo)->horizontalScrollBar()->maximum(), 0);
    const QStringList faults = LegibilityFaults(w);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  void aFullTreeOfLongNamesKeepsBoxesLabelsAndConnectorsApart() {
    TestBench t;
    DecompositionWindow& w = OpenLargeSchema(t);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Splits every node by its first violating dependency, breadth first;
    // each tree on the way is legible too, as boxes grow where others stood.
    for (int slot = 0; slot < 7; ++slot) {
      if (!Field(w, slot)->isVisible()) continue;
      DoubleClick(Field(w, slot));
      for (WrappingField* row : Rows(w)) {
        if (row->isEnabled() && row->isVisible()) {
          DoubleClick(row);
          break;
        }
      }
      const QStringList faults = LegibilityFaults(w);
      QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
    // The tree reaches its lowest level.
    bool deepest = false;
    for (int slot = 7; slot < 15; ++slot)
      deepest = deepest || Field(w, slot)->isVisible();
    QVERIFY(deepest);
    // Every box shows its members whole, on as many lines as they take.
    for (int slot = 0; slot < 15; ++slot) {
      const WrappingField* box = Field(w, slot);
      if (box->isVisible())
        QVERIFY2(box->heightForWidth(box->width()) <= box->height(), qPrintable(box->text()));
    }
    QVERIFY(Field(w, 0)->height() > 2 * Field(w, 0)->fontMetrics().height());
    for (int slot = 1; slot < 15; ++slot) {
      if (!Field(w, slot)->isVisible()) continue;
      const int parent = (slot - 1) / 2;
      QVERIFY(Joined(w, parent));
      QVERIFY2(JoinedFromAbove(w, slot), qPrintable(QString::number(slot)));
      QVERIFY(Field(w, slot)->y() >
              Find<QLabel>(w, qPrintable(QStringLiteral("Label_Frame_%1").arg(parent + 1)))
                  ->geometry()
                  .bottom());
      // The box's tooltip names its members and, for a split one, how.
      QVERIFY(Field(w, slot)->toolTip().startsWith(Field(w, slot)->text()));
      if (slot < 7 && !Find<QLabel>(w, qPrintable(QStringLiteral("Label_Frame_%1").arg(slot + 1)))
                           ->text()
                           .isEmpty()) {
        QVERIFY(Field(w, slot)->toolTip().contains(QStringLiteral("Nahrazeno")));
        QVERIFY(Field(w, slot)->font().italic());
      }
    }
  }

  void loadShowsTheRootOnly() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    QVERIFY(w.isVisible());
    WrappingField* root = Field(w, 0);
    QVERIFY(root->isVisible());
    QVERIFY(root->isEnabled());
    QCOMPARE(root->text(), QStringLiteral("A; B; C; "));
    QCOMPARE(Background(*root), colours::SchemaOrange);
    QVERIFY(!Find<QLabel>(w, "Label_No_15")->isVisible());
    for (int slot = 1; slot < TreeSlots; ++slot) {
      QVERIFY(!Field(w, slot)->isVisible());
      QVERIFY(!Field(w, slot)->isEnabled());
      QCOMPARE(Background(*Field(w, slot)), colours::White);
    }
    QVERIFY(!Find<QGroupBox>(w, "Group_Add_Dep")->isVisible());
    QVERIFY(!Find<QGroupBox>(w, "Group_Projekce")->isVisible());
    QVERIFY(Rows(w).isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_ABC")->isEnabled());
    QCOMPARE(Find<QLabel>(w, "Label1")->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::Dark));
  }

  void aSchemaWithoutDependenciesHidesTheRoot() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "");
    QVERIFY(!Field(w, 0)->isVisible());
    QCOMPARE(Field(w, 0)->text(), QStringLiteral("A; B; C; "));
  }

  void doubleClickShowsTheSchema() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCD", "A->B; B->C; AB->D; C->B");
    DoubleClick(Field(w, 0));
    const QList<WrappingField*> rows = Rows(w);
    QStringList texts;
    for (WrappingField* row : rows)
      texts << Unbreakable(row->text());
    QCOMPARE(texts, QStringList({"A -> B", "B -> C", "A + B -> D", "C -> B"}));
    // The only key is A: A -> B and A + B -> D hold it, B -> C and C -> B
    // have a non-prime right-hand side.
    QCOMPARE(Background(*rows[0]), colours::ButtonFace());
    QVERIFY(!rows[0]->isEnabled());
    QCOMPARE(Background(*rows[1]), colours::RowYellow);
    QVERIFY(rows[1]->isEnabled());
    QVERIFY(!rows[2]->isEnabled());
    QCOMPARE(Background(*rows[3]), colours::RowYellow);
    for (int i = 0; i < rows.size(); ++i) {
      QCOMPARE(rows[i]->geometry(), QRect(20, 3 + 28 * i, 267, 25));
      QCOMPARE(rows[i]->property("tag").toInt(), i);
      QCOMPARE(rows[i]->toolTip(),
               Unbreakable(rows[i]->text()) +
                   QStringLiteral("\nZelena zavislost porusuje BCNF, zluta treti NF"));
      QCOMPARE(rows[i]->font().pointSize(), 10);
      QCOMPARE(rows[i]->parentWidget()->objectName(), QStringLiteral("Panel_Dep"));
    }
    QCOMPARE(Lines(w, "Memo_ABC"), QStringList({"A", "B", "C", "D", "--------------"}));
    QCOMPARE(Lines(w, "Memo_Keys"), QStringList({"A ", "-------------"}));
    QCOMPARE(Find<QLabel>(w, "Label2")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(Background(*Find<QPlainTextEdit>(w, "Memo_Keys")), colours::White);
    QVERIFY(!Find<QWidget>(w, "UpDown1")->isVisible());

    // Showing it again gives the same rows, not twice as many.
    DoubleClick(Field(w, 0));
    QCOMPARE(Rows(w).size(), 4);
    QCOMPARE(Lines(w, "Memo_ABC").size(), 5);
  }

  void greenRowsViolateOnlyBcnf() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "AB->C; C->B");
    DoubleClick(Field(w, 0));
    QCOMPARE(Background(*Row(w, "C -> B")), colours::BcnfGreen);
    QVERIFY(Row(w, "C -> B")->isEnabled());
    QCOMPARE(Background(*Field(w, 0)), colours::RowYellow);

    TestBench bcnf;
    DecompositionWindow& v = Open(bcnf, "AB", "A->B; B->A");
    QCOMPARE(Background(*Field(v, 0)), colours::Light3D());
    DoubleClick(Field(v, 0));
    for (WrappingField* row : Rows(v))
      QVERIFY(!row->isEnabled());
  }

  void splittingFillsTheChildren() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    QVERIFY(!Joined(w, 0));
    DoubleClick(Field(w, 0));
    // A disabled row takes no double-click.
    DoubleClick(Row(w, "A -> B"));
    QVERIFY(!Field(w, 1)->isVisible());

    DoubleClick(Row(w, "B -> C"));
    QCOMPARE(Field(w, 1)->text(), QStringLiteral("B; C; "));
    QCOMPARE(Field(w, 2)->text(), QStringLiteral("A; B; "));
    for (int slot : {1, 2}) {
      QVERIFY(Field(w, slot)->isVisible());
      QVERIFY(Field(w, slot)->isEnabled());
      QCOMPARE(Background(*Field(w, slot)), colours::Light3D());
    }
    auto* one = Find<QLabel>(w, "Label_No_1");
    auto* two = Find<QLabel>(w, "Label_No_2");
    QCOMPARE(one->text(), QStringLiteral("1"));
    QCOMPARE(two->text(), QStringLiteral("2"));
    QVERIFY(one->isVisible() && two->isVisible());
    QCOMPARE(Find<QLabel>(w, "Label_Frame_1")->text(), QStringLiteral("B -> C"));
    QVERIFY(Joined(w, 0));
    QVERIFY(JoinedFromAbove(w, 1));
    QVERIFY(JoinedFromAbove(w, 2));
    // The details still show the root.
    QCOMPARE(Rows(w).size(), 2);

    DoubleClick(Field(w, 1));
    QCOMPARE(Lines(w, "Memo_ABC"), QStringList({"B", "C", "--------------"}));
    QCOMPARE(Lines(w, "Memo_Keys"), QStringList({"B ", "-------------"}));
  }

  void aTallerWindowShowsNoEmptyBandBelowTheTree() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    Split(w, 0, "B -> C");
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(w.width(), w.height() + 200);
    QVERIFY(Find<QScrollArea>(w, "ScrollBox_Tree")->viewport()->height() <=
            Find<QWidget>(w, "Frame_Decomposition_Tree1")->minimumHeight());
  }

  void undoAndRedoShowTheTreeTheyRestore() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEF", "A->B; B->C; C->D; D->E; E->F");
    Split(w, 0, "D -> E");
    Split(w, 2, "B -> C");
    QAction* undo = Find<QAction>(w, "a_undo");
    undo->trigger();
    QVERIFY(!Field(w, 5)->isVisible());
    QCOMPARE(Field(w, 2)->text(), QStringLiteral("A; B; C; D; "));
    QVERIFY(!Joined(w, 2));
    // The details of slot 2 stay, and its rows split it again.
    DoubleClick(Row(w, "B -> C"));
    QVERIFY(Field(w, 5)->isVisible());
    undo->trigger();
    Find<QAction>(w, "a_redo")->trigger();
    QVERIFY(Field(w, 5)->isVisible());
    QVERIFY(Joined(w, 2));
  }

  void reDecompositionAsksAndEmptiesTheSubtree() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEF", "A->B; B->C; C->D; D->E; E->F");
    Split(w, 0, "D -> E");
    Split(w, 2, "B -> C");
    QVERIFY(Field(w, 5)->isVisible());
    QVERIFY(Joined(w, 2));

    DoubleClick(Field(w, 0));
    t.platform.answers = {MessageAnswer::Cancel};
    DoubleClick(Row(w, "B -> C"));
    QCOMPARE(t.platform.messages.back().text,
             QStringLiteral("Chcete rozlozit schema podle teto zavislosti?"));
    QCOMPARE(t.platform.messages.back().buttons, MessageButtons::OkCancel);
    QCOMPARE(t.platform.messages.back().caption, kCaption);
    QVERIFY(Field(w, 5)->isVisible());
    QCOMPARE(Field(w, 1)->text(), QStringLiteral("D; E; F; "));

    t.platform.answers = {MessageAnswer::Ok};
    DoubleClick(Row(w, "B -> C"));
    QCOMPARE(Field(w, 1)->text(), QStringLiteral("B; C; D; E; F; "));
    QCOMPARE(Find<QLabel>(w, "Label_No_1")->text(), QStringLiteral("5"));
    for (int slot : {5, 6}) {
      QVERIFY(!Field(w, slot)->isVisible());
      QVERIFY(!Find<QLabel>(w, qPrintable(QStringLiteral("Label_No_%1").arg(slot)))->isVisible());
    }
    QCOMPARE(Find<QLabel>(w, "Label_Frame_3")->text(), QString());
    QVERIFY(!Joined(w, 2));

    // The same row again: nothing, not even a question.
    const std::size_t shown = t.platform.messages.size();
    DoubleClick(Row(w, "B -> C"));
    QCOMPARE(t.platform.messages.size(), shown);
  }

  void aLeafOfTheLowestLevelCannotBeSplit() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEF", "A->B; B->C; C->D; D->E; E->F");
    Split(w, 0, "E -> F");  // 1 = EF, 2 = ABCDE
    Split(w, 2, "D -> E");  // 5 = DE, 6 = ABCD
    Split(w, 6, "C -> D");  // 13 = CD, 14 = ABC
    QCOMPARE(Field(w, 14)->text(), QStringLiteral("A; B; C; "));
    QCOMPARE(Background(*Field(w, 14)), colours::SchemaOrange);
    QVERIFY(t.platform.messages.empty());
    Split(w, 14, "B -> C");
    QCOMPARE(t.platform.MessageTexts(),
             std::vector<QString>({"Schema uz neni mozno v tomto okne rozlozit"}));
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(Find<QLabel>(w, "Label_Frame_7")->text(), QStringLiteral("C -> D"));
  }

  void pagingMovesTheRowsByOneRow() {
    TestBench t;
    DecompositionWindow& w =
        Open(t, "ABCDEFGHIJK", "A->B; A->C; A->D; A->E; A->F; A->G; A->H; A->I; A->J");
    DoubleClick(Field(w, 0));
    QCOMPARE(Rows(w).size(), 9);
    QVERIFY(!Find<QWidget>(w, "UpDown1")->isVisible());

    TestBench ten;
    DecompositionWindow& v =
        Open(ten, "ABCDEFGHIJK", "A->B; A->C; A->D; A->E; A->F; A->G; A->H; A->I; A->J; A->K");
    DoubleClick(Field(v, 0));
    auto* upDown = Find<QWidget>(v, "UpDown1");
    QVERIFY(upDown->isVisible());
    QVERIFY(upDown->isEnabled());
    auto* up = Find<QToolButton>(*upDown, "Up");
    auto* down = Find<QToolButton>(*upDown, "Down");
    const QList<WrappingField*> rows = Rows(v);
    QCOMPARE(rows.size(), 10);

    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3 - 28);
    QCOMPARE(rows[9]->y(), 3 + 28 * 8);
    for (int i = 0; i < 8; ++i)
      QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(rows[9]->y(), 3);
    // Past the last row nothing moves.
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(rows[9]->y(), 3);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(rows[9]->y(), 3 + 28);
    for (int i = 0; i < 8; ++i)
      QTest::mouseClick(down, Qt::LeftButton);
    for (int i = 0; i < rows.size(); ++i)
      QCOMPARE(rows[i]->geometry(), QRect(20, 3 + 28 * i, 267, 25));
    // Below position 0 the layout stays as it is.
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(rows[0]->y(), 3);
  }

  void bothOperationsNeedADecomposition() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(w, "Projection"), Qt::LeftButton);
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>({"Jeste jsi nedekomponoval schema",
                                                              "Jeste jsi nedekomponoval shcema"}));
    for (const MessageCall& m : t.platform.messages) {
      QCOMPARE(m.caption, kCaption);
      QCOMPARE(m.buttons, MessageButtons::Ok);
    }
  }

  void addedAndProjectionSchemasAppearInTheirRows() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEF", "E->D; D->B; F->B; F->A; AB->F");
    Split(w, 0, "E -> D");
    Split(w, 2, "F -> A");
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QVERIFY(t.platform.messages.empty());
    QVERIFY(Find<QGroupBox>(w, "Group_Add_Dep")->isVisible());
    QCOMPARE(Added(w, 1)->text(), QStringLiteral("B; F; "));
    QCOMPARE(Added(w, 2)->text(), QStringLiteral("A; B; F; "));
    QCOMPARE(Added(w, 3), nullptr);
    auto* number = Find<QLabel>(w, "Label_Num_Add1");
    QCOMPARE(number->text(), QStringLiteral("5"));
    QCOMPARE(Background(*number), colours::ButtonFace());
    QCOMPARE(Background(*Added(w, 2)), colours::Light3D());

    // Show the second added schema, then merge it into a projection.
    DoubleClick(Added(w, 2));
    QCOMPARE(Rows(w).size(), 3);
    QTest::mouseClick(Find<QPushButton>(w, "Projection"), Qt::LeftButton);
    QVERIFY(Find<QGroupBox>(w, "Group_Projekce")->isVisible());
    QCOMPARE(Find<QLabel>(w, "Label_Num_Proj1")->text(), QStringLiteral("Schema 6+3+5"));
    QCOMPARE(Projection(w, 1)->text(), QStringLiteral("A; B; F; "));
    // Absorbed schemas keep their place.
    QVERIFY(Added(w, 2)->isVisible());
    QCOMPARE(Rows(w).size(), 3);
  }

  // A split by A -> B loses the eight dependencies B + x -> y: each gets a
  // schema of its own, more than one line of the group holds.
  void everyLostDependencyGetsAnAddedSchema() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEFGHIJKLMNOPQR",
                                  "A->B; BC->D; BE->F; BG->H; BI->J; BK->L; BM->N; BO->P; BQ->R");
    Split(w, 0, "A -> B");
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(Added(w, 8)->text(), QStringLiteral("B; Q; R; "));
    QCOMPARE(Find<QLabel>(w, "Label_Num_Add8")->text(), QStringLiteral("10"));
    QVERIFY(Added(w, 8)->y() > Added(w, 7)->y());
    QCOMPARE(Added(w, 9), nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList faults = LegibilityFaults(w);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  void theUncoveredSearchAsksBeforeTheProjectionGoes() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCD", "CA->D; A->D; C->D");
    Split(w, 0, "C + A -> D");  // 1 = ACD, 2 = ABC
    Split(w, 1, "A -> D");      // 3 = AD, 4 = AC
    QTest::mouseClick(Find<QPushButton>(w, "Projection"), Qt::LeftButton);
    QCOMPARE(Find<QLabel>(w, "Label_Num_Proj1")->text(), QStringLiteral("Schema 2+4"));
    DoubleClick(Projection(w, 1));
    QCOMPARE(Lines(w, "Memo_ABC"), QStringList({"A", "B", "C", "--------------"}));

    const QString question =
        QStringLiteral("Schemata vytvorena projekci zmizi. Prejete si pokracovat?");
    t.platform.answers = {MessageAnswer::No};
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QCOMPARE(t.platform.MessageTexts(), std::vector<QString>({question}));
    QCOMPARE(t.platform.messages.back().buttons, MessageButtons::YesNo);
    QVERIFY(Projection(w, 1)->isVisible());
    QVERIFY(!Find<QGroupBox>(w, "Group_Add_Dep")->isVisible());
    QCOMPARE(Lines(w, "Memo_ABC").size(), 4);

    t.platform.answers = {MessageAnswer::Yes};
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QCOMPARE(Projection(w, 1), nullptr);
    QVERIFY(!Find<QGroupBox>(w, "Group_Projekce")->isVisible());
    QCOMPARE(Added(w, 1)->text(), QStringLiteral("C; D; "));
    QCOMPARE(Find<QLabel>(w, "Label_Num_Add1")->text(), QStringLiteral("5"));
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_ABC")->isEnabled());

    // The projection may run again.
    QTest::mouseClick(Find<QPushButton>(w, "Projection"), Qt::LeftButton);
    QCOMPARE(Find<QLabel>(w, "Label_Num_Proj1")->text(), QStringLiteral("Schema 2+4"));
    QVERIFY(Projection(w, 1)->isVisible());
  }

  void vanishingSchemasQuestionGuardsTheStep() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCDEF", "E->D; D->B; F->B; F->A; AB->F");
    Split(w, 0, "E -> D");
    Split(w, 2, "F -> A");
    QTest::mouseClick(Find<QPushButton>(w, "Button_Add_Dep"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(w, "Projection"), Qt::LeftButton);
    const QString question = QStringLiteral(
        "Schemata vytvorena pridanim nepokrytych zavislosti a projekci zmizi. Prejete si "
        "pokracovat?");

    t.platform.answers = {MessageAnswer::No};
    Split(w, 1, "D -> B");
    QCOMPARE(t.platform.messages.back().text, question);
    QCOMPARE(t.platform.messages.back().buttons, MessageButtons::YesNo);
    QVERIFY(Added(w, 1)->isVisible());
    QVERIFY(Projection(w, 1)->isVisible());
    QVERIFY(!Field(w, 3)->isVisible());

    t.platform.answers = {MessageAnswer::Yes};
    DoubleClick(Row(w, "D -> B"));
    QCOMPARE(t.platform.messages.back().text, question);
    QCOMPARE(Added(w, 1), nullptr);
    QCOMPARE(Projection(w, 1), nullptr);
    QVERIFY(!Find<QGroupBox>(w, "Group_Add_Dep")->isVisible());
    QVERIFY(!Find<QGroupBox>(w, "Group_Projekce")->isVisible());
    QCOMPARE(Field(w, 3)->text(), QStringLiteral("B; D; "));
    QCOMPARE(Find<QLabel>(w, "Label_No_3")->text(), QStringLiteral("7"));
  }

  void reportsGoToThePrintWindow() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    const QString rule(42, QLatin1Char('-'));
    const QStringList root = {" ",
                              "SCHEMA 0:",
                              " ",
                              "ATRIBUTY:",
                              " ",
                              "A ;B ;C ;",
                              " ",
                              "ZAVISLOSTI:",
                              " ",
                              "A -> B",
                              "B -> C",
                              " ",
                              "KLICE:",
                              " ",
                              "A ",
                              " ",
                              "NORMALNI FORMA:",
                              " ",
                              " Schema je ve druhe normalni forme",
                              " ",
                              rule,
                              rule};
    QCOMPARE(PrintedReport(t, w, "a_print_selected"), root);
    QCOMPARE(PrintedReport(t, w, "a_print_all"), QStringList{"PUVODNI SCHEMA:"} + root);

    Split(w, 0, "B -> C");
    const QStringList report = PrintedReport(t, w, "a_print_all");
    QCOMPARE(report.count(QStringLiteral(
                 "Nasledujici schema vzniklo dekompozici schematu 0 podle zavislosti B -> C")),
             2);
    QVERIFY(report.contains(QStringLiteral("SCHEMA 2:")));
    const QStringList results = PrintedReport(t, w, "a_print_selected");
    QVERIFY(!results.contains(QStringLiteral("SCHEMA 0:")));
    QCOMPARE(results.count(QStringLiteral(" Schema je v BCNF")), 2);
    QVERIFY(t.platform.messages.empty());
  }

  void anEmptySchemaHasNothingToPrint() {
    TestBench t;
    DecompositionWindow& w = Open(t, "", "");
    for (const char* action : {"a_print_selected", "a_print_all"}) {
      bool shown = true;
      PrintedReport(t, w, action, &shown);
      QVERIFY(!shown);
    }
    QCOMPARE(t.platform.MessageTexts(),
             std::vector<QString>({"Nejsou otevrena zadna schemata k tisku",
                                   "Nejsou otevrena zadna schemata k tisku"}));
  }

  void closingResetsTheWindow() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABC", "A->B; B->C");
    Split(w, 0, "B -> C");
    Find<QAction>(w, "a_konec")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(Rows(w).isEmpty());
    QVERIFY(Lines(w, "Memo_ABC").isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(w, "Memo_Keys")->isEnabled());
    QCOMPARE(Find<QLabel>(w, "Label_Frame_1")->text(), QString());

    Find<QAction>(t.main(), "a_dekomposition")->trigger();
    QVERIFY(Field(w, 0)->isVisible());
    QVERIFY(!Field(w, 1)->isVisible());
    QVERIFY(!Field(w, 2)->isVisible());
    QVERIFY(!Joined(w, 0));
    // Numbering starts again.
    Split(w, 0, "B -> C");
    QCOMPARE(Find<QLabel>(w, "Label_No_1")->text(), QStringLiteral("1"));
  }

  void theMainWindowMayReplaceItsListsMeanwhile() {
    TestBench t;
    DecompositionWindow& w = Open(t, "ABCD", "A->B; B->C; AC->D");
    DoubleClick(Field(w, 0));
    // New frees the main window's lists while the window stays open; the
    // schema set up here is not kept.
    t.platform.answers.push_back(MessageAnswer::No);
    Find<QAction>(t.main(), "a_new")->trigger();
    QVERIFY(t.schema().dependencies().empty());
    DoubleClick(Row(w, "B -> C"));
    QCOMPARE(Field(w, 2)->text(), QStringLiteral("A; B; D; "));
    DoubleClick(Field(w, 2));
    QCOMPARE(Rows(w).size(), 2);
    QCOMPARE(Unbreakable(Rows(w)[1]->text()), QStringLiteral("A -> D"));

    // Opening again shows the new schema and forgets the old details.
    t.schema().SetAttributes(Names("XY"));
    t.schema().ReplaceDependencies(Deps("A->B"));
    Find<QAction>(t.main(), "a_dekomposition")->trigger();
    QVERIFY(Rows(w).isEmpty());
    QCOMPARE(Field(w, 0)->text(), QStringLiteral("X; Y; "));
  }
};

QTEST_MAIN(DecompositionWindowTest)
#include "tst_decomposition_window.moc"
