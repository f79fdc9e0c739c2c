#pragma once

#include <QWidget>

#include "Platform.h"

class TForm_Print final : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Print(MessageService& messages, FileDialogService& files, PrintService& printing,
                       QWidget* parent = nullptr);
  void AddReportLine(const QString& line);

 private:
  MessageService& messages_;
  FileDialogService& files_;
  PrintService& printing_;
};
