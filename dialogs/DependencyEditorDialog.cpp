#include "DependencyEditorDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "Display.h"
#include "ModelText.h"
#include "NotationText.h"
#include "SchemaListing.h"
#include "UpDownControl.h"
#include "WrappingField.h"

namespace {

const char* const kTag = "tag";

// Lines inside the panel, in pixels.
constexpr int kLineLeft = 20;
constexpr int kLineTop = 7;
constexpr int kLineGap = 7;
// The narrowest the lines get; a longer dependency widens them all.
constexpr int kLineWidth = 380;
constexpr int kLineHeight = 25;
constexpr int kLinePoints = 10;

constexpr int kLinesWithoutPaging = 10;

constexpr int kRowsTab = 0;
constexpr int kTextTab = 1;

// Behind the line a refusal points at.
const QColor kRefusedLine(255, 205, 205);

// The pickers' least width, and the panel's height, which pages its lines.
constexpr int kPickerWidth = 140;
constexpr int kPickerGap = 9;
constexpr int kPanelHeight = 404;
// The panel's frame and the room the pickers' column and the margins take
// beside it.
constexpr int kPanelFrame = 4;
constexpr int kBesidePanel = 200;

}  // namespace

DependencyEditorDialog::DependencyEditorDialog(DependencyEditorSession& session, SchemaHost& host,
                                               MessageService& messages, QWidget* parent)
    : QDialog(parent), session_(session), host_(host), messages_(messages) {
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

  auto* rows = new QWidget(this);
  rows->setObjectName(QStringLiteral("Tab_Rows"));
  auto* rowsLayout = new QHBoxLayout(rows);
  rowsLayout->setContentsMargins(12, 12, 12, 12);
  rowsLayout->setSpacing(20);
  rowsLayout->addLayout(pickers);
  rowsLayout->addWidget(Panel1, 1);

  auto* text = new QWidget(this);
  text->setObjectName(QStringLiteral("Tab_Text"));
  auto* hint = new QLabel(
      tr("Jedna zavislost na radek, jmena oddelena carkou: A, B -> C. Vice jmen vpravo da "
         "zavislost pro kazde z nich, # zacina poznamku."),
      text);
  hint->setObjectName(QStringLiteral("Label_TextHint"));
  hint->setWordWrap(true);
  Memo_DependencyText = new QPlainTextEdit(text);
  Memo_DependencyText->setObjectName(QStringLiteral("Memo_DependencyText"));
  Memo_DependencyText->setLineWrapMode(QPlainTextEdit::NoWrap);
  Label_TextRefusal = new QLabel(text);
  Label_TextRefusal->setObjectName(QStringLiteral("Label_TextRefusal"));
  Label_TextRefusal->setWordWrap(true);
  QPalette refusalPalette = Label_TextRefusal->palette();
  refusalPalette.setColor(QPalette::WindowText, Qt::darkRed);
  Label_TextRefusal->setPalette(refusalPalette);
  auto* textLayout = new QVBoxLayout(text);
  textLayout->setContentsMargins(12, 12, 12, 12);
  textLayout->addWidget(hint);
  textLayout->addWidget(Memo_DependencyText, 1);
  textLayout->addWidget(Label_TextRefusal);

  TabWidget_Dependencies = new QTabWidget(this);
  TabWidget_Dependencies->setObjectName(QStringLiteral("TabWidget_Dependencies"));
  TabWidget_Dependencies->addTab(rows, tr("Po radcich"));
  TabWidget_Dependencies->addTab(text, tr("Jako text"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 12);
  layout->setSpacing(6);
  layout->addWidget(TabWidget_Dependencies, 1);
  layout->addLayout(buttons);

  connect(Button_Insert, &QPushButton::clicked, this, &DependencyEditorDialog::insertLine);
  connect(Erase, &QPushButton::clicked, this, &DependencyEditorDialog::eraseLine);
  connect(Button_OK, &QPushButton::clicked, this, &DependencyEditorDialog::acceptDependencies);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(UpDown1, &UpDownControl::Click, this, &DependencyEditorDialog::pageLines);
  connect(TabWidget_Dependencies, &QTabWidget::currentChanged, this,
          &DependencyEditorDialog::switchTab);
  connect(&session_, &DependencyEditorSession::linesChanged, this,
          &DependencyEditorDialog::showLines);
  connect(&session_, &DependencyEditorSession::currentChanged, this,
          &DependencyEditorDialog::showCurrent);
}

void DependencyEditorDialog::prepare() {
  UpDown1->SetPosition(0);
  session_.load(host_.LiveSchema());
  const auto fill = [this](QComboBox* picker) {
    picker->clear();
    picker->addItem(QString());
    for (const std::string& name : ListAttributeLines(session_.names()))
      picker->addItem(ToText(name));
  };
  for (QComboBox* picker : ComboBox_L)
    fill(picker);
  for (QComboBox* picker : ComboBox_P)
    fill(picker);
  showPagingIfNeeded();
}

void DependencyEditorDialog::showLines() {
  const auto count = static_cast<std::size_t>(session_.lineCount());
  while (lines_.size() > count) {
    delete lines_.back();
    lines_.pop_back();
  }
  while (lines_.size() < count) {
    auto* line = new WrappingField(Panel1);
    line->setObjectName(QStringLiteral("Line_%1").arg(lines_.size() + 1));
    line->setProperty(kTag, static_cast<int>(lines_.size()));
    QFont font = line->font();
    font.setPointSize(kLinePoints);
    line->setFont(font);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Text, Qt::black);
    line->setPalette(palette);
    SetBackground(*line, colours::ButtonFace());
    line->installEventFilter(this);
    lines_.push_back(line);
  }
  for (std::size_t k = 0; k < count; ++k)
    lines_[k]->setText(Breakable(ToText(session_.lineText(static_cast<int>(k)))));
  if (shownCurrent_ >= static_cast<int>(count)) shownCurrent_ = -1;
  widenForLines();
  placeLines();
}

