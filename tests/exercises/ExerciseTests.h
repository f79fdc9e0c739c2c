#pragma once

// Shared steps of the exercise window tests.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <string>

#include "Display.h"
#include "GuiTestSupport.h"
#include "SchemaText.h"

inline const QString kProgramCaption = QStringLiteral("Schemario");

// The verdicts on a whole answer: right; wrong where it may still be
// corrected; wrong where the solution shows at once.
inline const QString kRightAnswer = QStringLiteral("Gratuluji! Vase odpoved je spravna");
inline const QString kCorrectIt =
    QStringLiteral("Ve vasi odpovedi jsou chyby, chcete je jeste opravit?");
inline const QString kWrongAnswer = QStringLiteral("Ve vasi odpovedi byly chyby.");

// Installs a schema written as letters and "AB->C; C->A" in the live schema.
inline void LoadSchema(TestBench& t, const std::string& letters, const std::string& deps) {
  t.schema().SetAttributes(Names(letters));
  t.schema().ReplaceDependencies(Deps(deps));
}

// Chooses a main menu entry (or any action of the main window) by name.
inline void Choose(TestBench& t, const char* action) {
  Find<QAction>(t.main(), action)->trigger();
}

// Clicks near the left end, where a tick box has its indicator.
inline void Click(QAbstractButton* button) {
  QVERIFY(button->isVisible());
  const QPoint at(std::min(8, button->width() / 2), button->height() / 2);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// The controls of one kind placed directly on `parent`, top to bottom, then
// left to right.
template <typename T>
std::vector<T*> Placed(QWidget& parent) {
  std::vector<T*> found;
  for (T* child : parent.findChildren<T*>(QString(), Qt::FindDirectChildrenOnly))
    found.push_back(child);
  std::sort(found.begin(), found.end(), [](const T* a, const T* b) {
    return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
  });
  return found;
}

inline QStringList Captions(const std::vector<QCheckBox*>& boxes) {
  QStringList out;
  for (const QCheckBox* box : boxes)
    out << box->text();
  return out;
}

// "1" for a ticked box, "0" for an unticked one, in order.
template <typename Box>
QString Ticks(const std::vector<Box*>& boxes) {
  QString out;
  for (const Box* box : boxes)
    out += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
  return out;
}

// "R" for a box whose caption is red, "." otherwise.
template <typename Box>
QString RedMarks(const std::vector<Box*>& boxes) {
  QString out;
  for (const Box* box : boxes) {
    const bool red = box->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    out += red ? QLatin1Char('R') : QLatin1Char('.');
  }
  return out;
}

// "V" for a visible control, "." for a hidden one, in order.
template <typename W>
QString Shown(const std::vector<W*>& widgets) {
  QString out;
  for (const W* w : widgets)
    out += w->isVisible() ? QLatin1Char('V') : QLatin1Char('.');
  return out;
}

inline QStringList Lines(QPlainTextEdit* memo) {
  const QString text = Unbreakable(memo->toPlainText());
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// Whether the whole control lies in the visible part of its window's
// scrolling client area, so that it is clicked without scrolling.
inline bool InView(const QWidget& control) {
  const QWidget* window = control.window();
  const QWidget* viewport = window->findChild<QWidget*>("Canvas")->parentWidget();
  const QWidget* within = viewport->isAncestorOf(&control) ? viewport : window;
  return within->rect().contains(QRect(control.mapTo(within, QPoint(0, 0)), control.size()));
}

// Checks that exactly one message box was shown since the last call, with
// the program's caption, and forgets it.
inline void ExpectOneMessage(TestBench& t, const QString& text, MessageButtons buttons) {
  QCOMPARE(t.platform.messages.size(), std::size_t{1});
  QCOMPARE(t.platform.messages[0].caption, kProgramCaption);
  QCOMPARE(t.platform.messages[0].text, text);
  QCOMPARE(t.platform.messages[0].buttons, buttons);
  t.platform.messages.clear();
}

// The three columns of the closure and maximal set exercises, their frames
// and buttons; `TaskControl` is what the task column is made of.
template <typename TaskControl>
struct AnswerColumnsView {
  QWidget& w;

  QFrame* Frame(const char* name) const { return Find<QFrame>(w, name); }
  QPushButton* Button(const char* name) const { return Find<QPushButton>(w, name); }
  std::vector<TaskControl*> Task() const { return Placed<TaskControl>(*Rows("Panel1")); }
  std::vector<QCheckBox*> Answer() const { return Placed<QCheckBox>(*Rows("Panel_odpoved")); }
  std::vector<QCheckBox*> Solution() const { return Placed<QCheckBox>(*Rows("Panel_reseni")); }
  // The controls of a column stand on rows of their own inside it.
  QWidget* Rows(const char* column) const {
    return Find<QWidget>(*Frame(column), (std::string("Rows_") + column).c_str());
  }
  // Which of the frames behind the task, answer and solution column show.
  QString Frames() const {
    return Shown(std::vector<QFrame*>{Frame("Panel_BckGr_1"), Frame("Panel_BckGr_odpoved"),
                                      Frame("Panel_BckGr_reseni")});
  }
  // The window's height, the heights of the columns and of their frames,
  // and the tops of OK, Button_Odpoved and Button_Novy.
  QList<int> Heights() const {
    return QList<int>{w.height(),
                      Frame("Panel1")->height(),
                      Frame("Panel_odpoved")->height(),
                      Frame("Panel_reseni")->height(),
                      Frame("Panel_BckGr_1")->height(),
                      Frame("Panel_BckGr_odpoved")->height(),
                      Frame("Panel_BckGr_reseni")->height(),
                      Button("OK")->y(),
                      Button("Button_Odpoved")->y(),
                      Button("Button_Novy")->y()};
  }
};

// The top-level window of that objectName, if there is one.
inline QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name) return w;
  }
  return nullptr;
}

