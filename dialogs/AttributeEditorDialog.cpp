#include "AttributeEditorDialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"
#include "SchemaListing.h"

namespace {

const char* const kTag = "tag";
// The narrowest the word fields get; a longer word widens its column.
constexpr int kWordWidth = 150;

}  // namespace

AttributeEditorDialog::AttributeEditorDialog(AttributeEditorSession& session, SchemaHost& host,
                                             MessageService& messages, QWidget* parent)
    : QDialog(parent), session_(session), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_ABC_Input"));
  setWindowTitle(tr("Schemario - Zadavani atributu"));

  const auto makeButton = [this](const char* name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    return button;
  };

  Edit_ABC = new QLineEdit(this);
  Edit_ABC->setObjectName(QStringLiteral("Edit_ABC"));
  Edit_ABC->installEventFilter(this);
  Button_Input = makeButton("Button_Input", tr("Pridat"), tr("Pridat zadany atribut"));
  Button_Erase = makeButton("Button_Erase", tr("Smazat"), tr("Smaze oznaceny atribut"));
  Button_Change = makeButton("Button_Change", tr("Zmenit"), tr("Upravit oznaceny atribut"));
  Button_OK = makeButton("Button_OK", tr("OK"), QString());
  Button_OK->setDefault(true);
  Button_Cancel = makeButton("Button_Cancel", tr("Cancel"), QString());

  auto* words = new QGridLayout;
  words->setVerticalSpacing(4);
  for (int k = 0; k < MaxAttributes; ++k) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Edit_%1").arg(k + 1));
    field->setProperty(kTag, k);
    field->setReadOnly(true);
    field->installEventFilter(this);
    fields_[k] = field;
    if (k < AttributeEditorSession::EnteredNames) {
      words->addWidget(field, k, 0);
    } else {
      words->addWidget(field, k - AttributeEditorSession::EnteredNames, 1);
    }
  }

  auto* input = new QHBoxLayout;
  input->addWidget(Edit_ABC, 1);
  input->addWidget(Button_Input);

  auto* side = new QVBoxLayout;
  side->addWidget(Button_Erase);
  side->addWidget(Button_Change);
  side->addStretch(1);
  side->addWidget(Button_OK);
  side->addWidget(Button_Cancel);

  auto* body = new QHBoxLayout;
  body->addLayout(words, 1);
  body->addLayout(side);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(input);
  layout->addLayout(body, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button_Input, &QPushButton::clicked, this, &AttributeEditorDialog::enterWord);
  connect(Button_Erase, &QPushButton::clicked, this, &AttributeEditorDialog::eraseWord);
  connect(Button_Change, &QPushButton::clicked, this, &AttributeEditorDialog::changeWord);
  connect(Button_OK, &QPushButton::clicked, this, &AttributeEditorDialog::acceptNames);
  connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(&session_, &AttributeEditorSession::wordsChanged, this,
          &AttributeEditorDialog::showWords);
  showWords();
}

void AttributeEditorDialog::prepare() {
  session_.load(host_.LiveSchema());
  Edit_ABC->clear();
  Edit_ABC->setFocus();
}

void AttributeEditorDialog::showWords() {
  const int count = session_.wordCount();
  for (int k = 0; k < MaxAttributes; ++k) {
    QLineEdit& field = *fields_[k];
    field.setText(session_.word(k));
    field.setEnabled(k < count);
    const bool selected = count > 0 && k == session_.selected();
    SetBackground(field, selected ? colours::SelectedYellow : colours::Light3D());
    // The names beyond those the student may enter come only from a file.
    if (k >= AttributeEditorSession::EnteredNames) field.setHidden(!session_.showsExtraNames());
    // A longer word widens its column.
    field.setMinimumWidth(std::max(kWordWidth, WholeTextWidth(field, field.text())));
  }
}

bool AttributeEditorDialog::explainWord(AttributeEditorSession::WordOutcome outcome) {
  using enum AttributeEditorSession::WordOutcome;
  switch (outcome) {
    case Added:
    case Replaced:
      return false;
    case Empty:
      messages_.Inform(tr("Zadavany vstup je prazdny"));
      return true;
    case TooLong:
      messages_.Inform(tr("Delka slova presahuje 15 pismen"));
      return true;
    case ReservedCharacter:
      messages_.Inform(tr("Slovo nesmi obsahovat znaky ; a :"));
      return true;
    case NotStorable:
      messages_.Inform(tr("Slovo obsahuje znak, ktery nejde ulozit do souboru"));
      return true;
    case Duplicate:
      messages_.Inform(tr("Uz zadana data"));
      return true;
    case TooMany:
      // The word itself was fine: there is no point in correcting it.
      messages_.Inform(tr("Bohuzel zadavate prilis mnoho slov"));
      return false;
  }
  return true;
}

void AttributeEditorDialog::enterWord() {
  if (!explainWord(session_.enter(Edit_ABC->text()))) Edit_ABC->clear();
  Edit_ABC->setFocus();
}

void AttributeEditorDialog::changeWord() {
  if (!session_.startChange()) return;
  Edit_ABC->setText(session_.word(session_.selected()));
  Edit_ABC->setFocus();
}

void AttributeEditorDialog::eraseWord() {
  switch (session_.checkErasure()) {
    case AttributeEditorSession::Erasure::NothingToErase:
      return;
    case AttributeEditorSession::Erasure::UsedByADependency:
      messages_.Inform(
          tr("Toto slovo nemuzete vymazat. Nejprve vymazte zavislost, ktera ho obsahuje."));
      break;
    case AttributeEditorSession::Erasure::Allowed:
      if (messages_.AskYesNo(
              tr("Skutecne to chcete smazat? %1 ? ").arg(session_.word(session_.selected())))) {
        session_.eraseSelected();
      }
      break;
  }
  Edit_ABC->clear();
}

void AttributeEditorDialog::acceptNames() {
  session_.apply(host_.Document());
  std::vector<std::string> log = ListAttributeLines(session_.names());
  log.emplace_back(AttributeSeparator);
  emit attributeLogReady(log);
  accept();
}

void AttributeEditorDialog::done(int result) {
  session_.clear();
  Edit_ABC->clear();
  QDialog::done(result);
}

bool AttributeEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the input line adds the word typed there; elsewhere it is OK.
  if (watched == Edit_ABC && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      enterWord();
      return true;
    }
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field != nullptr && field->isEnabled() && field->property(kTag).isValid()) {
    const int k = field->property(kTag).toInt();
    if (event->type() == QEvent::MouseButtonPress) session_.select(k);
    if (event->type() == QEvent::MouseButtonDblClick) {
      session_.select(k);
      changeWord();
    }
  }
  return QDialog::eventFilter(watched, event);
}
