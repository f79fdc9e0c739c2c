#include "ScriptedPlatform.h"

MessageAnswer ScriptedPlatform::Show(const QString& caption, const QString& text,
                                     MessageButtons buttons) {
  messages.push_back({caption, text, buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) {
    ++unansweredQuestions;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedPlatform::NextPath() {
  if (paths.empty()) return std::nullopt;
  std::optional<QString> path = paths.front();
  paths.pop_front();
  return path;
}

std::optional<QString> ScriptedPlatform::GetOpenFileName(const FileDialogRequest& request) {
  fileDialogs.push_back({false, request.name, request.title, request.filter});
  return NextPath();
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(const FileDialogRequest& request) {
  fileDialogs.push_back({true, request.name, request.title, request.filter});
  return NextPath();
}

namespace {

class RecordingCanvas final : public PrinterCanvas {
 public:
  RecordingCanvas(std::vector<PrintOperation>& log, bool failEnd, int pageWidth)
      : log_(log), failEnd_(failEnd), pageWidth_(pageWidth) {}
  void SetFont(int pointSize, bool bold) override {
    log_.push_back({PrintOperation::Font, pointSize, bold ? 1 : 0, {}});
  }
  void DrawText(int x, int y, const QString& text) override {
    log_.push_back({PrintOperation::Text, x, y, text});
  }
  int TextWidth(const QString& text) const override {
    return ScriptedPlatform::PrintedCharacterWidth * static_cast<int>(text.size());
  }
  int PageWidth() const override { return pageWidth_; }
  void DrawPicture(int x, int y, int width, QSize /*size*/,
                   const std::function<void(QPainter&)>& /*paint*/) override {
    log_.push_back({PrintOperation::Picture, x, y, QString::number(width)});
  }
  bool NewPage() override {
    log_.push_back({PrintOperation::NewPage, 0, 0, {}});
    return true;
  }
  bool End() override {
    log_.push_back({PrintOperation::End, 0, 0, {}});
    return !failEnd_;
  }

 private:
  std::vector<PrintOperation>& log_;
  bool failEnd_;
  int pageWidth_;
};

}  // namespace

PrintDialogResult ScriptedPlatform::ShowPrintDialog(const QString& name) {
  printDialogNames.push_back(name);
  if (printDialogAnswers.empty()) return PrintDialogResult::Accepted;
  const PrintDialogResult answer = printDialogAnswers.front();
  printDialogAnswers.pop_front();
  return answer;
}

std::unique_ptr<PrinterCanvas> ScriptedPlatform::BeginJob() {
  if (failBeginJob) return nullptr;
  return std::make_unique<RecordingCanvas>(printed, failEndJob, printPageWidth);
}

std::unique_ptr<PrinterCanvas> ScriptedPlatform::BeginPdfJob(QByteArray& document) {
  ++pdfJobs;
  document = pdfDocument;
  return BeginJob();
}

void ScriptedPlatform::ShowPreview(const QString& name,
                                   const std::function<void(PrinterCanvas&)>& paint) {
  previewNames.push_back(name);
  RecordingCanvas canvas(printed, false, printPageWidth);
  paint(canvas);
  canvas.End();
}

void ScriptedPlatform::ShowError(const QString& text) {
  errors.push_back(text);
}

int ScriptedPlatform::Random(int range) {
  randomRanges.push_back(range);
  if (range < 1) return 0;
  int value = 0;
  if (!randomValues.empty()) {
    value = randomValues.front();
    randomValues.pop_front();
  }
  // Wide enough for a range up to the largest int.
  const long long wide = range;
  return static_cast<int>(((value % wide) + wide) % wide);
}

std::vector<QString> ScriptedPlatform::MessageTexts() const {
  std::vector<QString> texts;
  for (const MessageCall& m : messages)
    texts.push_back(m.text);
  return texts;
}

void ScriptedPlatform::Reset() {
  answers.clear();
  messages.clear();
  unansweredQuestions = 0;
  paths.clear();
  fileDialogs.clear();
  printDialogAnswers.clear();
  failBeginJob = false;
  failEndJob = false;
  printDialogNames.clear();
  printed.clear();
  pdfJobs = 0;
  previewNames.clear();
  errors.clear();
  randomValues.clear();
  randomRanges.clear();
}
