#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

// A read-only list of schema data whose lines break only between names and
// operators (see Breakable); what the student copies from it is the plain
// text, as it is saved and printed. Its view ends below the last line that
// fits whole, so that no line shows cut in half.
class DataMemo final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit DataMemo(QWidget* parent = nullptr);

  // Appends the lines at the end, each as a line of its own, the view
  // staying where it was.
  void appendData(const std::vector<std::string>& lines);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void resizeEvent(QResizeEvent* event) override;
};
