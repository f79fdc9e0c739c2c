#include "TForm_Keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "Keys.h"

namespace {

constexpr int kWidth = 514;
constexpr int kHeight = 368;
constexpr int kFieldLeft = 295;
constexpr int kFirstKeyTop = 40;
constexpr int kFurtherKeysTop = 130;
constexpr int kKeyStep = 40;
// The toolkit's usual width of a single-line field; longer keys widen theirs.
constexpr int kFieldWidth = 121;

}  // namespace

TForm_Keys::TForm_Keys(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
                       QWidget* parent)
    : ToolWindow(errors, parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Keys"));
  setWindowTitle(tr("Schemario - Klice schematu"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  // Key fields below the window are reached by scrolling.
  canvas_ = MakeScrollingCanvas(*this, QSize(kFieldLeft + kFieldWidth + 10, kHeight));
  notice_ = OutOfDateNotice::Follow(*this, host_.Document());

  Button_First_Key = new QPushButton(tr("Zobraz prvni klic"), canvas_);
  Button_First_Key->setObjectName(QStringLiteral("Button_First_Key"));
  Button_First_Key->setGeometry(69, 30, 149, 50);
  Button_First_Key->setDefault(true);
  SetDefaultButton(Button_First_Key);
  connect(Button_First_Key, &QPushButton::clicked, this, &TForm_Keys::Button_First_KeyClick);

  Button_Lucchesi = new QPushButton(tr("Zobraz dalsi klice"), canvas_);
  Button_Lucchesi->setObjectName(QStringLiteral("Button_Lucchesi"));
  Button_Lucchesi->setGeometry(69, 128, 149, 50);
  connect(Button_Lucchesi, &QPushButton::clicked, this, &TForm_Keys::Button_LucchesiClick);

  resize(kWidth, kHeight);
}

void TForm_Keys::LoadSchema() {
  // Keys found for the schema before would stand beside answers about the
  // new one.
  FormClose();
  notice_->hide();
  const Schema& schema = host_.LiveSchema();
  dependencies = schema.dependencies;
  attributeNames = schema.attributes;
}

void TForm_Keys::Button_First_KeyClick() {
  keyList.clear();
  if (std::optional<KeyRecord> first = FindFirstKey(dependencies, attributeNames)) {
    keyList.push_back(*first);
  } else {
    messages_.Inform(tr(" Nejsou zadana zadna data"));
    return;
  }
  if (firstKeyShown) return;
  AddKeyField(keyList.front(), kFirstKeyTop);
  firstKeyShown = true;
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
  FindAllKeys(keyList, dependencies, attributeNames);
  if (keyList.size() < 2) {
    messages_.Inform(tr("Zadne dalsi klice schematu nejsou"));
    return;
  }
  if (allKeysShown) return;
  for (std::size_t k = 1; k < keyList.size(); ++k) {
    const int n = static_cast<int>(keyFields.size());
    AddKeyField(keyList[k], kFurtherKeysTop + kKeyStep * (n - 1));
  }
  allKeysShown = true;
}

void TForm_Keys::AddKeyField(const KeyRecord& key, int top) {
  auto* field = new QLineEdit(canvas_);
  field->setObjectName(QStringLiteral("KeyField%1").arg(keyFields.size() + 1));
  field->setReadOnly(true);
  QFont font = field->font();
  font.setPointSize(12);
  field->setFont(font);
  field->setText(ToText(ShowKey(key, attributeNames)));
  const int width =
      std::max(kFieldWidth, field->fontMetrics().horizontalAdvance(field->text()) + 12);
  field->setGeometry(kFieldLeft, top, width, field->sizeHint().height());
  field->setCursorPosition(0);
  field->show();
  keyFields.push_back(field);
  canvas_->setMinimumSize(std::max(canvas_->minimumWidth(), kFieldLeft + width + 10),
                          std::max(canvas_->minimumHeight(), field->geometry().bottom() + 20));
}

void TForm_Keys::FormClose() {
  for (QLineEdit* field : keyFields)
    delete field;
  keyFields.clear();
  keyList.clear();
  firstKeyShown = false;
  allKeysShown = false;
  canvas_->setMinimumSize(kFieldLeft + kFieldWidth + 10, kHeight);
}
