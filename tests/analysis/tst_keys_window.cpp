#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "GuiTestSupport.h"
#include "KeysWindow.h"
#include "SchemaText.h"
#include "WrappingField.h"

namespace {

const QString kCaption = QStringLiteral("Schemario");

struct Field {
  QString text;
  QRect place;
};

// The key fields in the order they were created, where the window's layout
// put them in the window.
std::vector<Field> KeyFields(KeysWindow& window) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  std::vector<Field> fields;
  for (int k = 1;; ++k) {
    auto* field = window.findChild<WrappingField*>(QStringLiteral("KeyField%1").arg(k));
    if (field == nullptr) return fields;
    fields.push_back({field->text(), QRect(field->mapTo(&window, QPoint(0, 0)), field->size())});
  }
}

std::vector<QString> Texts(const std::vector<Field>& fields) {
  std::vector<QString> texts;
  texts.reserve(fields.size());
  for (const Field& f : fields)
    texts.push_back(f.text);
  return texts;
}

// The first key stands beside the button that found it, the further keys
// one below the other from the level of theirs, all in one column; empty
// when so.
QString Misplaced(KeysWindow& window, const std::vector<Field>& fields) {
  const QRect first = Find<QPushButton>(window, "Button_First_Key")->geometry();
  const QRect further = Find<QPushButton>(window, "Button_Lucchesi")->geometry();
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const QRect place = fields[k].place;
    const QString at = QStringLiteral("key %1 at %2,%3: ").arg(k).arg(place.x()).arg(place.y());
    if (place.left() <= first.right()) return at + QStringLiteral("not right of the buttons");
    if (place.left() != fields[0].place.left()) return at + QStringLiteral("out of the column");
    if (k == 0 && (place.center().y() < first.top() || place.center().y() > first.bottom()))
      return at + QStringLiteral("not beside its button");
    if (k == 1 && place.top() != further.top()) return at + QStringLiteral("not level");
    if (k > 1 && place.top() <= fields[k - 1].place.bottom())
      return at + QStringLiteral("not below the previous key");
  }
  return {};
}

}  // namespace

class KeysWindowTest : public QObject {
  Q_OBJECT

 private:
  KeysWindow& Open(TestBench& t, const std::string& names, const std::string& deps) {
    t.schema().SetAttributes(Names(names));
    t.schema().ReplaceDependencies(Deps(deps));
    Find<QAction>(t.main(), "a_keys")->trigger();
    return t.windows.keysWindow();
  }
  void First(KeysWindow& w) {
    QTest::mouseClick(Find<QPushButton>(w, "Button_First_Key"), Qt::LeftButton);
  }
  void Further(KeysWindow& w) {
    QTest::mouseClick(Find<QPushButton>(w, "Button_Lucchesi"), Qt::LeftButton);
  }

 private slots:
  void layoutAndCaption() {
    TestBench t;
    KeysWindow& w = Open(t, "AB", "");
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Schemario - Klice schematu"));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    auto* first = Find<QPushButton>(w, "Button_First_Key");
    auto* further = Find<QPushButton>(w, "Button_Lucchesi");
    QCOMPARE(first->text(), QStringLiteral("Zobraz prvni klic"));
    QCOMPARE(further->text(), QStringLiteral("Zobraz dalsi klice"));
    QVERIFY(first->isDefault());
    QVERIFY(KeyFields(w).empty());
  }