// Every exercise window: the main menu entry that opens it, its objectName,
// the action that checks the answer (or its button where there is no
// action), and the action that resets it (none where closing does).
struct ExerciseEntry {
  const char* name;
  const char* hubAction;
  const char* window;
  const char* check;
  const char* reset;
};

inline constexpr ExerciseEntry kExercises[] = {
    {"closure", "Uzaver1", "Form_Test_Closure", "a_spravnaOdpoved", "a_clear"},
    {"maximal sets", "Maximalnimnoziny2", "Form_Test_MaxSet", "a_spravnaOdpoved", "a_clear"},
    {"keys", "Klice2", "Form_Test_Keys", "a_spravnaOdpoved", "a_clear"},
    {"redundant attributes", "Redundantniatributy2", "Form_Test_RedAtr", "a_spravnaodpoved",
     "a_clear"},
    {"redundant dependencies", "Redundantnizavislosti2", "Form_Test_RedDep", "a_spravnaodpoved",
     "a_clear"},
    {"decomposition", "Dekompozice1", "Form_Test_Decomposition", "a_spravnaodpoved", "a_clear"},
    {"own decomposition", "VlastniDekompozice1", "Form_Test_Own_Decomposition", "Button_Vyhodnotit",
     ""},
};

// The columns of a table of exercises: the main menu entry that opens one,
// and its window's objectName.
inline void AddExerciseColumns() {
  QTest::addColumn<QString>("hubAction");
  QTest::addColumn<QString>("window");
}

// Opens the exercise of the current data row; its window, or nullptr where
// there is none.
inline QWidget* OpenExercise(TestBench& t) {
  QFETCH(QString, hubAction);
  QFETCH(QString, window);
  Choose(t, hubAction.toLatin1().constData());
  return TopLevel(window);
}

// What the exercise shows of its verdicts: its running score, or the
// evaluation of the decomposition as it stands.
inline QString Verdict(QWidget& exercise) {
  if (auto* score = exercise.findChild<QLabel*>(QStringLiteral("Label_Score")))
    return score->text();
  return Find<QPlainTextEdit>(exercise, "Memo_Vysledek")->toPlainText();
}

// Brings an exercise to an answer that can be checked: the first attribute
// is fixed as A, or made a part of its own.
inline void StartAnswering(QWidget& exercise) {
  if (auto* tasks = exercise.findChild<QWidget*>(QStringLiteral("Rows_Panel1"))) {
    tasks->findChildren<QAbstractButton*>().front()->click();
    Find<QPushButton>(exercise, "OK")->click();
  }
  if (auto* parts = exercise.findChild<QWidget*>(QStringLiteral("GB_atributy"))) {
    parts->findChildren<QAbstractButton*>().front()->click();
    Find<QPushButton>(exercise, "Button_Pridat")->click();
  }
}
