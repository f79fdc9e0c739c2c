#include "TForm_ABC_Input.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Data_statement_2.h"
#include "Display.h"
#include "Renumbering.h"
#include "SchemaFile.h"

namespace {

const char* const kTag = "tag";
// The narrowest the word fields get; a longer word widens its column.
constexpr int kWordWidth = 150;

}  // namespace

TForm_ABC_Input::TForm_ABC_Input(SchemaHost& host, MessageService& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages) {
  setObjectName(QStringLiteral("Form_ABC_Input"));
  setWindowTitle(tr("Schemario - Zadavani atributu"));
  origin_.fill(NoAttribute);

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
    field->setMinimumWidth(kWordWidth);
    field->installEventFilter(this);
    fields_[k] = field;
    if (k < EditorFields) {
      words->addWidget(field, k, 0);
    } else {
      words->addWidget(field, k - EditorFields, 1);
      field->hide();
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

  connect(Button_Input, &QPushButton::clicked, this, &TForm_ABC_Input::Button_InputClick);
  connect(Button_Erase, &QPushButton::clicked, this, &TForm_ABC_Input::Button_EraseClick);
  connect(Button_Change, &QPushButton::clicked, this, &TForm_ABC_Input::Button_ChangeClick);
  connect(Button_OK, &QPushButton::clicked, this, &TForm_ABC_Input::Button_OKClick);
  connect(Button_Cancel, &QPushButton::clicked, this, &TForm_ABC_Input::Button_CancelClick);

  FormClose();
}

void TForm_ABC_Input::FitWords() {
  for (QLineEdit* field : fields_)
    field->setMinimumWidth(std::max(kWordWidth, WholeTextWidth(*field, field->text())));
}

void TForm_ABC_Input::Highlight(int field, bool selected) {
  SetBackground(*fields_[field], selected ? colours::SelectedYellow : colours::Light3D());
}

void TForm_ABC_Input::Prepare() {
  FormClose();
  wordCount_ = -1;
  const Schema& schema = host_.LiveSchema();
  for (int k = 0; k < MaxAttributes && !schema.AttributeName(k).empty(); ++k) {
    fields_[k]->setText(ToText(schema.AttributeName(k)));
    fields_[k]->setEnabled(true);
    origin_[k] = static_cast<AttributeIndex>(k);
    wordCount_ = k;
  }
  // A file may bring more names than the editor takes in; they are shown in
  // the extra fields so that OK hands them back too.
  const bool extraFields = wordCount_ >= EditorFields;
  for (int k = EditorFields; k < MaxAttributes; ++k)
    fields_[k]->setHidden(!extraFields);
  if (wordCount_ >= 0) Highlight(0, true);
  selected_ = 0;
  changeMode_ = false;
  modified_ = false;
  dependencies_ = &schema.dependencies;
  FitWords();
  Edit_ABC->setFocus();
}

bool TForm_ABC_Input::RefuseUnstorableWord(const QString& word) {
  // The schema file separates names by ";" and ends them with ":", and holds
  // them in the Czech single-byte character set.
  if (word.contains(QLatin1Char(';')) || word.contains(QLatin1Char(':'))) {
    messages_.Inform(tr("Slovo nesmi obsahovat znaky ; a :"));
    return true;
  }
  if (!EncodeNameForFile(word)) {
    messages_.Inform(tr("Slovo obsahuje znak, ktery nejde ulozit do souboru"));
    return true;
  }
  return false;
}

void TForm_ABC_Input::Button_InputClick() {
  // Blanks around a name, or doubled inside it, would make it look like
  // another name or like the empty choice of the pickers.
  const QString word = Edit_ABC->text().simplified();
  bool refused = false;
  if (word.isEmpty()) {
    messages_.Inform(tr("Zadavany vstup je prazdny"));
    refused = true;
  } else if (word.size() > MaxNameLength) {
    messages_.Inform(tr("Delka slova presahuje 15 pismen"));
    refused = true;
  } else if (RefuseUnstorableWord(word)) {
    refused = true;
  } else {
    for (int k = 0; k <= wordCount_; ++k) {
      if (fields_[k]->text() == word) {
        messages_.Inform(tr("Uz zadana data"));
        refused = true;
      }
    }
  }
  if (!refused) {
    if (wordCount_ == -1) {
      Highlight(0, true);
      selected_ = 0;
    }
    if (changeMode_) {
      modified_ = true;
      fields_[selected_]->setText(word);
      fields_[selected_]->setEnabled(true);
      changeMode_ = false;
    } else if (wordCount_ < EditorFields - 1) {
      modified_ = true;
      ++wordCount_;
      fields_[wordCount_]->setEnabled(true);
      fields_[wordCount_]->setText(word);
      origin_[wordCount_] = NoAttribute;
    } else {
      messages_.Inform(tr("Bohuzel zadavate prilis mnoho slov"));
    }
    Edit_ABC->clear();
    FitWords();
  }
  Edit_ABC->setFocus();
}

void TForm_ABC_Input::Edit_1Change(int tag) {
  Highlight(selected_, false);
  selected_ = tag;
  Highlight(selected_, true);
}

void TForm_ABC_Input::Edit_1DblClick(int tag) {
  Edit_1Change(tag);
  Button_ChangeClick();
}

void TForm_ABC_Input::Button_ChangeClick() {
  if (wordCount_ < 0) return;
  modified_ = true;
  Edit_ABC->setText(fields_[selected_]->text());
  changeMode_ = true;
  Edit_ABC->setFocus();
}

void TForm_ABC_Input::Button_EraseClick() {
  if (wordCount_ < 0) return;
  // The word is protected by the slot it came from: after earlier erasures
  // its field no longer matches the index the dependencies use.
  const AttributeIndex origin = origin_[selected_];
  if (origin != NoAttribute && DependenciesUse(*dependencies_, origin)) {
    messages_.Inform(
        tr("Toto slovo nemuzete vymazat. Nejprve vymazte zavislost, ktera ho obsahuje."));
  } else if (messages_.AskYesNo(
                 tr("Skutecne to chcete smazat? %1 ? ").arg(fields_[selected_]->text()))) {
    for (int k = selected_; k < wordCount_; ++k) {
      fields_[k]->setText(fields_[k + 1]->text());
      origin_[k] = origin_[k + 1];
    }
    fields_[wordCount_]->clear();
    origin_[wordCount_] = NoAttribute;
    --wordCount_;
    modified_ = true;
    // A change in progress was meant for a word that has moved or gone.
    changeMode_ = false;
    if (wordCount_ < 0) {
      fields_[0]->setEnabled(false);
      Highlight(0, false);
      fields_[0]->clear();
    } else {
      fields_[wordCount_ + 1]->setEnabled(false);
      Highlight(selected_, false);
      if (selected_ != 0) --selected_;
      Highlight(selected_, true);
    }
    FitWords();
  }
  Edit_ABC->clear();
}

void TForm_ABC_Input::Button_OKClick() {
  AttributeTable names;
  for (int k = 0; k < MaxAttributes; ++k)
    names[k] = FromText(fields_[k]->text());
  SchemaDocument& document = host_.Document();
  document.EditAttributes(names, MapFromOrigins(origin_));
  std::vector<std::string> log = ListAttributeLines(names);
  log.emplace_back(AttributeSeparator);
  emit attributeLogReady(log);
  document.MarkDirty(modified_);
  accept();
}

void TForm_ABC_Input::Button_CancelClick() {
  reject();
}

void TForm_ABC_Input::FormClose() {
  for (int k = 0; k < MaxAttributes; ++k) {
    fields_[k]->clear();
    fields_[k]->setEnabled(false);
    Highlight(k, false);
  }
  origin_.fill(NoAttribute);
  Edit_ABC->clear();
  FitWords();
}

void TForm_ABC_Input::done(int result) {
  FormClose();
  QDialog::done(result);
}

bool TForm_ABC_Input::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the input line adds the word typed there; elsewhere it is OK.
  if (watched == Edit_ABC && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Button_InputClick();
      return true;
    }
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field != nullptr && field->isEnabled() && field->property(kTag).isValid()) {
    const int tag = field->property(kTag).toInt();
    if (event->type() == QEvent::MouseButtonPress) Edit_1Change(tag);
    if (event->type() == QEvent::MouseButtonDblClick) Edit_1DblClick(tag);
  }
  return QDialog::eventFilter(watched, event);
}