void DependencyEditorDialog::showCurrent() {
  if (shownCurrent_ >= 0) SetBackground(*lines_[shownCurrent_], colours::Light3D());
  shownCurrent_ = session_.current();
  if (shownCurrent_ >= 0) SetBackground(*lines_[shownCurrent_], colours::SelectedYellow);
}

void DependencyEditorDialog::widenForLines() {
  int widest = kLineWidth;
  for (const WrappingField* line : lines_)
    widest = std::max(widest, line->OneLineWidth());
  // Up to the screen's width; a longer line goes on over further lines.
  const int room = screen()->availableGeometry().width() - kBesidePanel;
  Panel1->setMinimumWidth(std::min(2 * kLineLeft + widest + kPanelFrame, room));
}

void DependencyEditorDialog::placeLines() {
  const int width = Panel1->width() - 2 * kLineLeft - kPanelFrame;
  const auto height = [this, width](int line) {
    return std::max(kLineHeight, lines_[line]->heightForWidth(width));
  };
  // The line at the arrows' position stands at the top; the lines before it
  // above the panel, the others one below the other.
  const int first = std::min(UpDown1->Position(), static_cast<int>(lines_.size()));
  int top = kLineTop;
  for (int k = first - 1; k >= 0; --k) {
    top -= height(k) + kLineGap;
    lines_[k]->setGeometry(kLineLeft, top, width, height(k));
  }
  top = kLineTop;
  for (int k = first; k < static_cast<int>(lines_.size()); ++k) {
    lines_[k]->setGeometry(kLineLeft, top, width, height(k));
    top += height(k) + kLineGap;
  }
  // A line paged out of the panel is not shown at all rather than half cut.
  for (WrappingField* line : lines_)
    line->setVisible(Panel1->rect().contains(line->geometry()));
}

void DependencyEditorDialog::showPagingIfNeeded() {
  const bool allShown = std::all_of(lines_.begin(), lines_.end(),
                                    [](const WrappingField* line) { return !line->isHidden(); });
  UpDown1->setVisible(TabWidget_Dependencies->currentIndex() == kRowsTab &&
                      (lines_.size() > kLinesWithoutPaging || !allShown));
}

void DependencyEditorDialog::switchTab(int tab) {
  const int left = std::exchange(shownTab_, tab);
  if (tab == kTextTab) {
    showText();
  } else if (left == kTextTab && !takeText()) {
    // The student corrects the text where it was refused.
    const QSignalBlocker quiet(TabWidget_Dependencies);
    TabWidget_Dependencies->setCurrentIndex(kTextTab);
    shownTab_ = kTextTab;
  }
  showPagingIfNeeded();
}

void DependencyEditorDialog::showText() {
  const NotationWriteResult text = session_.text();
  Memo_DependencyText->setExtraSelections({});
  if (const auto* refusal = std::get_if<NotationWriteRefusal>(&text)) {
    Memo_DependencyText->clear();
    Memo_DependencyText->setReadOnly(true);
    Label_TextRefusal->setText(
        tr("Zavislosti nejde ukazat jako text: %1").arg(NotationText::WriteRefusalText(*refusal)));
  } else {
    Memo_DependencyText->setPlainText(ToText(std::get<std::string>(text)));
    Memo_DependencyText->setReadOnly(false);
    Label_TextRefusal->clear();
  }
  Memo_DependencyText->document()->setModified(false);
}

bool DependencyEditorDialog::takeText() {
  if (!Memo_DependencyText->document()->isModified()) return true;
  if (const std::optional<NotationRefusal> refusal =
          session_.takeText(FromText(Memo_DependencyText->toPlainText()))) {
    markRefusal(*refusal);
    return false;
  }
  Memo_DependencyText->setExtraSelections({});
  Label_TextRefusal->clear();
  Memo_DependencyText->document()->setModified(false);
  return true;
}

