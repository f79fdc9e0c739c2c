#include "TForm_Keys.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "Keys.h"
#include "Reports.h"
#include "WrappingField.h"

namespace {

// The window's starting size and the buttons' size; the window grows from
// there with its keys, up to the screen.
constexpr int kWidth = 514;
constexpr int kHeight = 368;
constexpr QSize kButtonSize(149, 50);
// The fields of the further keys start level with the button that finds them.
constexpr int kButtonGap = 48;
constexpr int kKeyGap = 12;
constexpr int kColumnGap = 77;

}  // namespace

TForm_Keys::TForm_Keys(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                       QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Keys"));
  setWindowTitle(tr("Schemario - Klice schematu"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());

  Button_First_Key = new QPushButton(tr("Zobraz prvni klic"), canvas_);
  Button_First_Key->setObjectName(QStringLiteral("Button_First_Key"));
  Button_First_Key->setMinimumSize(kButtonSize);
  Button_First_Key->setDefault(true);
  SetDefaultButton(Button_First_Key);
  connect(Button_First_Key, &QPushButton::clicked, this, &TForm_Keys::Button_First_KeyClick);

  Button_Lucchesi = new QPushButton(tr("Zobraz dalsi klice"), canvas_);
  Button_Lucchesi->setObjectName(QStringLiteral("Button_Lucchesi"));
  Button_Lucchesi->setMinimumSize(kButtonSize);
  connect(Button_Lucchesi, &QPushButton::clicked, this, &TForm_Keys::Button_LucchesiClick);

  // Buttons on the left, each key beside the button that found it; the key
  // column takes the rest of the width.
  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(69, 30, 20, 20);
  grid->setHorizontalSpacing(kColumnGap);
  grid->setVerticalSpacing(kButtonGap);
  grid->addWidget(Button_First_Key, 0, 0, Qt::AlignTop);
  grid->addWidget(Button_Lucchesi, 1, 0, Qt::AlignTop);
  firstKeyBox_ = new QVBoxLayout;
  furtherKeysBox_ = new QVBoxLayout;
  furtherKeysBox_->setSpacing(kKeyGap);
  grid->addLayout(firstKeyBox_, 0, 1, Qt::AlignVCenter);
  grid->addLayout(furtherKeysBox_, 1, 1, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  resize(kWidth, kHeight);
}

void TForm_Keys::LoadSchema() {
  // Keys found for the schema before would stand beside answers about the
  // new one.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  dependencies_ = schema.dependencies;
  attributeNames_ = schema.attributes;
}

void TForm_Keys::Button_First_KeyClick() {
  keyList.clear();
  if (std::optional<KeyRecord> first = FindFirstKey(dependencies_, attributeNames_)) {
    keyList.push_back(*first);
  } else {
    messages_.Inform(tr(" Nejsou zadana zadna data"));
    return;
  }
  if (firstKeyShown) return;
  AddKeyField(keyList.front(), *firstKeyBox_);
  firstKeyShown = true;
  GrowToContent(*this, *canvas_);
}

void TForm_Keys::Button_LucchesiClick() {
  if (!firstKeyShown) {
    messages_.Inform(tr(" Nejprve musi byt vygenerovany prvni klic"));
    return;
  }
  if (keyList.empty()) {
    messages_.Inform(tr("Nejsou ani zadne dalsi klice"));
    return;
  }
  FindAllKeys(keyList, dependencies_, attributeNames_);
  if (keyList.size() < 2) {
    messages_.Inform(tr("Zadne dalsi klice schematu nejsou"));
    return;
  }
  if (allKeysShown) return;
  for (std::size_t k = 1; k < keyList.size(); ++k)
    AddKeyField(keyList[k], *furtherKeysBox_);
  allKeysShown = true;
  GrowToContent(*this, *canvas_);
}

void TForm_Keys::AddKeyField(const KeyRecord& key, QVBoxLayout& box) {
  auto* field = new WrappingField(canvas_);
  field->setObjectName(QStringLiteral("KeyField%1").arg(keyFields.size() + 1));
  QFont font = field->font();
  font.setPointSize(12);
  field->setFont(font);
  field->setText(KeyLineText(ShowKey(key, attributeNames_)));
  // A key as wide as its names, as far as the screen leaves beside the
  // buttons; a longer one goes on over further lines.
  const QMargins margins = canvas_->layout()->contentsMargins();
  const int room = CanvasRoom(*this, *canvas_) - margins.left() - margins.right() -
                   kButtonSize.width() - kColumnGap;
  field->setFixedSize(field->SizeWithin(room));
  box.addWidget(field);
  field->show();
  keyFields.push_back(field);
}

void TForm_Keys::FormClose() {
  for (WrappingField* field : keyFields)
    delete field;
  keyFields.clear();
  keyList.clear();
  firstKeyShown = false;
  allKeysShown = false;
}
