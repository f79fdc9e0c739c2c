#include "TForm_Synteza_2.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "Reports.h"
#include "SchemaDetails.h"
#include "UpDownControl.h"
#include "WrappingField.h"

namespace {

QString FieldHint() {
  return TForm_Synteza_2::tr("Cervene schema je v 1 ci 2NF, zlute je schema v 3NF.");
}
QString RowHint() {
  return TForm_Synteza_2::tr("Zluta zavislost porusuje 3NF, zelena BCNF");
}
QString NothingToPrintText() {
  return TForm_Synteza_2::tr("Nejsou otevrena zadna schemata k tisku");
}

// Layout of the window's content, in pixels.
constexpr int kContentWidth = 990;
// The original schema, the notes and the commands above the rows, with the
// original schema on one line; its further lines add to it.
constexpr int kTopHeight = 96;
// The original schema's field stands left of the notes.
constexpr int kSchemaLeft = 10;
constexpr int kSchemaTop = 26;
constexpr int kNotesLeft = 500;
constexpr int kSchemaWidest = kNotesLeft - 10 - kSchemaLeft;
constexpr int kLeastSchemaWidth = 200;
// The commands and the legend below the original schema.
constexpr int kCommandsTop = 62;
constexpr int kLegendTop = 58;
// What the window opens at: the whole content on a large screen, and less
// than a small screen's height.
constexpr int kWindowHeight = 690;
constexpr int kFieldHeight = 24;
constexpr int kGroupLeft = 10;
constexpr int kGroupWidth = 970;
constexpr int kCellTop = 14;
constexpr int kCellPitch = 32;
// The split schemas: four columns of three rows.
constexpr int kSplitColumns = 4;
constexpr int kSplitColumnPitch = 234;
constexpr int kSplitLabelWidth = 24;
// Unions and projections: three columns of two rows, with room for labels
// such as "Schema 14: 1+2+3".
constexpr int kLaterColumns = 3;
constexpr int kLaterColumnPitch = 314;
constexpr int kLaterLabelWidth = 104;
// Between the fields of neighbouring columns, and a label and its field.
constexpr int kCellGap = 14;
constexpr int kCellLeft = 8;
// Cells are made for this many schemas at first and for more as the steps
// need them.
constexpr int kFirstSplitCells = 12;
constexpr int kFirstLaterCells = 6;
// The scrolling area inside a group box starts below the box's frame line.
constexpr int kScrollTop = 8;
constexpr int kDetailHeight = 258;

// Dependency rows inside Panel_Dep.
constexpr int kRowWidth = 250;
// The panel shows nine rows; from ten on they are paged.
constexpr int kRowsWithoutPaging = 9;

QColor SchemaColour(NormalFormClass normalForm) {
  return normalForm == NormalFormClass::NotComputed ? colours::White
                                                    : SchemaFieldColour(normalForm);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  return label;
}

}  // namespace

TForm_Synteza_2::TForm_Synteza_2(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                                 QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Synteza_2"));
  setWindowTitle(tr("Schemario - Synteza"));

  // The content scrolls inside a window that fits a small screen.
  auto* content = new QWidget;
  content_ = content;
  content->setObjectName(QStringLiteral("Panel_Content"));
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 0, kGroupLeft);
  column->setSpacing(2);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox_Content"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  resize(kContentWidth + scroll->verticalScrollBar()->sizeHint().width(), kWindowHeight);

  layout->setMenuBar(BuildMenu());
  BuildSchemaFields(content);
  auto* lower = new QWidget(content);
  lower->setObjectName(QStringLiteral("Panel_Details"));
  column->addWidget(lower);
  column->addStretch(1);
  BuildDetails(lower);
  FormClose();
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());
}

