#pragma once

// A test double for every platform service: it records each call and answers
// from queues that the test fills beforehand.

#include <QString>
#include <deque>
#include <vector>

#include "Platform.h"

struct MessageCall {
  QString caption;
  QString text;
  MessageButtons buttons;
};

struct FileDialogCall {
  bool save;
  QString name;
  QString title;
  QString filter;
};

struct PrintOperation {
  enum Kind { Font, Text, Picture, NewPage, End } kind;
  int x = 0;
  int y = 0;     // for Font: x is the point size, y is 1 when bold
  QString text;  // for Picture: its width in printer units
};

class ScriptedPlatform final : public MessageService,
                               public FileDialogService,
                               public PrintService,
                               public ErrorDisplay,
                               public RandomSource {
 public:
  // Answers for Yes/No and OK/Cancel boxes. OK-only boxes take none. A
  // question without a queued answer is counted in `unansweredQuestions` and
  // declined.
  std::deque<MessageAnswer> answers;
  std::vector<MessageCall> messages;
  int unansweredQuestions = 0;

  // Paths the file dialogs return; nothing means the user cancelled. An
  // empty queue cancels.
  std::deque<std::optional<QString>> paths;
  std::vector<FileDialogCall> fileDialogs;

  std::deque<PrintDialogResult> printDialogAnswers;  // empty queue: Accepted
  bool failBeginJob = false;
  bool failEndJob = false;
  std::vector<QString> printDialogNames;  // one entry per print dialog shown
  std::vector<PrintOperation> printed;
  // Recorded pages measure every character alike.
  static constexpr int PrintedCharacterWidth = 10;
  int printPageWidth = 1240;
  // PDF jobs write their pages into `printed` too, and the document they
  // hand back holds `pdfDocument`.
  QByteArray pdfDocument = QByteArrayLiteral("%PDF-1.4 scripted\n%%EOF\n");
  int pdfJobs = 0;
  std::vector<QString> previewNames;  // one entry per print preview shown

  std::vector<QString> errors;

  std::deque<int> randomValues;  // taken modulo the requested range; empty: 0
  std::vector<int> randomRanges;

  MessageAnswer Show(const QString& caption, const QString& text, MessageButtons buttons) override;
  std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;
  PrintDialogResult ShowPrintDialog(const QString& name) override;
  std::unique_ptr<PrinterCanvas> BeginJob() override;
  std::unique_ptr<PrinterCanvas> BeginPdfJob(QByteArray& document) override;
  void ShowPreview(const QString& name, const std::function<void(PrinterCanvas&)>& paint) override;
  void ShowError(const QString& text) override;
  int Random(int range) override;

  // The texts of all message boxes shown so far, in order.
  std::vector<QString> MessageTexts() const;
  void Reset();

 private:
  std::optional<QString> NextPath();
};
