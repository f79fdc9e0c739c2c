#include "RandomSchemaDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "Assignments.h"
#include "DbcFormat.h"
#include "Platform.h"

namespace {

QSpinBox* MakeSpinBox(QWidget* parent, const char* name, int minimum, int maximum, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(minimum, maximum);
  box->setValue(value);
  return box;
}

}  // namespace

RandomSchemaDialog::RandomSchemaDialog(RandomSource& random, QWidget* parent)
    : QDialog(parent), random_(random) {
  setObjectName(QStringLiteral("Form_RandomSchema"));
  setWindowTitle(tr("Schemario - Nahodne schema"));
  SpinBox_Attributes = MakeSpinBox(this, "SpinBox_Attributes", 2, MaxAttributes, 6);
  SpinBox_Dependencies = MakeSpinBox(this, "SpinBox_Dependencies", 1, DbcMaxEntries, 6);
  ComboBox_Target = new QComboBox(this);
  ComboBox_Target->setObjectName(QStringLiteral("ComboBox_Target"));
  ComboBox_Target->addItem(tr("1. normalni forma"), static_cast<int>(NormalFormLevel::First));
  ComboBox_Target->addItem(tr("2. normalni forma"), static_cast<int>(NormalFormLevel::Second));
  ComboBox_Target->addItem(tr("3. normalni forma"), static_cast<int>(NormalFormLevel::Third));
  ComboBox_Target->addItem(tr("BCNF"), static_cast<int>(NormalFormLevel::BoyceCodd));
  ComboBox_Target->setCurrentIndex(2);
  CheckBox_Keys = new QCheckBox(tr("Presny pocet klicu:"), this);
  CheckBox_Keys->setObjectName(QStringLiteral("CheckBox_Keys"));
  SpinBox_Keys = MakeSpinBox(this, "SpinBox_Keys", 1, MaxGeneratedKeys, 1);
  SpinBox_Keys->setEnabled(false);
  connect(CheckBox_Keys, &QCheckBox::toggled, SpinBox_Keys, &QWidget::setEnabled);
  ComboBox_Theme = new QComboBox(this);
  ComboBox_Theme->setObjectName(QStringLiteral("ComboBox_Theme"));
  ComboBox_Theme->addItem(tr("Pismena"), static_cast<int>(NameTheme::Letters));
  ComboBox_Theme->addItem(tr("Objednavky"), static_cast<int>(NameTheme::Orders));
  ComboBox_Theme->addItem(tr("Rozvrh hodin"), static_cast<int>(NameTheme::Timetable));
  ComboBox_Theme->addItem(tr("Knihovna"), static_cast<int>(NameTheme::Library));
  Label_Refusal = new QLabel(this);
  Label_Refusal->setObjectName(QStringLiteral("Label_Refusal"));
  Label_Refusal->setWordWrap(true);
  Label_Refusal->hide();

  auto* form = new QFormLayout;
  form->addRow(tr("Pocet atributu:"), SpinBox_Attributes);
  form->addRow(tr("Pocet zavislosti:"), SpinBox_Dependencies);
  form->addRow(tr("Nejvyssi normalni forma:"), ComboBox_Target);
  form->addRow(CheckBox_Keys, SpinBox_Keys);
  form->addRow(tr("Jmena atributu:"), ComboBox_Theme);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button_OK"));
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&Vytvorit"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button_Cancel"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Zrusit"));
  connect(buttons, &QDialogButtonBox::accepted, this, &RandomSchemaDialog::generate);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Label_Refusal);
  layout->addWidget(buttons);
}

void RandomSchemaDialog::prepare() {
  schema_.reset();
  Label_Refusal->hide();
}

GeneratorRequest RandomSchemaDialog::request() const {
  GeneratorRequest request;
  request.attributes = SpinBox_Attributes->value();
  request.dependencies = SpinBox_Dependencies->value();
  request.target = static_cast<NormalFormLevel>(ComboBox_Target->currentData().toInt());
  if (CheckBox_Keys->isChecked()) request.keys = SpinBox_Keys->value();
  request.theme = static_cast<NameTheme>(ComboBox_Theme->currentData().toInt());
  request.language = language_;
  request.seed = static_cast<std::uint64_t>(random_.Random(std::numeric_limits<int>::max()));
  return request;
}

void RandomSchemaDialog::generate() {
  GeneratorResult result = GenerateSchema(request());
  if (const auto* failure = std::get_if<GeneratorFailure>(&result)) {
    Label_Refusal->setText(GeneratorFailureText(*failure));
    Label_Refusal->show();
    return;
  }
  schema_ = std::move(std::get<GeneratedSchema>(result));
  accept();
}