QAction* TForm_Synteza_2::MakeAction(const char* name, const QString& caption, const QString& hint,
                                     void (TForm_Synteza_2::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setStatusTip(hint);
  action->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

QMenuBar* TForm_Synteza_2::BuildMenu() {
  a_LS_stejne = MakeAction("a_LS_stejne", tr("Rozlozeni podle stejnych &levych stran"),
                           tr("Rozlozi na schemta podle stejnych levych stran zavislosti"),
                           &TForm_Synteza_2::a_LS_stejneExecute);
  a_EkvK =
      MakeAction("a_EkvK", tr("&Ekvivalentni klice"), tr("Slouci schemata s ekvivalentnimi klici"),
                 &TForm_Synteza_2::a_EkvKExecute);
  a_projekce = MakeAction("a_projekce", tr("&Projekce"), tr("Slouci schemata, ktera jsou projekci"),
                          &TForm_Synteza_2::a_projekceExecute);
  a_printall = MakeAction("a_printall", tr("&Tisk"), tr("Vytiskne vsechna schemata"),
                          &TForm_Synteza_2::a_printallExecute);
  a_print_selected =
      MakeAction("a_print_selected", tr("&Vysledna schemata"), tr("Vytiskne vysledna schemata"),
                 &TForm_Synteza_2::a_print_selectedExecute);
  a_konec = MakeAction("a_konec", tr("&Konec"), QString(), &TForm_Synteza_2::a_konecExecute);

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

void TForm_Synteza_2::WatchSchemaField(QWidget& field, int slot, const QString& name) {
  field.setObjectName(name);
  field.setProperty("tag", slot);
  field.setToolTip(FieldHint());
  field.installEventFilter(this);
}

QLineEdit* TForm_Synteza_2::MakeSchemaField(QWidget* parent, int slot, const QString& name) {
  auto* field = new QLineEdit(parent);
  WatchSchemaField(*field, slot, name);
  field->setReadOnly(true);
  return field;
}

void TForm_Synteza_2::BuildSchemaFields(QWidget* content) {
  // The original schema and the commands stay put; each row of schemas
  // below takes room only while it is shown.
  auto* top = new QWidget(content);
  top->setObjectName(QStringLiteral("Panel_Top"));
  top->setFixedSize(kContentWidth, kTopHeight);
  content->layout()->addWidget(top);
  Panel_Top = top;
  MakeLabel(top, "Label1", tr("Puvodni schema:"), QRect(kSchemaLeft, 8, 200, 16));
  Edit_Schema_1 = new WrappingField(top);
  WatchSchemaField(*Edit_Schema_1, 0, QStringLiteral("Edit_Schema_1"));
  QFont bold = Edit_Schema_1->font();
  bold.setBold(true);
  Edit_Schema_1->setFont(bold);

  // The note that the cover reached the window reduced.
  MakeLabel(top, "Label2", tr("Redundantni zavislosti"), QRect(kNotesLeft, 8, 300, 16));
  MakeLabel(top, "Label3", tr("a atributy byly vymazany jiz"), QRect(kNotesLeft, 24, 300, 16));
  MakeLabel(top, "Label4", tr("pred zobrazenim formulare"), QRect(kNotesLeft, 40, 300, 16));

  const auto makeButton = [top](const char* name, QAction* action, const QRect& geometry) {
    auto* button = new QPushButton(action->text(), top);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(action->statusTip());
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
  };
  Button_LS = makeButton("Button_LS", a_LS_stejne, QRect(10, kCommandsTop, 300, 28));
  Button_EkvK = makeButton("Button_EkvK", a_EkvK, QRect(320, kCommandsTop, 170, 28));
  Button_Proj = makeButton("Button_Proj", a_projekce, QRect(500, kCommandsTop, 120, 28));
  Label_Legend = MakeLabel(top, "Label_Legend",
                           tr("Sede kurzivou: schema nahrazene sloucenim nebo pohlcene "
                              "projekci; ostatni schemata tvori vysledek."),
                           QRect(640, kLegendTop, 340, 36));
  Label_Legend->setWordWrap(true);

  struct Heading {
    const char* heading;
    const char* headingText;
    const char* group;
    const char* scroll;
  };
  const Heading headingRows[] = {
      {"Label_LS_Inic", QT_TR_NOOP("Stejne leve strany:"), "Group_LS", "ScrollBox_LS"},
      {"Label_Ekv_Inic", QT_TR_NOOP("Ekvivalentni klice:"), "Group_EkvK", "ScrollBox_EkvK"},
      {"Label_Proj_Inic", QT_TR_NOOP("Projekce:"), "Group_Proj", "ScrollBox_Proj"},
  };
  rows_ = {SlotRow{.fieldPrefix = "Edit_LS",
                   .labelPrefix = "Label_LS",
                   .columns = kSplitColumns,
                   .columnPitch = kSplitColumnPitch,
                   .labelWidth = kSplitLabelWidth,
                   .firstCells = kFirstSplitCells,
                   .numbered = true,
                   .visibleLines = 3},
           SlotRow{.fieldPrefix = "Edit_EkvK",
                   .labelPrefix = "Label_EkvK",
                   .columns = kLaterColumns,
                   .columnPitch = kLaterColumnPitch,
                   .labelWidth = kLaterLabelWidth,
                   .firstCells = kFirstLaterCells,
                   .numbered = false,
                   .visibleLines = 2},
           SlotRow{.fieldPrefix = "Edit_Proj",
                   .labelPrefix = "Label_Proj",
                   .columns = kLaterColumns,
                   .columnPitch = kLaterColumnPitch,
                   .labelWidth = kLaterLabelWidth,
                   .firstCells = kFirstLaterCells,
                   .numbered = false,
                   .visibleLines = 2}};
  QLabel* headings[3] = {};
  QGroupBox* groups[3] = {};
  QScrollArea* scrolls[3] = {};
  for (int r = 0; r < 3; ++r) {
    const Heading& h = headingRows[r];
    headings[r] = MakeLabel(content, h.heading, tr(h.headingText), QRect());
    headings[r]->setIndent(kGroupLeft);
    content->layout()->addWidget(headings[r]);
    auto* group = new QGroupBox(content);
    group->setObjectName(QString::fromLatin1(h.group));
    group->setFixedSize(kGroupWidth, kCellTop + rows_[r].visibleLines * kCellPitch);
    content->layout()->addWidget(group);
    content->layout()->setAlignment(group, Qt::AlignHCenter);
    groups[r] = group;
    auto* scroll = new QScrollArea(group);
    scroll->setObjectName(QString::fromLatin1(h.scroll));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setGeometry(2, kScrollTop, kGroupWidth - 4, group->height() - kScrollTop - 2);
    scroll->verticalScrollBar()->setSingleStep(kCellPitch);
    scrolls[r] = scroll;
    rows_[r].scroll = scroll;
    auto* cells = new QWidget;
    cells->setObjectName(QStringLiteral("%1_Cells").arg(QString::fromLatin1(h.group)));
    scroll->setWidget(cells);
    rows_[r].cells = cells;
    EnsureCells(rows_[r], rows_[r].firstCells);
  }
  Label_LS_Inic = headings[0];
  Label_Ekv_Inic = headings[1];
  Label_Proj_Inic = headings[2];
  Group_LS = groups[0];
  Group_EkvK = groups[1];
  Group_Proj = groups[2];
  ScrollBox_LS = scrolls[0];
  ScrollBox_EkvK = scrolls[1];
  ScrollBox_Proj = scrolls[2];
}

void TForm_Synteza_2::EnsureCells(SlotRow& row, int count) {
  for (int k = static_cast<int>(row.fields.size()); k < count; ++k) {
    auto* label = new QLabel(row.cells);
    label->setObjectName(
        QStringLiteral("%1%2").arg(QString::fromLatin1(row.labelPrefix)).arg(k + 1));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (row.numbered) label->setText(QString::number(k + 1));
    label->hide();
    row.labels.push_back(label);
    QLineEdit* field = MakeSchemaField(
        row.cells, -1, QStringLiteral("%1%2").arg(QString::fromLatin1(row.fieldPrefix)).arg(k + 1));
    field->hide();
    row.fields.push_back(field);
  }
  PlaceCells(row, row.labelWidth, row.columnPitch - row.labelWidth - kCellGap);
}

void TForm_Synteza_2::PlaceCells(SlotRow& row, int labelWidth, int fieldWidth) {
  // As many columns as the box holds, up to the row's own number; a field
  // wider than the box scrolls sideways.
  const int pitch = labelWidth + fieldWidth + kCellGap;
  const int room = row.scroll->width() - row.scroll->verticalScrollBar()->sizeHint().width();
  const int columns = std::clamp((room - kCellLeft) / pitch, 1, row.columns);
  const int cells = static_cast<int>(row.fields.size());
  for (int k = 0; k < cells; ++k) {
    const int left = kCellLeft + (k % columns) * pitch;
    const int top = 6 + (k / columns) * kCellPitch;
    row.labels[k]->setGeometry(left, top, labelWidth, kFieldHeight);
    row.fields[k]->setGeometry(left + labelWidth + 7, top, fieldWidth, kFieldHeight);
  }
  // The bars are switched on and off here: a scroll area whose group box is
  // still hidden does not yet decide for itself.
  const int lines = (std::max(cells, row.firstCells) + columns - 1) / columns;
  row.scroll->setVerticalScrollBarPolicy(lines > row.visibleLines ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
  const int wide = kCellLeft + std::min(columns, std::max(cells, 1)) * pitch;
  const bool sideways = wide > room;
  row.scroll->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
  row.cells->resize(std::max(wide, room), 6 + lines * kCellPitch);
  // The sideways bar takes room of its own below the lines it scrolls.
  const int bar = sideways ? row.scroll->horizontalScrollBar()->sizeHint().height() : 0;
  QWidget* group = row.scroll->parentWidget();
  group->setFixedHeight(kCellTop + row.visibleLines * kCellPitch + bar);
  row.scroll->resize(row.scroll->width(), group->height() - kScrollTop - 2);
}

void TForm_Synteza_2::BuildDetails(QWidget* content) {
  Label_S1 = MakeLabel(content, "Label_S1", tr("Atributy:"), QRect());
  Memo_ABC = new QPlainTextEdit(content);
  Memo_ABC->setObjectName(QStringLiteral("Memo_ABC"));
  Memo_ABC->setFixedSize(200, kDetailHeight);

  Label_S2 = MakeLabel(content, "Label_S2", tr("Zavislosti:"), QRect());
  auto* panel = new QFrame(content);
  panel->setObjectName(QStringLiteral("Panel_Dep"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setFixedSize(SchemaDetails::RowLeft + kRowWidth + 20, kDetailHeight);
  Panel_Dep = panel;

  UpDown1 = new UpDownControl(QStringLiteral("UpDown1Up"), QStringLiteral("UpDown1Down"), content);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setFixedSize(24, 50);
  connect(UpDown1, &UpDownControl::Click, this, &TForm_Synteza_2::UpDown1Click);

  Label_S3 = MakeLabel(content, "Label_S3", tr("Klice:"), QRect());
  Memo_Keys = new QPlainTextEdit(content);
  Memo_Keys->setObjectName(QStringLiteral("Memo_Keys"));
  Memo_Keys->setFixedSize(220, kDetailHeight);

  for (QPlainTextEdit* memo : {Memo_ABC, Memo_Keys}) {
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  }

  DetailControls controls;
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
  details_->LayOut(*content, QMargins(kGroupLeft, 0, kGroupLeft, 0), kGroupLeft);
}

void TForm_Synteza_2::LoadSchema(DependencyList cover, KeyList keys) {
  notice_->hide();
  // A window still open from the previous command starts with an empty
  // lower part too, as after closing.
  details_->Clear();
  LoadSynthesis(state_, host_.LiveSchema().attributes, std::move(cover), std::move(keys));
  shownSlot = 0;
  ShowSlots();
  Edit_Schema_1->setEnabled(true);
  Edit_Schema_1->show();
}

void TForm_Synteza_2::ArrangeTop() {
  const QSize size = Edit_Schema_1->SizeWithin(kSchemaWidest);
  Edit_Schema_1->setGeometry(kSchemaLeft, kSchemaTop, std::max(size.width(), kLeastSchemaWidth),
                             std::max(size.height(), kFieldHeight));
  const int below = std::max(Edit_Schema_1->height() - kFieldHeight, 0);
  for (QPushButton* command : {Button_LS, Button_EkvK, Button_Proj})
    command->move(command->x(), kCommandsTop + below);
  Label_Legend->move(Label_Legend->x(), kLegendTop + below);
  Panel_Top->setFixedHeight(kTopHeight + below);
}

void TForm_Synteza_2::ShowSlots() {
  const SubSchema& start = state_.schemas[0];
  Edit_Schema_1->setText(ToText(SynthesisFieldText(state_, 0)));
  Edit_Schema_1->setToolTip(TextWithHint(Edit_Schema_1->text(), FieldHint()));
  SetBackground(*Edit_Schema_1, SchemaColour(start.normalForm));
  ArrangeTop();
  ShowRow(rows_[0], FirstLeftSideSlot, LeftSideCount(state_));
  ShowRow(rows_[1], state_.firstMergedSlot, MergedCount(state_));
  ShowRow(rows_[2], state_.firstProjectionSlot, ProjectionCount(state_));
  const bool split = state_.leftSidesShown;
  const bool merged = MergedCount(state_) > 0;
  const bool projected = ProjectionCount(state_) > 0;
  Group_LS->setVisible(split);
  Label_LS_Inic->setVisible(split);
  Group_EkvK->setVisible(merged);
  Label_Ekv_Inic->setVisible(merged);
  Group_Proj->setVisible(projected);
  Label_Proj_Inic->setVisible(projected);
}

void TForm_Synteza_2::ShowRow(SlotRow& row, int firstSlot, int count) {
  EnsureCells(row, count);
  // Labels as wide as the widest number and fields as wide as the widest
  // schema, so that every cell reads whole and the cells stand in columns.
  int labelWidth = row.labelWidth;
  int fieldWidth = row.columnPitch - row.labelWidth - kCellGap;
  for (int k = 0; k < count; ++k) {
    const int slot = firstSlot + k;
    if (!row.numbered) {
      const QString number = NumberLabelText(state_.numberLabel[slot]);
      labelWidth = std::max(labelWidth, row.labels[k]->fontMetrics().horizontalAdvance(number) + 4);
    }
    fieldWidth = std::max(fieldWidth,
                          WholeTextWidth(*row.fields[k], ToText(SynthesisFieldText(state_, slot))));
  }
  for (int k = 0; k < static_cast<int>(row.fields.size()); ++k) {
    QLineEdit& field = *row.fields[k];
    QLabel& label = *row.labels[k];
    const int slot = k < count ? firstSlot + k : -1;
    const SubSchema empty;
    const SubSchema& schema = slot < 0 ? empty : state_.schemas[slot];
    field.setProperty("tag", slot);
    const QString text = slot < 0 ? QString() : ToText(SynthesisFieldText(state_, slot));
    ShowWhole(field, text);
    const bool replaced = schema.state == SlotState::Replaced;
    field.setToolTip(TextWithHint(
        replaced ? text + QLatin1Char('\n') + tr("Nahrazeno: schema bylo sloucene nebo pohlcene")
                 : text,
        FieldHint()));
    ShowSuperseded(field, replaced);
    SetBackground(field, SchemaColour(schema.normalForm));
    if (!row.numbered)
      label.setText(slot < 0 ? QString() : NumberLabelText(state_.numberLabel[slot]));
    const bool present = schema.state != SlotState::Empty;
    field.setEnabled(present);
    field.setVisible(present);
    label.setVisible(present);
  }
  PlaceCells(row, labelWidth, fieldWidth);
}

bool TForm_Synteza_2::eventFilter(QObject* watched, QEvent* event) {
  // Only the schema fields are watched; each carries its slot.
  if (event->type() == QEvent::MouseButtonDblClick) {
    const int slot = watched->property("tag").toInt();
    if (slot >= 0 && slot < SlotCount(state_)) {
      Edit_Schema_1DblClick(slot);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm_Synteza_2::Edit_Schema_1DblClick(int tag) {
  shownSlot = tag;
  ShowSchemaDetails();
}

void TForm_Synteza_2::ShowSchemaDetails() {
  const SubSchema& shown = state_.schemas[shownSlot];
  details_->Show(shown, state_.attributeNames, KeyLineTexts(shown.keys, state_.attributeNames));
  // Wide details widen the window up to the screen; past that they scroll.
  GrowToContent(*this, *content_);
}

void TForm_Synteza_2::UpDown1Click(int position, bool upPressed) {
  details_->Page(position, upPressed);
}

void TForm_Synteza_2::a_LS_stejneExecute() {
  Tell(SplitByLeftSides(state_));
  ShowSlots();
}

void TForm_Synteza_2::a_EkvKExecute() {
  const SynthesisCheck check = CheckMerge(state_);
  if (check.outcome != SynthesisOutcome::Proceed) {
    Tell(check.outcome);
  } else {
    const bool undo = check.question == SynthesisQuestion::None ||
                      messages_.AskYesNo(SynthesisQuestionText(check.question));
    Tell(MergeEquivalentKeys(state_, undo ? EarlierProjections::Undo : EarlierProjections::Keep));
  }
  ShowSlots();
}

void TForm_Synteza_2::a_projekceExecute() {
  Tell(AbsorbProjections(state_));
  ShowSlots();
}

void TForm_Synteza_2::Tell(SynthesisOutcome outcome) {
  if (const QString text = SynthesisOutcomeText(outcome); !text.isEmpty()) messages_.Inform(text);
}

void TForm_Synteza_2::a_printallExecute() {
  if (state_.attributeNames[0].empty()) {
    messages_.Inform(NothingToPrintText());
    return;
  }
  emit reportReady(SynthesisCourseReport(state_));
}

void TForm_Synteza_2::a_print_selectedExecute() {
  if (state_.attributeNames[0].empty()) {
    messages_.Inform(NothingToPrintText());
    return;
  }
  emit reportReady(SynthesisResultReport(state_));
}

void TForm_Synteza_2::a_konecExecute() {
  close();
}

void TForm_Synteza_2::FormClose() {
  ClearSynthesis(state_);
  details_->Clear();
  shownSlot = 0;
  ShowSlots();
  Edit_Schema_1->setEnabled(false);
  Edit_Schema_1->hide();
}
