#include "SynthesisWindow.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "Legend.h"
#include "OutOfDateNotice.h"
#include "Reports.h"
#include "SchemaDetails.h"
#include "SchemaReport.h"
#include "ShownMark.h"
#include "UpDownControl.h"
#include "WrappingField.h"

namespace {

QString FieldHint() {
  return SynthesisWindow::tr("Cervene schema je v 1 ci 2NF, zlute je schema v 3NF.");
}
QString RowHint() {
  return SynthesisWindow::tr("Zluta zavislost porusuje 3NF, zelena BCNF");
}
QString NothingToPrintText() {
  return SynthesisWindow::tr("Nejsou otevrena zadna schemata k tisku");
}

// What the window opens at: the whole content on a large screen, and less
// than a small screen's height.
constexpr int kContentWidth = 990;
constexpr int kWindowHeight = 690;
// Around the content, between the original schema and the notes, and
// between the commands.
constexpr int kMargin = 10;
// The original schema's field is never narrower.
constexpr int kLeastSchemaWidth = 200;
// The least widths of the commands, so that they keep their look beside the
// legend.
constexpr int kSplitCommandWidth = 300;
constexpr int kMergeCommandWidth = 170;
constexpr int kProjectionCommandWidth = 120;
// A cell is a number label and a schema field; a box shows whole lines of
// cells and scrolls to the rest.
constexpr int kFieldHeight = 24;
constexpr int kCellPitch = 32;
constexpr int kLineGap = kCellPitch - kFieldHeight;
// Above the first line of cells and below the last.
constexpr int kCellTop = 6;
constexpr int kCellBottom = 6;
constexpr int kCellLeft = 8;
constexpr int kCellSpacing = 7;
// Between a group box's frame and the area that scrolls inside it.
constexpr int kScrollMargin = 2;
// The split schemas: four columns of three lines.
constexpr int kSplitColumns = 4;
constexpr int kSplitLabelWidth = 24;
constexpr int kSplitFieldWidth = 196;
// Unions and projections: three columns of two lines, with room for labels
// such as "Schema 14: 1+2+3".
constexpr int kLaterColumns = 3;
constexpr int kLaterLabelWidth = 104;
constexpr int kLaterFieldWidth = 196;
// Cells are made for this many schemas at first and for more as the steps
// need them.
constexpr int kFirstSplitCells = 12;
constexpr int kFirstLaterCells = 6;
constexpr int kDetailHeight = 258;

// Dependency rows inside Panel_Dep.
constexpr int kRowWidth = 250;
// The panel shows nine rows; from ten on they are paged.
constexpr int kRowsWithoutPaging = 9;

QColor SchemaColour(NormalFormClass normalForm) {
  return normalForm == NormalFormClass::NotComputed ? colours::White
                                                    : SchemaFieldColour(normalForm);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

int ScrollBarExtent(const QWidget& widget) {
  return widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget);
}

}  // namespace

SynthesisWindow::SynthesisWindow(SynthesisSession& session, SchemaHost& host,
                                 MessageService& messages, ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Synteza_2"));
  setWindowTitle(tr("Schemario - Synteza"));

  // The content scrolls inside a window that fits a small screen.
  content_ = new QWidget;
  content_->setObjectName(QStringLiteral("Panel_Content"));
  auto* column = new QVBoxLayout(content_);
  column->setContentsMargins(kMargin, 0, kMargin, kMargin);
  column->setSpacing(2);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox_Content"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  resize(kContentWidth + scroll->verticalScrollBar()->sizeHint().width(), kWindowHeight);

  layout->setMenuBar(BuildMenu());
  BuildTop(*content_);
  BuildRows(*content_);
  // The commands stay in view above the scrolling content, however tall the
  // rows of schemas grow.
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("Panel_Commands"));
  auto* commands = new QHBoxLayout(bar);
  commands->setContentsMargins(kMargin, 4, kMargin, 4);
  commands->setSpacing(kMargin);
  for (QPushButton* button : {Button_LS, Button_EkvK, Button_Proj, Button_Diagram})
    commands->addWidget(button);
  commands->addStretch(1);
  layout->insertWidget(0, bar);
  // The lower part shows only while it shows a schema, and the rows of
  // schemas above take the spare height.
  details_Panel = new QWidget(content_);
  details_Panel->setObjectName(QStringLiteral("Panel_Details"));
  column->addWidget(details_Panel);
  rowColours_ = new Legend(content_);
  rowColours_->setObjectName(QStringLiteral("Legend_Dependencies"));
  rowColours_->AddDependencyColours();
  column->addWidget(rowColours_);
  column->addStretch(0);
  BuildDetails(*details_Panel);

  connect(&session_, &SynthesisSession::slotsChanged, this, &SynthesisWindow::showSlots);
  OutOfDateNotice::Follow(*this, session_);
  resetWindow();
}

