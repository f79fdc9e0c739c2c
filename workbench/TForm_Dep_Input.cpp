#include "TForm_Dep_Input.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "Data_statement_2.h"
#include "DbcFormat.h"
#include "DependencyRows.h"
#include "Display.h"
#include "UpDownControl.h"

namespace {

const char* const kTag = "tag";

// Lines inside the panel, in pixels.
constexpr int kLineLeft = 20;
constexpr int kLineTop = 7;
constexpr int kLinePitch = 32;
// The narrowest the lines get; a longer dependency widens them all.
constexpr int kLineWidth = 380;
constexpr int kLineHeight = 25;
constexpr int kLinePoints = 10;

constexpr int kMostLines = 30;
constexpr int kLinesWithoutPaging = 10;
// Whatever the editor builds must open again from its file.
static_assert(kMostLines * RowRhsSlots <= DbcMaxEntries && RowLhsPickers <= DbcMaxLhs);

// The pickers' least width, and the panel's height, which pages its lines.
constexpr int kPickerWidth = 140;
constexpr int kPickerGap = 9;
constexpr int kPanelHeight = 404;
// The panel's frame and the room the pickers' column and the margins take
// beside it.
constexpr int kPanelFrame = 4;
constexpr int kBesidePanel = 200;

}  // namespace

TForm_Dep_Input::TForm_Dep_Input(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Dep_Input"));
  setWindowTitle(tr("Schemario - Zadavani zavislosti"));

  auto* pickers = new QVBoxLayout;
  pickers->setSpacing(kPickerGap);
  const auto makePicker = [this, pickers](const QString& name) {
    auto* picker = new QComboBox(this);
    picker->setObjectName(name);
    picker->setEditable(false);
    picker->setMaxVisibleItems(15);
    // As wide as the longest name it offers.
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    picker->setMinimumWidth(kPickerWidth);
    pickers->addWidget(picker);
    return picker;
  };
  const auto makeLabel = [this, pickers](const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    pickers->addWidget(label, 0, alignment);
    return label;
  };

  makeLabel(tr("LEVA STRANA:"), Qt::AlignLeft);
  for (int i = 0; i < RowLhsPickers; ++i)
    ComboBox_L[i] = makePicker(QStringLiteral("ComboBox_L%1").arg(i + 1));
  Label1 = makeLabel(QStringLiteral("= >"), Qt::AlignHCenter);
  Label1->setObjectName(QStringLiteral("Label1"));
  makeLabel(tr("PRAVA STRANA:"), Qt::AlignLeft);
  for (int i = 0; i < RowRhsSlots; ++i)
    ComboBox_P[i] = makePicker(QStringLiteral("ComboBox_P%1").arg(i + 1));

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setFixedHeight(kPanelHeight);
  Panel1->setMinimumWidth(2 * kLineLeft + kLineWidth + kPanelFrame);
  // Its lines follow its width.
  Panel1->installEventFilter(this);

  const auto makeButton = [this](const char* name, const QString& caption, int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(width, 28);
    return button;
  };
  Button_Insert = makeButton("Button_Insert", tr("Pridat"), kPickerWidth);
  Erase = makeButton("Erase", tr("Smazat"), kPickerWidth);
  Button_OK = makeButton("Button_OK", tr("OK"), 90);
  Button_OK->setDefault(true);
  Cancel = makeButton("Cancel", tr("Cancel"), 90);

  UpDown1 = new UpDownControl(QStringLiteral("UpDown1Up"), QStringLiteral("UpDown1Down"), this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setFixedSize(30, 50);
  UpDown1->hide();

  pickers->addStretch(1);
  pickers->addWidget(Button_Insert);
  pickers->addSpacing(6);
  pickers->addWidget(Erase);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(10);
  buttons->addWidget(Button_OK, 0, Qt::AlignBottom);
  buttons->addWidget(Cancel, 0, Qt::AlignBottom);
  buttons->addStretch(1);
  buttons->addWidget(UpDown1);
  // The buttons keep their row when the arrows are hidden.
  buttons->addStrut(UpDown1->height());

  auto* lines = new QVBoxLayout;
  lines->setSpacing(6);
  lines->addWidget(Panel1, 1);
  lines->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 12);
  layout->setSpacing(20);
  layout->addLayout(pickers);
  layout->addLayout(lines, 1);

  connect(Button_Insert, &QPushButton::clicked, this, &TForm_Dep_Input::Button_InsertClick);
  connect(Erase, &QPushButton::clicked, this, &TForm_Dep_Input::EraseClick);
  connect(Button_OK, &QPushButton::clicked, this, &TForm_Dep_Input::Button_OKClick);
  connect(Cancel, &QPushButton::clicked, this, &TForm_Dep_Input::CancelClick);
  connect(UpDown1, &UpDownControl::Click, this, &TForm_Dep_Input::UpDown1Click);
}

