#pragma once

#include <QWidget>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "Schema.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class WrappingField;
class QPushButton;
class QVBoxLayout;

// The candidate keys of the schema, shown in two steps: the first key by
// attribute elimination, then the further keys by Lucchesi-Osborn.
class TForm_Keys final : public ToolWindow {
  Q_OBJECT

 public:
  TForm_Keys(SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
             QWidget* parent = nullptr);

  void LoadSchema();
  void Button_First_KeyClick();
  void Button_LucchesiClick();
  void FormClose() override;

 private:
  void AddKeyField(const KeyRecord& key, QVBoxLayout& box);

  SchemaHost& host_;
  // Says so when the schema changed after the window copied it.
  OutOfDateNotice* notice_ = nullptr;
  MessageService& messages_;

  // The window's own copy of the schema, taken at load: the main window may
  // replace its list while this window is open, and the keys shown belong to
  // the schema loaded.
  DependencyList dependencies_;
  AttributeTable attributeNames_;
  KeyList keyList;
  std::vector<WrappingField*> keyFields;
  bool firstKeyShown = false;
  bool allKeysShown = false;

  QWidget* canvas_ = nullptr;
  QPushButton* Button_First_Key = nullptr;
  QPushButton* Button_Lucchesi = nullptr;
  QVBoxLayout* firstKeyBox_ = nullptr;
  QVBoxLayout* furtherKeysBox_ = nullptr;
};
