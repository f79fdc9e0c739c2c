#pragma once

#include "RedundancyFindingsWindow.h"
#include "RedundantAttributesSession.h"

// The redundant left-hand attributes of the live schema, one row per
// (attribute, dependency) pair; each can be deleted from the live list.
class RedundantAttributesWindow final : public RedundancyFindingsWindow {
  Q_OBJECT

 public:
  RedundantAttributesWindow(RedundantAttributesSession& session, SchemaHost& host,
                            MessageService& messages, ErrorDisplay& errors,
                            QWidget* parent = nullptr);

 private:
  // The attribute and the words around it.
  void addRowControls(QGridLayout& grid, std::size_t row) override;
  DeletionTexts deletionTexts() const override;
};
