#pragma once

#include <QWidget>

#include "KeysSession.h"
#include "Platform.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QPushButton;
class RowPanel;

// The candidate keys of the schema, shown in two steps: the first key beside
// the button that finds it, the further keys one below the other beside
// theirs. A view of its session.
class KeysWindow final : public ToolWindow {
  Q_OBJECT

 public:
  KeysWindow(KeysSession& session, SchemaHost& host, MessageService& messages, ErrorDisplay& errors,
             QWidget* parent = nullptr);

  // Starts afresh on the live schema.
  void load();
  void showFirstKey();
  void showFurtherKeys();

 protected:
  void resetWindow() override;

 private:
  void tell(KeysSession::Outcome outcome);
  void showKeys();
  // Fills the panels with fields of `keys`, the first on its own panel.
  void fillPanels(const KeyList& keys, const AttributeTable& names);
  void addKeyField(RowPanel& panel, const QString& key, int number);

  KeysSession& session_;
  SchemaHost& host_;
  MessageService& messages_;

  QWidget* canvas_ = nullptr;
  QPushButton* Button_First_Key = nullptr;
  QPushButton* Button_Lucchesi = nullptr;
  // The key fields: the first key's and the further keys'.
  RowPanel* firstKeyPanel_ = nullptr;
  RowPanel* furtherKeysPanel_ = nullptr;
};