QAction* SynthesisWindow::MakeAction(const char* name, const QString& caption, const QString& hint,
                                     void (SynthesisWindow::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setStatusTip(hint);
  action->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
  if (handler != nullptr) connect(action, &QAction::triggered, this, handler);
  return action;
}

QMenuBar* SynthesisWindow::BuildMenu() {
  a_LS_stejne = MakeAction("a_LS_stejne", tr("Rozlozeni podle stejnych &levych stran"),
                           tr("Rozlozi na schemta podle stejnych levych stran zavislosti"),
                           &SynthesisWindow::splitByLeftSides);
  a_EkvK =
      MakeAction("a_EkvK", tr("&Ekvivalentni klice"), tr("Slouci schemata s ekvivalentnimi klici"),
                 &SynthesisWindow::mergeEquivalentKeys);
  a_projekce = MakeAction("a_projekce", tr("&Projekce"), tr("Slouci schemata, ktera jsou projekci"),
                          &SynthesisWindow::absorbProjections);
  a_printall = MakeAction("a_printall", tr("&Tisk"), tr("Vytiskne vsechna schemata"),
                          &SynthesisWindow::printCourse);
  a_print_selected = MakeAction("a_print_selected", tr("&Vysledna schemata"),
                                tr("Vytiskne vysledna schemata"), &SynthesisWindow::printResults);
  a_konec = MakeAction("a_konec", tr("&Konec"), QString(), nullptr);
  connect(a_konec, &QAction::triggered, this, &QWidget::close);

  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* algoritmy = bar->addMenu(tr("&Algoritmy"));
  algoritmy->setObjectName(QStringLiteral("Algoritmy1"));
  algoritmy->addAction(a_LS_stejne);
  algoritmy->addAction(a_EkvK);
  algoritmy->addAction(a_projekce);
  QMenu* tisk = bar->addMenu(tr("Tisk"));
  tisk->setObjectName(QStringLiteral("Tisk1"));
  tisk->addAction(a_printall);
  tisk->addAction(a_print_selected);
  bar->addAction(a_konec);
  return bar;
}

void SynthesisWindow::WatchSchemaField(QWidget& field, int slot, const QString& name) {
  field.setObjectName(name);
  field.setProperty("tag", slot);
  field.setToolTip(FieldHint());
  field.installEventFilter(this);
}

void SynthesisWindow::BuildTop(QWidget& content) {
  // The original schema on the left, as wide as its names up to half the
  // width and wrapping below that; the note beside it; the commands and the
  // legend below both.
  auto* top = new QWidget(&content);
  top->setObjectName(QStringLiteral("Panel_Top"));
  content.layout()->addWidget(top);

  QLabel* original = MakeLabel(top, "Label1", tr("Puvodni schema:"));
  Edit_Schema_1 = new WrappingField(top);
  WatchSchemaField(*Edit_Schema_1, 0, QStringLiteral("Edit_Schema_1"));
  Edit_Schema_1->setMinimumWidth(kLeastSchemaWidth);
  QFont bold = Edit_Schema_1->font();
  bold.setBold(true);
  Edit_Schema_1->setFont(bold);
  // The note that the cover reached the window reduced.
  QLabel* note = MakeLabel(
      top, "Label2",
      tr("Redundantni zavislosti a atributy byly vymazany jiz pred zobrazenim formulare"));
  note->setWordWrap(true);

  const auto makeButton = [top](const char* name, QAction* action, int leastWidth) {
    auto* button = new QPushButton(action->text(), top);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(action->statusTip());
    button->setMinimumWidth(leastWidth);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
  };
  Button_LS = makeButton("Button_LS", a_LS_stejne, kSplitCommandWidth);
  Button_EkvK = makeButton("Button_EkvK", a_EkvK, kMergeCommandWidth);
  Button_Proj = makeButton("Button_Proj", a_projekce, kProjectionCommandWidth);
  Label_Legend = MakeLabel(top, "Label_Legend",
                           tr("Sede kurzivou: schema nahrazene sloucenim nebo pohlcene "
                              "projekci; ostatni schemata tvori vysledek."));
  Label_Legend->setWordWrap(true);

  auto* schema = new QVBoxLayout;
  schema->setSpacing(2);
  schema->addWidget(original);
  schema->addWidget(Edit_Schema_1, 0, Qt::AlignLeft);
  auto* upper = new QHBoxLayout;
  upper->setSpacing(kMargin);
  upper->addLayout(schema, 1);
  // It draws the schema whose details are shown.
  Button_Diagram = new QPushButton(tr("&Diagram zavislosti"), top);
  Button_Diagram->setObjectName(QStringLiteral("Button_Diagram"));
  Button_Diagram->setToolTip(tr("Obrazek schematu, jehoz podrobnosti jsou zobrazeny"));
  Button_Diagram->setEnabled(false);
  connect(Button_Diagram, &QPushButton::clicked, this, &SynthesisWindow::requestDiagram);
  auto* aside = new QVBoxLayout;
  aside->addWidget(note);
  aside->addStretch(1);
  upper->addLayout(aside, 1);
  auto* schemaColours = new Legend(top);
  schemaColours->setObjectName(QStringLiteral("Legend_Schemas"));
  schemaColours->AddSchemaColours();
  auto* all = new QVBoxLayout(top);
  all->setContentsMargins(0, 8, 0, 2);
  all->setSpacing(12);
  all->addLayout(upper);
  all->addWidget(Label_Legend);
  all->addWidget(schemaColours);
}

void SynthesisWindow::BuildRows(QWidget& content) {
  struct Heading {
    const char* heading;
    const char* headingText;
    const char* group;
    const char* scroll;
  };
  const Heading headings[] = {
      {"Label_LS_Inic", QT_TR_NOOP("Stejne leve strany:"), "Group_LS", "ScrollBox_LS"},
      {"Label_Ekv_Inic", QT_TR_NOOP("Ekvivalentni klice:"), "Group_EkvK", "ScrollBox_EkvK"},
      {"Label_Proj_Inic", QT_TR_NOOP("Projekce:"), "Group_Proj", "ScrollBox_Proj"},
  };
  rows_ = {SlotRow{.fieldPrefix = "Edit_LS",
                   .labelPrefix = "Label_LS",
                   .columns = kSplitColumns,
                   .labelWidth = kSplitLabelWidth,
                   .fieldWidth = kSplitFieldWidth,
                   .numbered = true,
                   .visibleLines = 3},
           SlotRow{.fieldPrefix = "Edit_EkvK",
                   .labelPrefix = "Label_EkvK",
                   .columns = kLaterColumns,
                   .labelWidth = kLaterLabelWidth,
                   .fieldWidth = kLaterFieldWidth,
                   .numbered = false,
                   .visibleLines = 2},
           SlotRow{.fieldPrefix = "Edit_Proj",
                   .labelPrefix = "Label_Proj",
                   .columns = kLaterColumns,
                   .labelWidth = kLaterLabelWidth,
                   .fieldWidth = kLaterFieldWidth,
                   .numbered = false,
                   .visibleLines = 2}};
  QLabel** headingLabels[] = {&Label_LS_Inic, &Label_Ekv_Inic, &Label_Proj_Inic};
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const Heading& h = headings[r];
    SlotRow& row = rows_[r];
    *headingLabels[r] = MakeLabel(&content, h.heading, tr(h.headingText));
    content.layout()->addWidget(*headingLabels[r]);
    row.group = new QGroupBox(&content);
    row.group->setObjectName(QString::fromLatin1(h.group));
    static_cast<QBoxLayout*>(content.layout())->addWidget(row.group, 1);
    row.scroll = new QScrollArea(row.group);
    row.scroll->setObjectName(QString::fromLatin1(h.scroll));
    row.scroll->setFrameShape(QFrame::NoFrame);
    row.scroll->setWidgetResizable(true);
    row.scroll->verticalScrollBar()->setSingleStep(kCellPitch);
    // The cells are set out again whenever the box's width changes.
    row.scroll->installEventFilter(this);
    auto* box = new QVBoxLayout(row.group);
    // The box grows no taller than its lines need; the rest of the spare
    // height goes to the other rows.
    box->setSizeConstraint(QLayout::SetMinAndMaxSize);
    box->setContentsMargins(kScrollMargin, kScrollMargin, kScrollMargin, kScrollMargin);
    box->addWidget(row.scroll);
    auto* cells = new QWidget;
    cells->setObjectName(QStringLiteral("%1_Cells").arg(QString::fromLatin1(h.group)));
    row.cells = new QGridLayout(cells);
    row.cells->setContentsMargins(kCellLeft, kCellTop, 0, kCellBottom);
    row.cells->setHorizontalSpacing(kCellSpacing);
    row.cells->setVerticalSpacing(kLineGap);
    row.cells->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.scroll->setWidget(cells);
    EnsureCells(row, row.numbered ? kFirstSplitCells : kFirstLaterCells);
    PlaceCells(row);
  }
}