void DependencyEditorDialog::markRefusal(const NotationRefusal& refusal) {
  Label_TextRefusal->setText(NotationText::RefusalText(refusal));
  const QTextBlock block =
      Memo_DependencyText->document()->findBlockByNumber(static_cast<int>(refusal.line) - 1);
  // Columns count characters; a character beyond the basic plane takes two
  // places in the block's text.
  const QString line = block.text();
  qsizetype place = 0;
  for (std::size_t column = 1; column < refusal.column && place < line.size(); ++column)
    place += line.at(place).isHighSurrogate() ? 2 : 1;
  QTextCursor cursor(block);
  cursor.setPosition(block.position() + static_cast<int>(std::min(place, line.size())));
  QTextEdit::ExtraSelection mark;
  mark.cursor = cursor;
  mark.format.setBackground(kRefusedLine);
  mark.format.setProperty(QTextFormat::FullWidthSelection, true);
  Memo_DependencyText->setExtraSelections({mark});
  Memo_DependencyText->setTextCursor(cursor);
  Memo_DependencyText->setFocus();
}

void DependencyEditorDialog::scrollToLine(int line) {
  while (UpDown1->Position() < line && lines_[line]->isHidden()) {
    UpDown1->SetPosition(UpDown1->Position() + 1);
    placeLines();
  }
}

void DependencyEditorDialog::insertLine() {
  DependencyEditorSession::Choice choice;
  for (int i = 0; i < RowLhsPickers; ++i) {
    if (ComboBox_L[i]->currentIndex() > 0)
      choice.lhs[i] = static_cast<AttributeIndex>(ComboBox_L[i]->currentIndex() - 1);
  }
  for (int i = 0; i < RowRhsSlots; ++i) {
    if (ComboBox_P[i]->currentIndex() > 0)
      choice.rhs[i] = static_cast<AttributeIndex>(ComboBox_P[i]->currentIndex() - 1);
  }
  // A refusal keeps the picked choices to be corrected.
  switch (session_.insert(choice)) {
    case DependencyEditorSession::Insertion::Inserted:
      break;
    case DependencyEditorSession::Insertion::TooMany:
      messages_.Inform(tr("Bohuzel je zadano prilis mnoho zavislosti"));
      return;
    case DependencyEditorSession::Insertion::NoLeftSide:
      messages_.Inform(tr("Neni zadana leva strana"));
      return;
    case DependencyEditorSession::Insertion::NoRightSide:
      messages_.Inform(tr("Neni zadana prava strana"));
      return;
    case DependencyEditorSession::Insertion::RepeatedLeftAttribute:
      messages_.Inform(tr("Stejny atribut nelze zadat na leve strane dvakrat"));
      return;
  }
  // A user adding the eleventh line and beyond would otherwise not see it.
  scrollToLine(session_.current());
  for (QComboBox* picker : ComboBox_L)
    picker->setCurrentIndex(0);
  for (QComboBox* picker : ComboBox_P)
    picker->setCurrentIndex(0);
  showPagingIfNeeded();
}

void DependencyEditorDialog::eraseLine() {
  if (session_.current() < 0) {
    messages_.Inform(tr("Neni co mazat"));
    return;
  }
  if (messages_.AskYesNo(tr("Chcete skutecne smazat tuto zavislost?"))) session_.eraseCurrent();
}

void DependencyEditorDialog::pageLines(int position, bool upPressed) {
  // The up arrow stops at the last line.
  if (upPressed && position >= static_cast<int>(lines_.size())) UpDown1->SetPosition(position - 1);
  placeLines();
}

void DependencyEditorDialog::acceptDependencies() {
  // A refused text applies nothing; the student sees where it went wrong.
  if (TabWidget_Dependencies->currentIndex() == kTextTab && !takeText()) return;
  std::vector<std::string> log = ListDependencyLines(session_.dependencies(), session_.names());
  log.emplace_back(DependencySeparator);
  session_.apply(host_.Document());
  emit dependencyLogReady(log);
  accept();
}

void DependencyEditorDialog::done(int result) {
  // The next opening starts on the rows, with no text of this one pending.
  {
    const QSignalBlocker quiet(TabWidget_Dependencies);
    TabWidget_Dependencies->setCurrentIndex(kRowsTab);
  }
  shownTab_ = kRowsTab;
  Memo_DependencyText->clear();
  Memo_DependencyText->setExtraSelections({});
  Label_TextRefusal->clear();
  session_.clear();
  UpDown1->SetPosition(0);
  QDialog::done(result);
}

bool DependencyEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) placeLines();
  if (event->type() == QEvent::MouseButtonPress) {
    auto* line = qobject_cast<WrappingField*>(watched);
    if (line != nullptr && line->parent() == Panel1) session_.select(line->property(kTag).toInt());
  }
  return QDialog::eventFilter(watched, event);
}
