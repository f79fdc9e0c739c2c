#pragma once

#include "RedundancyFindingsWindow.h"
#include "RedundantDependenciesSession.h"

// The redundant dependencies of the live schema, one row each; each can be
// deleted from the live list, and each says why it is redundant.
class RedundantDependenciesWindow final : public RedundancyFindingsWindow {
  Q_OBJECT

 public:
  RedundantDependenciesWindow(RedundantDependenciesSession& session, SchemaHost& host,
                              MessageService& messages, ErrorDisplay& errors,
                              QWidget* parent = nullptr);

 private:
  // The button that asks why.
  void addRowControls(QGridLayout& grid, std::size_t row) override;
  DeletionTexts deletionTexts() const override;
  void showRowState(std::size_t row, bool deletable) override;
  // Shows why the row's dependency is redundant: how it follows from the
  // others.
  void explainRow(std::size_t row);

  RedundantDependenciesSession& session_;
};
