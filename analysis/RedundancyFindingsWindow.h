#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "OutOfDateNotice.h"
#include "Platform.h"
#include "RedundancyFindingsSession.h"
#include "SchemaHost.h"
#include "ToolWindow.h"

class QGridLayout;
class QPushButton;
class RowPanel;
class WrappingField;

// A redundancy window: the findings of its session in the live schema under
// a heading, one row each with the finding's dependency and a button that
// deletes it from the live list. A view of its session, which lists its
// findings anew when the schema changes elsewhere. Each window adds its own
// controls to the rows and says its own texts.
class RedundancyFindingsWindow : public ToolWindow {
  Q_OBJECT

 public:
  // Lists the findings of the live schema afresh; returns whether there are
  // any.
  bool load();

 signals:
  // The dependencies left after the deletions, for the main window's log.
  void dependencyLogReady(const std::vector<std::string>& lines);

 protected:
  // Where a window puts the parts every redundancy window has.
  struct Layout {
    // The room between the heading and the rows.
    int headingGap = 0;
    // The grid columns of a row's dependency field and of its delete button.
    int fieldColumn = 0;
    int deleteColumn = 0;
    // The narrowest the dependency fields get; a longer dependency widens
    // them all, so that the rows stay lined up.
    int narrowestField = 0;
  };
  // What deleting a finding asks and tells, in the window's own words.
  struct DeletionTexts {
    // Whether to delete it.
    QString confirm;
    // Told once for every other row the deletion made necessary.
    QString noLongerRedundant;
    // Whether to close the window, once nothing redundant is left.
    QString noneLeft;
  };

  // `heading` stands above the rows and `deleteText` on every delete button.
  RedundancyFindingsWindow(RedundancyFindingsSession& session, SchemaHost& host,
                           MessageService& messages, ErrorDisplay& errors, QWidget* parent,
                           const QString& heading, const QString& deleteText, const Layout& layout);

  RedundancyFindingsSession& session() const { return session_; }
  MessageService& messages() const { return messages_; }
  RowPanel& rows() const { return *rows_; }

  void resetWindow() override;

 private:
  // Adds the window's own controls of the row-th finding to line `row` of
  // the grid, beside the field and the delete button already there.
  virtual void addRowControls(QGridLayout& grid, std::size_t row) = 0;
  virtual DeletionTexts deletionTexts() const = 0;
  // Shows the row's state in the window's own controls; `deletable` while
  // its finding is still redundant and in the live list.
  virtual void showRowState(std::size_t row, bool deletable);

  void buildRows();
  void showRowStates();
  // Deletes the row's finding, once the student confirms.
  void deleteRow(std::size_t row);

  RedundancyFindingsSession& session_;
  MessageService& messages_;
  const QString deleteText_;
  const Layout layout_;
  OutOfDateNotice* notice_ = nullptr;

  QWidget* canvas_ = nullptr;
  // One row per finding, in columns, so that the rows line up.
  RowPanel* rows_ = nullptr;
  // The widest a dependency field may get with the window on the screen.
  int widestField_ = 0;
  // The controls of each row that change with its state, made and
  // destroyed with the rows.
  struct RowControls {
    WrappingField* field;
    QPushButton* button;
  };
  std::vector<RowControls> rowControls_;
};
