#include "TForm_Dep_Input.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
constexpr int kLineWidth = 380;
constexpr int kLineHeight = 25;
constexpr int kLinePoints = 10;

constexpr int kMostLines = 30;
constexpr int kLinesWithoutPaging = 10;
// Whatever the editor builds must open again from its file.
static_assert(kMostLines * RowRhsSlots <= DbcMaxEntries && RowLhsPickers <= DbcMaxLhs);

// Window layout, in pixels.
constexpr int kPickerLeft = 20;
constexpr int kPickerWidth = 140;
constexpr int kPickerHeight = 25;
constexpr int kPickerPitch = 34;
constexpr int kPanelLeft = 180;
constexpr int kPanelTop = 20;
constexpr int kPanelWidth = 2 * kLineLeft + kLineWidth + 4;
constexpr int kPanelHeight = 404;
constexpr int kUpDownTop = 430;

}  // namespace

TForm_Dep_Input::TForm_Dep_Input(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Dep_Input"));
  setWindowTitle(tr("Schemario - Zadavani zavislosti"));

  const auto makePicker = [this](const QString& name, int top) {
    auto* picker = new QComboBox(this);
    picker->setObjectName(name);
    picker->setEditable(false);
    picker->setMaxVisibleItems(15);
    picker->setGeometry(kPickerLeft, top, kPickerWidth, kPickerHeight);
    return picker;
  };
  const auto makeLabel = [this](const QString& text, int left, int top) {
    auto* label = new QLabel(text, this);
    label->move(left, top);
    return label;
  };

  makeLabel(tr("LEVA STRANA:"), kPickerLeft, 20);
  for (int i = 0; i < RowLhsPickers; ++i)
    ComboBox_L[i] = makePicker(QStringLiteral("ComboBox_L%1").arg(i + 1), 42 + kPickerPitch * i);
  Label1 = makeLabel(QStringLiteral("= >"), kPickerLeft + kPickerWidth / 2 - 10, 214);
  Label1->setObjectName(QStringLiteral("Label1"));
  makeLabel(tr("PRAVA STRANA:"), kPickerLeft, 244);
  for (int i = 0; i < RowRhsSlots; ++i)
    ComboBox_P[i] = makePicker(QStringLiteral("ComboBox_P%1").arg(i + 1), 266 + kPickerPitch * i);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);

  const auto makeButton = [this](const char* name, const QString& caption, int left, int top,
                                 int width) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, width, 28);
    return button;
  };
  Button_Insert = makeButton("Button_Insert", tr("Pridat"), kPickerLeft, 378, kPickerWidth);
  Erase = makeButton("Erase", tr("Smazat"), kPickerLeft, 412, kPickerWidth);
  Button_OK = makeButton("Button_OK", tr("OK"), kPanelLeft, 440, 90);
  Button_OK->setDefault(true);
  Cancel = makeButton("Cancel", tr("Cancel"), kPanelLeft + 100, 440, 90);

  UpDown1 = new UpDownControl(QStringLiteral("UpDown1Up"), QStringLiteral("UpDown1Down"), this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(kPanelLeft + kPanelWidth - 30, kUpDownTop, 30, 50);
  UpDown1->hide();

  connect(Button_Insert, &QPushButton::clicked, this, &TForm_Dep_Input::Button_InsertClick);
  connect(Erase, &QPushButton::clicked, this, &TForm_Dep_Input::EraseClick);
  connect(Button_OK, &QPushButton::clicked, this, &TForm_Dep_Input::Button_OKClick);
  connect(Cancel, &QPushButton::clicked, this, &TForm_Dep_Input::CancelClick);
  connect(UpDown1, &UpDownControl::Click, this, &TForm_Dep_Input::UpDown1Click);

  setFixedSize(kPanelLeft + kPanelWidth + 20, 492);
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
  PlaceLine(static_cast<int>(lines_.size()) - 1);
}

void TForm_Dep_Input::PlaceLine(int line) {
  QLineEdit* field = lines_[line];
  field->setGeometry(kLineLeft, kLineTop + kLinePitch * (line - UpDown1->Position()), kLineWidth,
                     kLineHeight);
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
  const std::vector<std::string> log = ListDependencyLines(list, names_);
  SchemaDocument& document = host_.Document();
  document.ReplaceDependencies(std::move(list));
  host_.AppendDependencyLog(log);
  host_.AppendDependencyLog({DependencySeparator});
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
}

void TForm_Dep_Input::done(int result) {
  FormClose();
  QDialog::done(result);
}

bool TForm_Dep_Input::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (line != nullptr && line->parent() == Panel1) One_Edit1Click(line->property(kTag).toInt());
  }
  return QDialog::eventFilter(watched, event);
}