void SynthesisWindow::EnsureCells(SlotRow& row, int count) {
  QWidget* cells = row.cells->parentWidget();
  for (int k = static_cast<int>(row.fields.size()); k < count; ++k) {
    auto* label = new QLabel(cells);
    label->setObjectName(
        QStringLiteral("%1%2").arg(QString::fromLatin1(row.labelPrefix)).arg(k + 1));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (row.numbered) label->setText(QString::number(k + 1));
    label->hide();
    row.labels.push_back(label);
    auto* field = new QLineEdit(cells);
    WatchSchemaField(*field, -1,
                     QStringLiteral("%1%2").arg(QString::fromLatin1(row.fieldPrefix)).arg(k + 1));
    field->setReadOnly(true);
    field->hide();
    row.fields.push_back(field);
  }
}

void SynthesisWindow::PlaceCells(SlotRow& row) {
  const int labelWidth = std::max(row.labelWidth, row.shownLabelWidth);
  const int fieldWidth = std::max(row.fieldWidth, row.shownFieldWidth);
  // As many columns as the box holds, up to the row's own number; a cell
  // wider than the box scrolls sideways.
  const int pitch = labelWidth + fieldWidth + 2 * kCellSpacing;
  const int room = row.scroll->width() - ScrollBarExtent(*row.scroll);
  const int columns = std::clamp((room - kCellLeft) / pitch, 1, row.columns);
  while (QLayoutItem* item = row.cells->takeAt(0))
    delete item;
  for (int k = 0; k < static_cast<int>(row.fields.size()); ++k) {
    row.labels[k]->setFixedWidth(labelWidth);
    row.fields[k]->setFixedSize(fieldWidth, kFieldHeight);
    row.cells->addWidget(row.labels[k], k / columns, 2 * (k % columns));
    row.cells->addWidget(row.fields[k], k / columns, 2 * (k % columns) + 1);
  }
  const int lines = std::max(1, (row.shown + columns - 1) / columns);
  row.scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const bool sideways = kCellLeft + pitch - kCellSpacing > room;
  row.scroll->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
  // The box shows at least its first lines whole and, given spare height,
  // as many more as it holds; the sideways bar takes room of its own below
  // them.
  const int bar = sideways ? row.scroll->horizontalScrollBar()->sizeHint().height() : 0;
  const auto height = [bar](int shown) {
    return kCellTop + shown * kCellPitch - kLineGap + kCellBottom + bar;
  };
  row.scroll->setMinimumHeight(height(std::min(lines, row.visibleLines)));
  row.scroll->setMaximumHeight(height(lines));
}