  void schemaWithoutDependencies() {
    TestBench t;
    KeysWindow& w = Open(t, "ABC", "");
    First(w);
    const std::vector<Field> fields = KeyFields(w);
    QCOMPARE(Texts(fields), std::vector<QString>{"A B C "});
    QCOMPARE(Misplaced(w, fields), QString());
    QCOMPARE(Find<WrappingField>(w, "KeyField1")->font().pointSize(), 12);
    // Every press answers again.
    Further(w);
    Further(w);
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{"Zadne dalsi klice schematu nejsou",
                                   "Zadne dalsi klice schematu nejsou"}));
    QCOMPARE(t.platform.messages[0].caption, kCaption);
    QCOMPARE(t.platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(KeyFields(w).size(), std::size_t{1});
  }

  void firstKeyTwiceGivesOneField() {
    TestBench t;
    KeysWindow& w = Open(t, "ABC", "A->B; B->C");
    First(w);
    First(w);
    QCOMPARE(Texts(KeyFields(w)), std::vector<QString>{"A "});
    QVERIFY(t.platform.messages.empty());
  }

  void threeKeysInTheOrderFound() {
    TestBench t;
    KeysWindow& w = Open(t, "ABC", "A->B; B->C; C->A");
    First(w);
    Further(w);
    const std::vector<Field> fields = KeyFields(w);
    QCOMPARE(Texts(fields), (std::vector<QString>{"C ", "B ", "A "}));
    QCOMPARE(Misplaced(w, fields), QString());
    // A second press adds nothing and says nothing.
    Further(w);
    QCOMPARE(KeyFields(w).size(), std::size_t{3});
    QVERIFY(t.platform.messages.empty());
  }

  void keysBelowTheWindowAreReachedByScrolling() {
    TestBench t;
    KeysWindow& w =
        Open(t, "ABCDEFGHIJ", "A->B; B->A; C->D; D->C; E->F; F->E; G->H; H->G; I->J; J->I");
    // The window opens at the size its keys need, and the button the student
    // clicks stays under the pointer.
    const QRect opened = w.geometry();
    First(w);
    Further(w);
    QCOMPARE(w.geometry(), opened);
    const std::vector<Field> fields = KeyFields(w);
    QCOMPARE(fields.size(), std::size_t{32});
    QCOMPARE(Misplaced(w, fields), QString());
    // The window keeps its size; the canvas reaches the last key.
    QVERIFY(w.height() < fields.back().place.bottom());
    auto* canvas = Find<QWidget>(w, "Canvas");
    QVERIFY(canvas->height() > fields.back().place.bottom());
  }

  // A window in the screen's corner, opened again on a schema whose keys
  // need more room, grows back into the screen instead of over its edge.
  void growingStaysOnTheScreen() {
    TestBench t;
    KeysWindow& w = Open(t, "AB", "");
    const QRect screen = w.screen()->availableGeometry();
    const QSize before = w.frameGeometry().size();
    w.move(screen.right() - before.width() + 1, screen.bottom() - before.height() + 1);
    t.platform.answers.push_back(MessageAnswer::No);
    t.platform.paths.push_back(QStringLiteral(SCHEMARIO_SAMPLES "/velke_schema.dbc"));
    Find<QAction>(t.main(), "a_open_file")->trigger();
    Find<QAction>(t.main(), "a_keys")->trigger();
    QVERIFY(w.width() > before.width());
    QVERIFY2(screen.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                .arg(w.frameGeometry().x())
                                                                .arg(w.frameGeometry().y())
                                                                .arg(w.frameGeometry().width())
                                                                .arg(w.frameGeometry().height())));
  }

  // Every attribute constant: the key is the empty set, in words.
  void emptyKey() {
    TestBench t;
    KeysWindow& w = Open(t, "AB", "->A; ->B");
    First(w);
    QCOMPARE(Texts(KeyFields(w)), std::vector<QString>{"prazdna mnozina"});
  }

  void messagesOfTheEmptyWindow() {
    TestBench t;
    KeysWindow& w = Open(t, "", "");
    Further(w);
    First(w);
    QCOMPARE(t.platform.MessageTexts(),
             (std::vector<QString>{" Nejprve musi byt vygenerovany prvni klic",
                                   " Nejsou zadana zadna data"}));
    QVERIFY(KeyFields(w).empty());
  }

  void openedAgainOnAChangedSchemaStartsAfresh() {
    TestBench t;
    KeysWindow& w = Open(t, "AB", "A->B");
    First(w);
    t.schema().ReplaceDependencies(Deps("B->A"));
    QVERIFY(Find<QLabel>(w, "Label_OutOfDate")->isVisible());
    Find<QAction>(t.main(), "a_keys")->trigger();
    QVERIFY(!Find<QLabel>(w, "Label_OutOfDate")->isVisible());
    QVERIFY(KeyFields(w).empty());
    First(w);
    QCOMPARE(Texts(KeyFields(w)), std::vector<QString>{"B "});
  }

  void closingAndReopeningStartsAfresh() {
    TestBench t;
    KeysWindow& w = Open(t, "ABCD", "AC->D; D->A; C->B; AB->C");
    First(w);
    Further(w);
    w.close();
    QVERIFY(KeyFields(w).empty());
    QVERIFY(w.findChildren<WrappingField*>().empty());

    KeysWindow& again = Open(t, "ABC", "A->B; B->A");
    First(again);
    Further(again);
    QCOMPARE(Texts(KeyFields(again)), (std::vector<QString>{"A C ", "B C "}));
    QCOMPARE(Misplaced(again, KeyFields(again)), QString());
  }

  void enterPressesTheDefaultButton() {
    TestBench t;
    KeysWindow& w = Open(t, "AB", "");
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(Texts(KeyFields(w)), std::vector<QString>{"A B "});
  }
};

QTEST_MAIN(KeysWindowTest)
#include "tst_keys_window.moc"
