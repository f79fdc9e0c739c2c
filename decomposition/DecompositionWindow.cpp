#include "DecompositionWindow.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

#include "DecompositionTreeView.h"
#include "Display.h"
#include "Legend.h"
#include "Reports.h"
#include "RowPanel.h"
#include "SchemaDetails.h"
#include "SchemaReport.h"
#include "ShownMark.h"
#include "UpDownControl.h"
#include "WrappingField.h"

namespace {

QString FieldHint() {
  return DecompositionWindow::tr("Cervene schema je v 1 ci 2 NF, zlute ve 3 NF.");
}
QString RowHint() {
  return DecompositionWindow::tr("Zelena zavislost porusuje BCNF, zluta treti NF");
}

// Layout of the window's content: the tree, the added and projection
// schemas below it and, at the bottom, the details of one schema.
constexpr int kMargin = 10;
constexpr int kContentWidth = kMargin + DecompositionTreeView::MinimumWidth + kMargin;
constexpr int kGroupWidth = DecompositionTreeView::MinimumWidth;
constexpr int kDetailHeight = 258;
constexpr int kMemoAbcWidth = 140;
constexpr int kColumnGap = 10;
constexpr int kPanelWidth = 369;
constexpr int kUpDownWidth = 18;
// The keys column takes what the other columns leave of the content width.
constexpr int kKeysWidth =
    kContentWidth - 2 * kMargin - kMemoAbcWidth - kPanelWidth - kUpDownWidth - 3 * kColumnGap;
constexpr int kKeysHeight = 170;
constexpr int kButtonHeight = 30;
// The tallest the window opens: less than a small screen's height.
constexpr int kWindowHeight = 690;
// The tree's area keeps at least this much of a taller tree in view, the
// room a window of kWindowHeight leaves above the details; the rest of the
// tree is reached by scrolling.
constexpr int kTreeAreaHeight = 330;

// The added and the projection schemas stand in columns, as many as a group
// shows side by side; further schemas go onto further lines.
constexpr int kAddedColumns = 7;
constexpr int kProjectionColumns = 6;

void Hint(QWidget& widget, const QString& hint) {
  widget.setToolTip(hint);
  widget.setStatusTip(hint);
}

}  // namespace

DecompositionWindow::DecompositionWindow(DecompositionSession& session, SchemaHost& host,
                                         MessageService& messages, ErrorDisplay& errors,
                                         QWidget* parent)
    : ToolWindow(errors, parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Decomposition_2"));
  setWindowTitle(tr("Schemario - Dekompozice"));

  auto* content = new QWidget(this);
  content_ = content;
  content->setObjectName(QStringLiteral("Content"));
  content->setMinimumWidth(kContentWidth);
  // The content scrolls inside a window that fits a small screen.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox_Content"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  // The groups take only the height they need (none while hidden); a taller
  // window gives its spare room to the tree up to the tree's own height, and
  // the rest below the details.
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  treeArea_ = new QScrollArea(content);
  treeArea_->setObjectName(QStringLiteral("ScrollBox_Tree"));
  treeArea_->setFrameShape(QFrame::NoFrame);
  treeArea_->setWidgetResizable(true);
  column->addWidget(treeArea_, 1);
  buildTree();
  auto* legend = new QLabel(tr("Sede kurzivou: schema nahrazene rozkladem nebo pohlcene "
                               "projekci; ostatni schemata tvori vysledek."),
                            content);
  legend->setObjectName(QStringLiteral("Label_Legend"));
  legend->setWordWrap(true);
  column->addWidget(legend);
  auto* schemaColours = new Legend(content);
  schemaColours->setObjectName(QStringLiteral("Legend_Schemas"));
  schemaColours->AddSchemaColours();
  column->addWidget(schemaColours);

  buildMenus();
  buildExtraGroups(content);
  auto* lower = new QWidget(content);
  lower->setObjectName(QStringLiteral("Panel_Details"));
  column->addWidget(lower, 0, Qt::AlignLeft);
  auto* rowColours = new Legend(content);
  rowColours->setObjectName(QStringLiteral("Legend_Dependencies"));
  rowColours->AddDependencyColours();
  column->addWidget(rowColours);
  column->addStretch(1);
  buildDetails(lower);

  details_->Clear();
  OutOfDateNotice::Follow(*content, session_);
  connect(&session_, &DecompositionSession::schemasChanged, this,
          &DecompositionWindow::showSchemas);
  connect(&session_, &DecompositionSession::shownSchemaChanged, this,
          &DecompositionWindow::showDetails);
  resize(kContentWidth + scroll->verticalScrollBar()->sizeHint().width(),
         std::min(kWindowHeight,
                  layout()->menuBar()->sizeHint().height() + content->sizeHint().height()));
}

