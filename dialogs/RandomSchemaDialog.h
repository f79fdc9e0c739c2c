#pragma once

#include <QDialog>
#include <optional>

#include "Generator.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class RandomSource;

// Asks what a practice schema is to be like (size, highest normal form,
// number of keys, names) and makes one. A request no schema meets keeps the
// dialog open with the reason, so the student can change it.
class RandomSchemaDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit RandomSchemaDialog(RandomSource& random, QWidget* parent = nullptr);

  // The schema made when the dialog was accepted; names in `language`.
  const std::optional<GeneratedSchema>& schema() const { return schema_; }
  void setNameLanguage(NameLanguage language) { language_ = language; }
  // Forgets the last schema; the choices stay for the next one.
  void prepare();
  // Makes a schema as chosen; accepts the dialog when one came out.
  void generate();

 private:
  GeneratorRequest request() const;

  RandomSource& random_;
  NameLanguage language_ = NameLanguage::CzechAscii;
  std::optional<GeneratedSchema> schema_;
  QSpinBox* SpinBox_Attributes = nullptr;
  QSpinBox* SpinBox_Dependencies = nullptr;
  QComboBox* ComboBox_Target = nullptr;
  QCheckBox* CheckBox_Keys = nullptr;
  QSpinBox* SpinBox_Keys = nullptr;
  QComboBox* ComboBox_Theme = nullptr;
  QLabel* Label_Refusal = nullptr;
};
