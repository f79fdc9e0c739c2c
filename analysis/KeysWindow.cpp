#include "KeysWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "OutOfDateNotice.h"
#include "Reports.h"
#include "RowPanel.h"
#include "SchemaListing.h"
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
constexpr int kButtonsLeft = 69;
constexpr int kTop = 30;
constexpr int kRight = 20;
constexpr int kBottom = 20;

}  // namespace

KeysWindow::KeysWindow(KeysSession& session, SchemaHost& host, MessageService& messages,
                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Keys"));
  setWindowTitle(tr("Schemario - Klice schematu"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  OutOfDateNotice::Follow(*this, session_);

  Button_First_Key = new QPushButton(tr("Zobraz prvni klic"), this);
  Button_First_Key->setObjectName(QStringLiteral("Button_First_Key"));
  Button_First_Key->setMinimumSize(kButtonSize);
  Button_First_Key->setDefault(true);
  SetDefaultButton(Button_First_Key);
  connect(Button_First_Key, &QPushButton::clicked, this, &KeysWindow::showFirstKey);

  Button_Lucchesi = new QPushButton(tr("Zobraz dalsi klice"), this);
  Button_Lucchesi->setObjectName(QStringLiteral("Button_Lucchesi"));
  Button_Lucchesi->setMinimumSize(kButtonSize);
  connect(Button_Lucchesi, &QPushButton::clicked, this, &KeysWindow::showFurtherKeys);

  firstKeyPanel_ = new RowPanel(canvas_);
  firstKeyPanel_->setObjectName(QStringLiteral("Panel_FirstKey"));
  furtherKeysPanel_ = new RowPanel(canvas_);
  furtherKeysPanel_->setObjectName(QStringLiteral("Panel_FurtherKeys"));
  furtherKeysPanel_->grid().setVerticalSpacing(kKeyGap);

  // The buttons stay in view on the left; the keys scroll beside them, each
  // level with the button that found it.
  auto* buttons = new QVBoxLayout;
  buttons->setContentsMargins(kButtonsLeft, kTop, 0, kBottom);
  buttons->setSpacing(kButtonGap);
  buttons->addWidget(Button_First_Key);
  buttons->addWidget(Button_Lucchesi);
  buttons->addStretch(1);
  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(0, kTop, kRight, kBottom);
  grid->setVerticalSpacing(kButtonGap);
  grid->setRowMinimumHeight(0, kButtonSize.height());
  grid->addWidget(firstKeyPanel_, 0, 0, Qt::AlignVCenter);
  grid->addWidget(furtherKeysPanel_, 1, 0, Qt::AlignTop);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(2, 1);
  auto* window = qobject_cast<QBoxLayout*>(layout());
  QWidget* scroll = canvas_->parentWidget()->parentWidget();
  window->removeWidget(scroll);
  auto* body = new QHBoxLayout;
  body->setSpacing(kColumnGap);
  body->addLayout(buttons);
  body->addWidget(scroll, 1);
  window->addLayout(body, 1);

  connect(&session_, &KeysSession::keysChanged, this, &KeysWindow::showKeys);
  resize(kWidth, kHeight);
}

void KeysWindow::load() {
  session_.load(host_.LiveSchema());
  // The window takes the size that all the keys need before it is shown, so
  // that it neither grows nor moves while the student finds them.
  KeysSession all;
  all.load(host_.LiveSchema());
  all.findFirstKey();
  all.findFurtherKeys();
  fillPanels(all.keys(), all.names());
  GrowToContent(*this, *canvas_);
  fillPanels({}, all.names());
}

void KeysWindow::showFirstKey() {
  RunStep([this] { tell(session_.findFirstKey()); });
}

void KeysWindow::showFurtherKeys() {
  RunStep([this] { tell(session_.findFurtherKeys()); });
}

void KeysWindow::tell(KeysSession::Outcome outcome) {
  switch (outcome) {
    case KeysSession::Outcome::Shown:
    case KeysSession::Outcome::AlreadyShown:
      return;
    case KeysSession::Outcome::NoData:
      messages_.Inform(tr(" Nejsou zadana zadna data"));
      return;
    case KeysSession::Outcome::FirstKeyMissing:
      messages_.Inform(tr(" Nejprve musi byt vygenerovany prvni klic"));
      return;
    case KeysSession::Outcome::NoFurtherKeys:
      messages_.Inform(tr("Zadne dalsi klice schematu nejsou"));
      return;
  }
}

void KeysWindow::showKeys() {
  fillPanels(session_.keys(), session_.names());
  if (!session_.keys().empty()) GrowToContent(*this, *canvas_);
}

void KeysWindow::fillPanels(const KeyList& keys, const AttributeTable& names) {
  firstKeyPanel_->clear();
  furtherKeysPanel_->clear();
  for (std::size_t k = 0; k < keys.size(); ++k) {
    addKeyField(k == 0 ? *firstKeyPanel_ : *furtherKeysPanel_, KeyLineText(ShowKey(keys[k], names)),
                static_cast<int>(k));
  }
  // The canvas measures the panels afresh, not as they were before.
  firstKeyPanel_->updateGeometry();
  furtherKeysPanel_->updateGeometry();
}

void KeysWindow::addKeyField(RowPanel& panel, const QString& key, int number) {
  auto* field = new WrappingField(&panel);
  field->setObjectName(QStringLiteral("KeyField%1").arg(number + 1));
  QFont font = field->font();
  font.setPointSize(12);
  field->setFont(font);
  field->setText(key);
  // A key as wide as its names, as far as the screen leaves beside the
  // buttons; a longer one goes on over further lines.
  const QMargins margins = canvas_->layout()->contentsMargins();
  const int room = CanvasRoom(*this, *canvas_) - margins.left() - margins.right() - kButtonsLeft -
                   kButtonSize.width() - kColumnGap;
  field->setFixedSize(field->SizeWithin(room));
  // The first key alone on its panel, the further ones in rows from the top.
  panel.grid().addWidget(field, std::max(number - 1, 0), 0, Qt::AlignLeft);
  field->show();
}

void KeysWindow::resetWindow() {
  session_.clear();
}
