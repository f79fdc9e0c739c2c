#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "RedundantDependenciesSession.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QLabel;
class WrappingField;
class QPushButton;
class RowPanel;

// The redundant dependencies of the live schema, one row each; each can be
// deleted from the live list. A view of its session, which lists its
// findings anew when the schema changes elsewhere.
class RedundantDependenciesWindow final : public ToolWindow {
  Q_OBJECT

 public:
  RedundantDependenciesWindow(RedundantDependenciesSession& session, SchemaHost& host,
                              MessageService& messages, ErrorDisplay& errors,
                              QWidget* parent = nullptr);

  // Lists the findings of the live schema afresh; returns whether there are
  // any.
  bool load();
  // Deletes the row's dependency, once the student confirms.
  void deleteRow(std::size_t row);
  // Shows why the row's dependency is redundant: how it follows from the
  // others.
  void explainRow(std::size_t row);

 signals:
  // The dependencies left after the deletions, for the main window's log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 protected:
  void resetWindow() override;

 private:
  void buildRows();
  void showRowStates();

  RedundantDependenciesSession& session_;
  MessageService& messages_;
  OutOfDateNotice* notice_ = nullptr;

  QWidget* canvas_ = nullptr;
  QLabel* Label1 = nullptr;
  // One row per finding, in columns, so that the rows line up.
  RowPanel* rows_ = nullptr;
  // The controls of each row, made and destroyed with the rows.
  struct RowControls {
    WrappingField* edit;
    QPushButton* button;
    QPushButton* why;
  };
  std::vector<RowControls> rowControls_;
  // The widest a dependency field may get with the window on the screen.
  int widestEdit_ = 0;
};