void TForm_Dep_Input::Prepare() {
  FormClose();
  names_ = host_.LiveSchema().attributes;
  const auto fill = [this](QComboBox* picker) {
    picker->clear();
    picker->addItem(QString());
    for (const std::string& name : ListAttributeLines(names_))
      picker->addItem(ToText(name));
  };
  for (QComboBox* picker : ComboBox_L)
    fill(picker);
  for (QComboBox* picker : ComboBox_P)
    fill(picker);

  for (const Dependency& d : host_.LiveSchema().dependencies) {
    rows_.push_back(RowFromDependency(d));
    AddLine(ToText(ShowDependency(d, names_)));
  }
  if (!rows_.empty()) {
    current_ = 0;
    Highlight(0, colours::SelectedYellow);
  }
  modified_ = false;
  ShowPagingIfNeeded();
}

void TForm_Dep_Input::AddLine(const QString& text) {
  auto* line = new QLineEdit(Panel1);
  ShowWhole(*line, text);
  line->setObjectName(QStringLiteral("Line_%1").arg(lines_.size() + 1));
  line->setProperty(kTag, static_cast<int>(lines_.size()));
  line->setReadOnly(true);
  line->setFocusPolicy(Qt::NoFocus);
  QFont font = line->font();
  font.setPointSize(kLinePoints);
  line->setFont(font);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Text, Qt::black);
  line->setPalette(palette);
  SetBackground(*line, colours::ButtonFace());
  line->installEventFilter(this);
  lines_.push_back(line);
  WidenForLines();
  PlaceLine(static_cast<int>(lines_.size()) - 1);
}

void TForm_Dep_Input::WidenForLines() {
  int widest = kLineWidth;
  for (const QLineEdit* line : lines_)
    widest = std::max(widest, WholeTextWidth(*line, line->text()));
  // Up to the screen's width; a longer line shows its beginning and is read
  // whole from its tooltip.
  const int room = screen()->availableGeometry().width() - kBesidePanel;
  Panel1->setMinimumWidth(std::min(2 * kLineLeft + widest + kPanelFrame, room));
}

void TForm_Dep_Input::PlaceLine(int line) {
  QLineEdit* field = lines_[line];
  field->setGeometry(kLineLeft, kLineTop + kLinePitch * (line - UpDown1->Position()),
                     Panel1->width() - 2 * kLineLeft - kPanelFrame, kLineHeight);
  // A line paged out of the panel is not shown at all rather than half cut.
  field->setVisible(Panel1->rect().contains(field->geometry()));
}

void TForm_Dep_Input::Highlight(int line, const QColor& colour) {
  SetBackground(*lines_[line], colour);
}

void TForm_Dep_Input::ShowPagingIfNeeded() {
  UpDown1->setVisible(lines_.size() > kLinesWithoutPaging);
}

void TForm_Dep_Input::ScrollToLine(int line) {
  const int visible = (Panel1->height() - kLineTop) / kLinePitch;
  if (line - UpDown1->Position() < visible) return;
  UpDown1->SetPosition(line - visible + 1);
  for (int k = 0; k < static_cast<int>(lines_.size()); ++k)
    PlaceLine(k);
}

