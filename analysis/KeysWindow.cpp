#include "KeysWindow.h"

#include <QGridLayout>
#include <QPushButton>
#include <algorithm>

#include "Display.h"
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

}  // namespace

KeysWindow::KeysWindow(KeysSession& session, SchemaHost& host, MessageService& messages,
                       ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_Keys"));
  setWindowTitle(tr("Schemario - Klice schematu"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  canvas_ = MakeScrollingCanvas(*this, QSize(0, 0));
  notice_ = OutOfDateNotice::Follow(*this, session_);

  Button_First_Key = new QPushButton(tr("Zobraz prvni klic"), canvas_);
  Button_First_Key->setObjectName(QStringLiteral("Button_First_Key"));
  Button_First_Key->setMinimumSize(kButtonSize);
  Button_First_Key->setDefault(true);
  SetDefaultButton(Button_First_Key);
  connect(Button_First_Key, &QPushButton::clicked, this, &KeysWindow::showFirstKey);

  Button_Lucchesi = new QPushButton(tr("Zobraz dalsi klice"), canvas_);
  Button_Lucchesi->setObjectName(QStringLiteral("Button_Lucchesi"));
  Button_Lucchesi->setMinimumSize(kButtonSize);
  connect(Button_Lucchesi, &QPushButton::clicked, this, &KeysWindow::showFurtherKeys);

  firstKeyPanel_ = new RowPanel(canvas_);
  firstKeyPanel_->setObjectName(QStringLiteral("Panel_FirstKey"));
  furtherKeysPanel_ = new RowPanel(canvas_);
  furtherKeysPanel_->setObjectName(QStringLiteral("Panel_FurtherKeys"));
  furtherKeysPanel_->grid().setVerticalSpacing(kKeyGap);

  // Buttons on the left, each key beside the button that found it; the key
  // column takes the rest of the width.
  auto* grid = new QGridLayout(canvas_);
  grid->setContentsMargins(69, 30, 20, 20);
  grid->setHorizontalSpacing(kColumnGap);
  grid->setVerticalSpacing(kButtonGap);
  grid->addWidget(Button_First_Key, 0, 0, Qt::AlignTop);
  grid->addWidget(Button_Lucchesi, 1, 0, Qt::AlignTop);
  grid->addWidget(firstKeyPanel_, 0, 1, Qt::AlignVCenter);
  grid->addWidget(furtherKeysPanel_, 1, 1, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 1);

  connect(&session_, &KeysSession::keysChanged, this, &KeysWindow::showKeys);
  resize(kWidth, kHeight);
}

void KeysWindow::load() {
  session_.load(host_.LiveSchema());
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
  firstKeyPanel_->clear();
  furtherKeysPanel_->clear();
  const KeyList& keys = session_.keys();
  for (std::size_t k = 0; k < keys.size(); ++k)
    addKeyField(k == 0 ? *firstKeyPanel_ : *furtherKeysPanel_, keys[k], static_cast<int>(k));
  // The canvas measures the panels afresh, not as they were before.
  firstKeyPanel_->updateGeometry();
  furtherKeysPanel_->updateGeometry();
  if (!keys.empty()) GrowToContent(*this, *canvas_);
}

void KeysWindow::addKeyField(RowPanel& panel, const KeyRecord& key, int number) {
  auto* field = new WrappingField(&panel);
  field->setObjectName(QStringLiteral("KeyField%1").arg(number + 1));
  QFont font = field->font();
  font.setPointSize(12);
  field->setFont(font);
  field->setText(KeyLineText(ShowKey(key, session_.names())));
  // A key as wide as its names, as far as the screen leaves beside the
  // buttons; a longer one goes on over further lines.
  const QMargins margins = canvas_->layout()->contentsMargins();
  const int room = CanvasRoom(*this, *canvas_) - margins.left() - margins.right() -
                   kButtonSize.width() - kColumnGap;
  field->setFixedSize(field->SizeWithin(room));
  // The first key alone on its panel, the further ones in rows from the top.
  panel.grid().addWidget(field, std::max(number - 1, 0), 0, Qt::AlignLeft);
  field->show();
}

void KeysWindow::resetWindow() {
  session_.clear();
}