QAction* DecompositionWindow::makeAction(const char* name, const QString& caption,
                                         const QString& hint,
                                         void (DecompositionWindow::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setStatusTip(hint);
  action->setToolTip(hint);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void DecompositionWindow::buildMenus() {
  a_dekomposice = makeAction("a_dekomposice", tr("&Dekompozice"), tr("Dekomponovat schema"),
                             &DecompositionWindow::explainDecomposition);
  a_projekce = makeAction("a_projekce", tr("&Projekce"), tr("Pridat projekce"),
                          &DecompositionWindow::addProjectionSchemas);
  a_nepokrytezavislosti =
      makeAction("a_nepokrytezavislosti", tr("&Nepokryte zavislosti"),
                 tr("Pridat nepokryte zavislosti"), &DecompositionWindow::addUncoveredSchemas);
  a_print_all = makeAction("a_print_all", tr("&Tisk"), tr("Zobrazi postup pro tisk"),
                           &DecompositionWindow::printCourse);
  a_print_selected =
      makeAction("a_print_selected", tr("&Vysledna schemata"), tr("Zobrazi vysledna schemata"),
                 &DecompositionWindow::printResults);
  a_konec = new QAction(tr("&Zavri"), this);
  a_konec->setObjectName(QStringLiteral("a_konec"));
  connect(a_konec, &QAction::triggered, this, &QWidget::close);

  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* algoritmy = bar->addMenu(tr("&Algoritmy"));
  algoritmy->setObjectName(QStringLiteral("Algoritmy1"));
  algoritmy->addAction(a_dekomposice);
  algoritmy->addAction(a_projekce);
  algoritmy->addAction(a_nepokrytezavislosti);
  QMenu* tisk = bar->addMenu(tr("&Tisk"));
  tisk->setObjectName(QStringLiteral("Tisk1"));
  tisk->menuAction()->setStatusTip(tr("Zobrazi postup pro tisk"));
  tisk->menuAction()->setToolTip(tr("Zobrazi postup pro tisk"));
  tisk->addAction(a_print_all);
  tisk->addAction(a_print_selected);
  const auto [undo, redo] = AddUndoActions(*this, session_.splits());
  algoritmy->addSeparator();
  algoritmy->addAction(undo);
  algoritmy->addAction(redo);
  bar->addAction(a_konec);
}

void DecompositionWindow::buildExtraGroups(QWidget* content) {
  const auto makeGroup = [content](const char* name, const QString& title) {
    auto* group = new QGroupBox(title, content);
    group->setObjectName(QString::fromLatin1(name));
    group->setMinimumWidth(kGroupWidth);
    group->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group->hide();
    content->layout()->addWidget(group);
    auto* row = new RowPanel(group);
    auto* box = new QVBoxLayout(group);
    box->setContentsMargins(6, 2, 6, 4);
    box->addWidget(row);
    row->grid().setHorizontalSpacing(6);
    row->grid().setVerticalSpacing(2);
    return std::pair{group, row};
  };
  std::tie(Group_Add_Dep, addedRow_) = makeGroup("Group_Add_Dep", tr("Pridana schemata:"));
  std::tie(Group_Projekce, projectionRow_) = makeGroup("Group_Projekce", tr("Projekce:"));
}

void DecompositionWindow::buildDetails(QWidget* content) {
  auto heading = [content](const char* name, const QString& text) {
    auto* label = new QLabel(text, content);
    label->setObjectName(QString::fromLatin1(name));
    return label;
  };
  auto memo = [content](const char* name, int width, int height) {
    auto* m = new QPlainTextEdit(content);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m->setFixedSize(width, height);
    return m;
  };
  Label1 = heading("Label1", tr("Atributy:"));
  Memo_ABC = memo("Memo_ABC", kMemoAbcWidth, kDetailHeight);
  Label2 = heading("Label2", tr("Zavislosti:"));
  auto* panel = new QFrame(content);
  panel->setObjectName(QStringLiteral("Panel_Dep"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setFixedSize(kPanelWidth, kDetailHeight);
  Panel_Dep = panel;
  UpDown1 = new UpDownControl(QStringLiteral("Up"), QStringLiteral("Down"), content);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->SetAutoRepeat(true);
  UpDown1->setFixedSize(kUpDownWidth, 40);
  connect(UpDown1, &UpDownControl::Click, this, &DecompositionWindow::pageRows);
  Label3 = heading("Label3", tr("Klice:"));
  Memo_Keys = memo("Memo_Keys", kKeysWidth, kKeysHeight);

  Button_Add_Dep = new QPushButton(a_nepokrytezavislosti->text(), content);
  Button_Add_Dep->setObjectName(QStringLiteral("Button_Add_Dep"));
  Projection = new QPushButton(a_projekce->text(), content);
  Projection->setObjectName(QStringLiteral("Projection"));
  for (auto [button, action] :
       {std::pair{Button_Add_Dep, a_nepokrytezavislosti}, std::pair{Projection, a_projekce}}) {
    button->setFixedHeight(kButtonHeight);
    Hint(*button, action->toolTip());
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
  }

  DetailControls controls;
  controls.title = heading("Label_Shown", QString());
  controls.attributesHeading = Label1;
  controls.attributes = Memo_ABC;
  controls.dependenciesHeading = Label2;
  controls.rowPanel = Panel_Dep;
  controls.upDown = UpDown1;
  controls.keysHeading = Label3;
  controls.keys = Memo_Keys;
  RowStyle style;
  style.minimumWidth = 267;
  style.hint = RowHint();
  style.textInTooltip = true;
  style.doubleClicked = [this](int position) { splitShownSchema(position); };
  details_ = new SchemaDetails(controls, style, this);
  details_->LayOut(*content, QMargins(), kColumnGap);
  Button_Diagram = new QPushButton(tr("&Diagram zavislosti"), this);
  Button_Diagram->setObjectName(QStringLiteral("Button_Diagram"));
  Button_Diagram->setEnabled(false);
  connect(Button_Diagram, &QPushButton::clicked, this, &DecompositionWindow::requestDiagram);
  // The commands on the shown schema stay in view under the scrolling
  // content, however far the tree and the details reach.
  auto* commands = new QWidget(this);
  commands->setObjectName(QStringLiteral("Panel_Commands"));
  auto* row = new QHBoxLayout(commands);
  row->setContentsMargins(kMargin, 4, kMargin, kMargin);
  for (QPushButton* button : {Button_Add_Dep, Projection, Button_Diagram}) {
    button->setParent(commands);
    row->addWidget(button);
  }
  row->addStretch(1);
  qobject_cast<QBoxLayout*>(layout())->addWidget(commands);
}

void DecompositionWindow::buildTree() {
  tree_ = new DecompositionTreeView;
  treeArea_->setWidget(tree_);
  fitTreeArea();
  connect(treeArea_->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
          &DecompositionWindow::fitTreeArea);
  connect(tree_, &DecompositionTreeView::schemaDoubleClicked, this,
          &DecompositionWindow::showSchema);
  for (int slot = 0; slot < TreeSlots; ++slot)
    Hint(*tree_->field(slot), FieldHint());
}

void DecompositionWindow::fitTreeArea() {
  const QScrollBar& sideways = *treeArea_->horizontalScrollBar();
  const int height =
      tree_->minimumHeight() + (sideways.maximum() > 0 ? sideways.sizeHint().height() : 0);
  treeArea_->setMaximumHeight(height);
  treeArea_->setMinimumHeight(std::min(height, kTreeAreaHeight));
}

void DecompositionWindow::loadSchema() {
  session_.load(host_.LiveSchema());
  if (!session_.hasSchema()) return;
  // Every schema of the tree is a part of the root, so the root's details
  // are the widest: the window takes their room before it is shown.
  const DecompositionState& state = session_.state();
  const SubSchema& root = state.schemas[0];
  details_->Reserve(root, state.attributeNames, KeyLineTexts(root.keys, state.attributeNames));
  GrowToContent(*this, *content_);
}

QWidget* DecompositionWindow::fieldOf(int slot) const {
  if (slot < TreeSlots) return tree_->field(slot);
  for (RowPanel* row : {addedRow_, projectionRow_}) {
    for (WrappingField* field : row->findChildren<WrappingField*>()) {
      if (field->property("tag").toInt() == slot) return field;
    }
  }
  return nullptr;
}

void DecompositionWindow::markShown() {
  const std::optional<int> slot = session_.shownSlot();
  ShownMark::MoveTo(*this, slot ? fieldOf(*slot) : nullptr);
}

bool DecompositionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    // Event filters see the events of disabled fields too.
    auto* field = qobject_cast<WrappingField*>(watched);
    if (field != nullptr && field->isEnabled()) {
      showSchema(field->property("tag").toInt());
      return true;
    }
  }
  return ToolWindow::eventFilter(watched, event);
}

void DecompositionWindow::showSchema(int slot) {
  RunStep([this, slot] { session_.showSchema(slot); });
}

void DecompositionWindow::requestDiagram() {
  const std::optional<int> slot = session_.shownSlot();
  if (!slot) return;
  const DecompositionState& state = session_.state();
  emit diagramRequested(
      StandaloneSchema(state.schemas[*slot], state.attributeNames),
      tr("Dekompozice, schema %1").arg(NumberLabelText(state.numberLabel[*slot])));
}

void DecompositionWindow::showDetails() {
  const std::optional<int> slot = session_.shownSlot();
  Button_Diagram->setEnabled(slot.has_value());
  markShown();
  if (!slot) {
    details_->Clear();
    return;
  }
  const DecompositionState& state = session_.state();
  const SubSchema& shown = state.schemas[*slot];
  // The root is the original schema, numbered in reports only.
  details_->Show(shown, *slot == 0 ? NumberLabel{} : state.numberLabel[*slot], state.attributeNames,
                 KeyLineTexts(shown.keys, state.attributeNames));
  // Wide details widen the window up to the screen; past that they scroll.
  GrowToContent(*this, *content_);
}

void DecompositionWindow::splitShownSchema(int position) {
  RunStep([this, position] {
    tell(session_.splitShownSchema(
        position, [this](DecompositionQuestion question) { return agrees(question); }));
  });
}

void DecompositionWindow::pageRows(int position) {
  RunStep([&] { details_->Page(position); });
}

void DecompositionWindow::explainDecomposition() {
  messages_.Inform(
      tr("Nejprve dvojite kliknete na schema v hornicasti obrazovky. Pote kliknutim na jednu ze "
         "zavislosti, ktera porusuje 3NF (BCNF), v dolni casti schematu dekomponujte schema"));
}

void DecompositionWindow::addProjectionSchemas() {
  RunStep([this] {
    const DecompositionOutcome outcome = session_.addProjectionSchemas();
    // The projection command words this message its own way.
    if (outcome == DecompositionOutcome::NotDecomposed) {
      messages_.Inform(tr("Jeste jsi nedekomponoval shcema"));
    } else {
      tell(outcome);
    }
  });
}

void DecompositionWindow::addUncoveredSchemas() {
  RunStep([this] {
    tell(session_.addUncoveredSchemas(
        [this](DecompositionQuestion question) { return agrees(question); }));
  });
}

void DecompositionWindow::printCourse() {
  RunStep([this] { report(DecompositionCourseReport(session_.state())); });
}

void DecompositionWindow::printResults() {
  RunStep([this] { report(ResultSchemasReport(session_.state())); });
}

void DecompositionWindow::report(const Report& report) {
  if (!session_.hasSchema()) {
    messages_.Inform(tr("Nejsou otevrena zadna schemata k tisku"));
    return;
  }
  emit reportReady(report,
                   StandaloneSchema(session_.state().schemas[0], session_.state().attributeNames));
}

void DecompositionWindow::tell(DecompositionOutcome outcome) {
  QString text;
  switch (outcome) {
    case DecompositionOutcome::Proceed:
    case DecompositionOutcome::Done:
    case DecompositionOutcome::Unchanged:
      return;
    case DecompositionOutcome::TooDeep:
      text = tr("Schema uz neni mozno v tomto okne rozlozit");
      break;
    case DecompositionOutcome::NotDecomposed:
      text = tr("Jeste jsi nedekomponoval schema");
      break;
    case DecompositionOutcome::NoUncovered:
      text = tr("Nejsou zadne nepokryte zavislosti");
      break;
    case DecompositionOutcome::NoProjection:
      text = tr("Zadne schema neni projekci");
      break;
  }
  messages_.Inform(text);
}

bool DecompositionWindow::agrees(DecompositionQuestion question) {
  switch (question) {
    case DecompositionQuestion::None:
      break;
    case DecompositionQuestion::SplitAgain:
      return messages_.AskOkCancel(tr("Chcete rozlozit schema podle teto zavislosti?"));
    case DecompositionQuestion::SplitDiscardsAddedAndProjections:
      return messages_.AskYesNo(
          tr("Schemata vytvorena pridanim nepokrytych zavislosti a projekci zmizi. Prejete si "
             "pokracovat?"));
    case DecompositionQuestion::SplitDiscardsProjections:
      return messages_.AskYesNo(
          tr("Schemata vytvorena pridanim projekci zmizi. Prejete si pokracovat?"));
    case DecompositionQuestion::SplitDiscardsAdded:
      return messages_.AskYesNo(
          tr("Schemata vytvorena pridanim nepokrytych zavislosti zmizi. Prejete si pokracovat?"));
    case DecompositionQuestion::UncoveredDiscardsProjections:
      return messages_.AskYesNo(tr("Schemata vytvorena projekci zmizi. Prejete si pokracovat?"));
  }
  return true;
}

void DecompositionWindow::resetWindow() {
  // Every slot gives its lists back; the next opening loads afresh.
  session_.close();
}

void DecompositionWindow::showSchemas() {
  const DecompositionState& state = session_.state();
  DecompositionTreeView& tree = *tree_;
  for (int slot = 0; slot < TreeSlots; ++slot)
    showSlot(*tree.field(slot), *tree.numberLabel(slot), slot);
  showRow(*addedRow_, FirstAddedSlot, AddedCount(state), kAddedColumns, "Edit_Add%1",
          "Label_Num_Add%1");
  showRow(*projectionRow_, state.firstProjectionSlot, ProjectionCount(state), kProjectionColumns,
          "Edit_Dec_Proj%1", "Label_Num_Proj%1");
  Group_Add_Dep->setVisible(AddedCount(state) > 0);
  Group_Projekce->setVisible(ProjectionCount(state) > 0);
  for (int node = 0; node < SplitNodes; ++node) {
    QLabel* label = tree.splitLabel(node);
    const QString text = ToText(state.splitLabel[node]);
    label->setText(text);
    label->setToolTip(text);
    tree.setJoined(node, state.splitDependency[node] >= 0);
  }
  tree.arrange();
  fitTreeArea();
  // The window grows with the tree up to the screen, and in height up to
  // what it opens at; past that the tree scrolls. Measured from the
  // minimum sizes, since a window not yet shown has no geometry to go by.
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int treeBar = tree.minimumHeight() > treeArea_->minimumHeight() ? bar : 0;
  const QSize wanted(
      2 * kMargin + tree.minimumWidth() + treeBar + bar,
      layout()->menuBar()->sizeHint().height() + content_->minimumSizeHint().height());
  const QRect room = screen()->availableGeometry();
  const QSize size = wanted.boundedTo({room.width(), std::min(room.height(), kWindowHeight)})
                         .expandedTo(this->size());
  if (size != this->size()) resize(size);
  // The added and projection fields are made afresh.
  markShown();
}

void DecompositionWindow::showRow(RowPanel& row, int firstSlot, int count, int columns,
                                  const char* fieldName, const char* labelName) {
  row.clear();
  QGridLayout& grid = row.grid();
  // The schemas share the group's width, each with its number above it (a
  // projection's reads like "Schema 3+5"); fewer schemas than columns get
  // wider fields. A schema too long for its share wraps onto further lines.
  for (int column = 0; column < columns; ++column)
    grid.setColumnStretch(column, column < count ? 1 : 0);
  for (int k = 0; k < count; ++k) {
    const int line = 2 * (k / columns);
    const int column = k % columns;
    auto* number = new QLabel(&row);
    number->setObjectName(QString::fromLatin1(labelName).arg(k + 1));
    SetBackground(*number, colours::ButtonFace());
    auto* field = new WrappingField(&row);
    field->setObjectName(QString::fromLatin1(fieldName).arg(k + 1));
    field->setMinimumWidth(kGroupWidth / columns - 12);
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    field->setProperty("tag", firstSlot + k);
    Hint(*field, FieldHint());
    field->installEventFilter(this);
    grid.addWidget(number, line, column);
    grid.addWidget(field, line + 1, column, Qt::AlignTop);
    showSlot(*field, *number, firstSlot + k);
  }
}

void DecompositionWindow::showSlot(WrappingField& field, QLabel& number, int slot) {
  const DecompositionState& state = session_.state();
  const SubSchema& schema = state.schemas[slot];
  if (schema.state == SlotState::Empty) {
    field.clear();
    field.setToolTip(FieldHint());
    SetBackground(field, colours::White);
    field.setEnabled(false);
    field.hide();
    number.hide();
    return;
  }
  field.setText(ToText(SchemaFieldText(state, slot)));
  QString about = field.text();
  if (schema.state == SlotState::Replaced) {
    about += QLatin1Char('\n') + tr("Nahrazeno schematy %1 a %2, rozlozeno podle %3")
                                     .arg(NumberLabelText(state.numberLabel[2 * slot + 1]),
                                          NumberLabelText(state.numberLabel[2 * slot + 2]),
                                          ToText(state.splitLabel[slot]));
  } else if (schema.state == SlotState::Absorbed) {
    about += QLatin1Char('\n') + tr("Pohlceno projekci");
  }
  field.setToolTip(TextWithHint(about, FieldHint()));
  // A root without dependencies has nothing to decompose, so its field
  // stays hidden and uncoloured.
  const bool bare = slot == 0 && schema.dependencies.empty();
  ShowSuperseded(field, schema.state == SlotState::Replaced || schema.state == SlotState::Absorbed,
                 bare ? colours::White : SchemaFieldColour(schema.normalForm));
  field.setEnabled(true);
  field.setVisible(!bare);
  if (slot == 0) {
    number.hide();
    return;
  }
  number.setText(NumberLabelText(state.numberLabel[slot]));
  number.show();
}
