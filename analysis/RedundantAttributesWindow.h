#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "RedundantAttributesSession.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QLabel;
class WrappingField;
class QPushButton;
class RowPanel;

// The redundant left-hand attributes of the live schema, one row per
// (attribute, dependency) pair; each can be deleted from the live list. A
// view of its session, which lists its findings anew when the schema
// changes elsewhere.
class RedundantAttributesWindow final : public ToolWindow {
  Q_OBJECT

 public:
  RedundantAttributesWindow(RedundantAttributesSession& session, SchemaHost& host,
                            MessageService& messages, ErrorDisplay& errors,
                            QWidget* parent = nullptr);

  // Lists the findings of the live schema afresh; returns whether there are
  // any.
  bool load();
  // Deletes the row's attribute from its dependency, once the student
  // confirms.
  void deleteRow(std::size_t row);

 signals:
  // The dependencies left after the deletions, for the main window's log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 protected:
  void resetWindow() override;

 private:
  void buildRows();
  void showRowStates();

  RedundantAttributesSession& session_;
  MessageService& messages_;
  OutOfDateNotice* notice_ = nullptr;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  // One row per finding, in columns, so that the rows line up.
  RowPanel* rows_ = nullptr;
  // The controls of each row that change with its state, made and
  // destroyed with the rows.
  struct RowControls {
    WrappingField* edit;
    QPushButton* button;
  };
  std::vector<RowControls> rowControls_;
  // The widest a dependency field may get with the window on the screen.
  int widestEdit_ = 0;
};
