#pragma once

#include <QPlainTextEdit>

// A read-only memo of schema data shown in the form that breaks lines only
// between names and operators (see Breakable); what the student copies from
// it is the plain text, as the program saves and prints it.
class SchemaMemo final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit SchemaMemo(QWidget* parent = nullptr);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
};