void SynthesisWindow::BuildDetails(QWidget& content) {
  Label_S1 = MakeLabel(&content, "Label_S1", tr("Atributy:"));
  Memo_ABC = new QPlainTextEdit(&content);
  Memo_ABC->setObjectName(QStringLiteral("Memo_ABC"));
  Memo_ABC->setFixedSize(200, kDetailHeight);

  Label_S2 = MakeLabel(&content, "Label_S2", tr("Zavislosti:"));
  auto* panel = new QFrame(&content);
  panel->setObjectName(QStringLiteral("Panel_Dep"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setFixedSize(SchemaDetails::RowLeft + kRowWidth + 20, kDetailHeight);
  Panel_Dep = panel;

  UpDown1 = new UpDownControl(QStringLiteral("UpDown1Up"), QStringLiteral("UpDown1Down"), &content);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setFixedSize(24, 50);

  Label_S3 = MakeLabel(&content, "Label_S3", tr("Klice:"));
  Memo_Keys = new QPlainTextEdit(&content);
  Memo_Keys->setObjectName(QStringLiteral("Memo_Keys"));
  Memo_Keys->setFixedSize(220, kDetailHeight);

  for (QPlainTextEdit* memo : {Memo_ABC, Memo_Keys}) {
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  }

  DetailControls controls;
  controls.title = MakeLabel(&content, "Label_Shown", QString());
  controls.attributesHeading = Label_S1;
  controls.attributes = Memo_ABC;
  controls.dependenciesHeading = Label_S2;
  controls.rowPanel = Panel_Dep;
  controls.upDown = UpDown1;
  controls.keysHeading = Label_S3;
  controls.keys = Memo_Keys;
  // Rows here only show; they react to nothing.
  RowStyle style;
  style.minimumWidth = kRowWidth;
  style.hint = RowHint();
  style.initialBackground = colours::ButtonFace();
  style.pagedFrom = kRowsWithoutPaging + 1;
  details_ = new SchemaDetails(controls, style, this);
  details_->LayOut(content, QMargins(), kMargin);
  connect(UpDown1, &UpDownControl::Click, details_, &SchemaDetails::Page);
}

void SynthesisWindow::load() {
  // A window still open from the previous command starts with an empty
  // lower part too, as after closing.
  showNoDetails();
  session_.load(host_.LiveSchema());
  Edit_Schema_1->setEnabled(true);
  Edit_Schema_1->show();
}

void SynthesisWindow::showSlots() {
  const SynthesisState& state = session_.state();
  Edit_Schema_1->setText(ToText(SynthesisFieldText(state, 0)));
  Edit_Schema_1->setToolTip(TextWithHint(Edit_Schema_1->text(), FieldHint()));
  SetBackground(*Edit_Schema_1, SchemaColour(state.schemas[0].normalForm));
  ShowRow(rows_[0], FirstLeftSideSlot, LeftSideCount(state));
  ShowRow(rows_[1], state.firstMergedSlot, MergedCount(state));
  ShowRow(rows_[2], state.firstProjectionSlot, ProjectionCount(state));
  const bool split = state.leftSidesShown;
  const bool merged = MergedCount(state) > 0;
  const bool projected = ProjectionCount(state) > 0;
  rows_[0].group->setVisible(split);
  Label_LS_Inic->setVisible(split);
  rows_[1].group->setVisible(merged);
  Label_Ekv_Inic->setVisible(merged);
  rows_[2].group->setVisible(projected);
  Label_Proj_Inic->setVisible(projected);
  if (details_Panel->isVisibleTo(this)) markShown();
}

void SynthesisWindow::ShowRow(SlotRow& row, int firstSlot, int count) {
  const SynthesisState& state = session_.state();
  EnsureCells(row, count);
  // Labels as wide as the widest number and fields as wide as the widest
  // schema, so that every cell reads whole and the cells stand in columns.
  row.shown = count;
  row.shownLabelWidth = 0;
  row.shownFieldWidth = 0;
  for (int k = 0; k < count; ++k) {
    const int slot = firstSlot + k;
    if (!row.numbered) {
      const QString number = NumberLabelText(state.numberLabel[slot]);
      row.shownLabelWidth =
          std::max(row.shownLabelWidth, row.labels[k]->fontMetrics().horizontalAdvance(number) + 4);
    }
    row.shownFieldWidth =
        std::max(row.shownFieldWidth,
                 WholeTextWidth(*row.fields[k], ToText(SynthesisFieldText(state, slot))));
  }
  for (int k = 0; k < static_cast<int>(row.fields.size()); ++k) {
    QLineEdit& field = *row.fields[k];
    QLabel& label = *row.labels[k];
    const int slot = k < count ? firstSlot + k : -1;
    const SubSchema empty;
    const SubSchema& schema = slot < 0 ? empty : state.schemas[slot];
    field.setProperty("tag", slot);
    const QString text = slot < 0 ? QString() : ToText(SynthesisFieldText(state, slot));
    ShowWhole(field, text);
    const bool replaced = schema.state == SlotState::Replaced;
    field.setToolTip(TextWithHint(
        replaced ? text + QLatin1Char('\n') + tr("Nahrazeno: schema bylo sloucene nebo pohlcene")
                 : text,
        FieldHint()));
    ShowSuperseded(field, replaced, SchemaColour(schema.normalForm));
    if (!row.numbered)
      label.setText(slot < 0 ? QString() : NumberLabelText(state.numberLabel[slot]));
    const bool present = schema.state != SlotState::Empty;
    field.setEnabled(present);
    field.setVisible(present);
    label.setVisible(present);
  }
  PlaceCells(row);
}

bool SynthesisWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    for (SlotRow& row : rows_) {
      if (watched == row.scroll) PlaceCells(row);
    }
    return false;
  }
  // The schema fields carry their slots.
  if (event->type() == QEvent::MouseButtonDblClick && watched->property("tag").isValid()) {
    const int slot = watched->property("tag").toInt();
    if (slot >= 0 && slot < SlotCount(session_.state())) {
      showSchemaDetails(slot);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SynthesisWindow::showSchemaDetails(int slot) {
  RunStep([this, slot] {
    if (!session_.showSchema(slot)) return;
    const SubSchema& shown = session_.shownSchema();
    const AttributeTable& names = session_.state().attributeNames;
    details_->Show(shown, session_.shownLabel(), names, KeyLineTexts(shown.keys, names));
    details_Panel->show();
    rowColours_->show();
    Button_Diagram->setEnabled(true);
    markShown();
    // Wide details widen the window up to the screen; past that they scroll.
    GrowToContent(*this, *content_);
  });
}

void SynthesisWindow::requestDiagram() {
  emit diagramRequested(StandaloneSchema(session_.shownSchema(), session_.state().attributeNames),
                        tr("Synteza, schema %1").arg(NumberLabelText(session_.shownLabel())));
}

void SynthesisWindow::splitByLeftSides() {
  RunStep([this] { tell(session_.splitByLeftSides()); });
}

void SynthesisWindow::mergeEquivalentKeys() {
  RunStep([this] {
    const SynthesisCheck check = session_.checkMerge();
    if (check.outcome != SynthesisOutcome::Proceed) {
      tell(check.outcome);
      return;
    }
    const bool undo = check.question == SynthesisQuestion::None ||
                      messages_.AskYesNo(SynthesisQuestionText(check.question));
    tell(session_.mergeEquivalentKeys(undo ? EarlierProjections::Undo : EarlierProjections::Keep));
  });
}

void SynthesisWindow::absorbProjections() {
  RunStep([this] { tell(session_.absorbProjections()); });
}

void SynthesisWindow::tell(SynthesisOutcome outcome) {
  if (const QString text = SynthesisOutcomeText(outcome); !text.isEmpty()) messages_.Inform(text);
}

Schema SynthesisWindow::startingSchema() const {
  return StandaloneSchema(session_.state().schemas[0], session_.state().attributeNames);
}

void SynthesisWindow::printCourse() {
  RunStep([this] {
    if (!session_.hasSchema()) {
      messages_.Inform(NothingToPrintText());
      return;
    }
    emit reportReady(session_.courseReport(), startingSchema());
  });
}

void SynthesisWindow::printResults() {
  RunStep([this] {
    if (!session_.hasSchema()) {
      messages_.Inform(NothingToPrintText());
      return;
    }
    emit reportReady(session_.resultReport(), startingSchema());
  });
}

void SynthesisWindow::showNoDetails() {
  details_->Clear();
  details_Panel->hide();
  rowColours_->hide();
  Button_Diagram->setEnabled(false);
  ShownMark::MoveTo(*this, nullptr);
}

void SynthesisWindow::markShown() {
  const int slot = session_.shownSlotIndex();
  QWidget* shown = slot == 0 ? Edit_Schema_1 : nullptr;
  for (const SlotRow& row : rows_) {
    for (QLineEdit* field : row.fields) {
      if (field->property("tag").toInt() == slot && !field->isHidden()) shown = field;
    }
  }
  ShownMark::MoveTo(*this, shown);
}

void SynthesisWindow::resetWindow() {
  session_.clear();
  showNoDetails();
  Edit_Schema_1->setEnabled(false);
  Edit_Schema_1->hide();
}