void TForm_Dep_Input::Button_InsertClick() {
  std::vector<AttributeIndex> lhs;
  for (QComboBox* picker : ComboBox_L) {
    if (picker->currentIndex() > 0)
      lhs.push_back(static_cast<AttributeIndex>(picker->currentIndex() - 1));
  }
  std::vector<AttributeIndex> rhs;
  DependencyRow row;
  for (int slot = 0; slot < RowRhsSlots; ++slot) {
    if (ComboBox_P[slot]->currentIndex() <= 0) continue;
    row.rhsSlots[slot] = static_cast<AttributeIndex>(ComboBox_P[slot]->currentIndex() - 1);
    rhs.push_back(row.rhsSlots[slot]);
  }
  if (lines_.size() >= kMostLines) {
    messages_.Inform(tr("Bohuzel je zadano prilis mnoho zavislosti"));
    return;
  }
  if (lhs.empty()) {
    messages_.Inform(tr("Neni zadana leva strana"));
    return;
  }
  if (rhs.empty()) {
    messages_.Inform(tr("Neni zadana prava strana"));
    return;
  }
  // A second copy of an attribute adds nothing to a left-hand side, and the
  // redundant attributes tools would only have to take it out again.
  if (std::set<AttributeIndex>(lhs.begin(), lhs.end()).size() < lhs.size()) {
    messages_.Inform(tr("Stejny atribut nelze zadat na leve strane dvakrat"));
    return;
  }
  modified_ = true;
  for (AttributeIndex a : lhs)
    InsertAscending(row, a);
  rows_.push_back(row);
  AddLine(ToText(EditorLineText(lhs, rhs, names_)));
  if (current_ >= 0) Highlight(current_, colours::Light3D());
  current_ = static_cast<int>(lines_.size()) - 1;
  Highlight(current_, colours::SelectedYellow);
  // A user adding the eleventh line and beyond would otherwise not see it.
  ScrollToLine(current_);
  for (QComboBox* picker : ComboBox_L)
    picker->setCurrentIndex(0);
  for (QComboBox* picker : ComboBox_P)
    picker->setCurrentIndex(0);
  ShowPagingIfNeeded();
}

void TForm_Dep_Input::One_Edit1Click(int tag) {
  if (current_ >= 0) Highlight(current_, colours::Light3D());
  current_ = tag;
  Highlight(current_, colours::SelectedYellow);
}

void TForm_Dep_Input::EraseClick() {
  if (current_ < 0) {
    messages_.Inform(tr("Neni co mazat"));
    return;
  }
  if (!messages_.AskYesNo(tr("Chcete skutecne smazat tuto zavislost?"))) return;
  const int k = current_;
  Highlight(k, colours::Light3D());
  const int last = static_cast<int>(lines_.size()) - 1;
  for (int i = k; i < last; ++i)
    ShowWhole(*lines_[i], lines_[i + 1]->text());
  rows_.erase(rows_.begin() + k);
  // The row after the erased one takes its place; the last row hands the
  // selection back to the one before it.
  if (k == last) current_ = k - 1;
  delete lines_.back();
  lines_.pop_back();
  WidenForLines();
  modified_ = true;
  if (current_ >= 0) Highlight(current_, colours::SelectedYellow);
}

void TForm_Dep_Input::UpDown1Click(int position, bool upPressed) {
  // The up arrow stops at the last line.
  const int count = static_cast<int>(lines_.size());
  if (upPressed && position >= count) UpDown1->SetPosition(position - 1);
  for (int k = 0; k < count; ++k)
    PlaceLine(k);
}

void TForm_Dep_Input::Button_OKClick() {
  DependencyList list = DependenciesFromRows(rows_);
  std::vector<std::string> log = ListDependencyLines(list, names_);
  log.emplace_back(DependencySeparator);
  SchemaDocument& document = host_.Document();
  document.ReplaceDependencies(std::move(list));
  emit dependencyLogReady(log);
  document.MarkDirty(modified_);
  accept();
}

void TForm_Dep_Input::CancelClick() {
  reject();
}

void TForm_Dep_Input::FormClose() {
  for (QLineEdit* line : lines_)
    delete line;
  lines_.clear();
  rows_.clear();
  current_ = -1;
  UpDown1->SetPosition(0);
  WidenForLines();
}

void TForm_Dep_Input::done(int result) {
  FormClose();
  QDialog::done(result);
}

bool TForm_Dep_Input::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) {
    for (int k = 0; k < static_cast<int>(lines_.size()); ++k)
      PlaceLine(k);
  }
  if (event->type() == QEvent::MouseButtonPress) {
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (line != nullptr && line->parent() == Panel1) One_Edit1Click(line->property(kTag).toInt());
  }
  return QDialog::eventFilter(watched, event);
}
