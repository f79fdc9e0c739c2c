#pragma once

// The toolkit's modal services as the windows use them. Windows receive these
// interfaces in their constructors and never open a message box, file dialog
// or printer themselves, so that tests can script every answer.

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QPainter;

// The caption of the program's message boxes.
inline const QString ProgramCaption = QStringLiteral("Schemario");

enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
 public:
  virtual ~MessageService() = default;
  // Shows a modal message box; an empty caption shows none.
  virtual MessageAnswer Show(const QString& caption, const QString& text,
                             MessageButtons buttons) = 0;

  MessageAnswer Inform(const QString& text) {
    return Show(ProgramCaption, text, MessageButtons::Ok);
  }
  bool AskYesNo(const QString& text) {
    return Show(ProgramCaption, text, MessageButtons::YesNo) == MessageAnswer::Yes;
  }
  bool AskOkCancel(const QString& text) {
    return Show(ProgramCaption, text, MessageButtons::OkCancel) == MessageAnswer::Ok;
  }
  MessageAnswer AskYesNoCancel(const QString& text) {
    return Show(ProgramCaption, text, MessageButtons::YesNoCancel);
  }
};

// One file dialog of a window: its name (the dialog's objectName), title
// and filter. A filter is given in the program's stored form: pairs of
// description and pattern separated by "|", for example "Schemario|*.DBC".
// The service chooses the folder the dialog starts in.
struct FileDialogRequest {
  QString name;
  QString title;
  QString filter;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<QString> GetOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> GetSaveFileName(const FileDialogRequest& request) = 0;
};

// A print job in progress; positions and sizes are in the printer's units.
class PrinterCanvas {
 public:
  virtual ~PrinterCanvas() = default;
  virtual void SetFont(int pointSize, bool bold) = 0;
  virtual void DrawText(int x, int y, const QString& text) = 0;
  // The width of `text` in the current font, and the width of a page's
  // printable area.
  virtual int TextWidth(const QString& text) const = 0;
  virtual int PageWidth() const = 0;
  // Draws a picture `size` units of its own large, scaled evenly to `width`
  // printer units, with its top-left corner at (x, y); `paint` draws it with
  // its top-left corner at the painter's origin.
  virtual void DrawPicture(int x, int y, int width, QSize size,
                           const std::function<void(QPainter&)>& paint) = 0;
  virtual bool NewPage() = 0;
  // Ends the job; false when the printer reported a failure.
  virtual bool End() = 0;
};

enum class PrintDialogResult { Accepted, Cancelled, Failed };

class PrintService {
 public:
  virtual ~PrintService() = default;
  // Shows the print dialog of the given name (its objectName).
  virtual PrintDialogResult ShowPrintDialog(const QString& name) = 0;
  // Starts a job on the printer chosen in the dialog; null when it cannot.
  virtual std::unique_ptr<PrinterCanvas> BeginJob() = 0;
  // Starts a job writing the pages, laid out as on the printer, as a PDF
  // document into `document`, which is whole once the canvas has ended; null
  // when no such job can start.
  virtual std::unique_ptr<PrinterCanvas> BeginPdfJob(QByteArray& document) = 0;
  // Shows the print preview of the given name; `paint` draws the pages on the
  // canvas it is given whenever the preview needs them (the canvas is ended
  // by the service).
  virtual void ShowPreview(const QString& name,
                           const std::function<void(PrinterCanvas&)>& paint) = 0;
};

// The toolkit's standard display of an unexpected error.
class ErrorDisplay {
 public:
  virtual ~ErrorDisplay() = default;
  virtual void ShowError(const QString& text) = 0;

  // Runs `step`; an exception escaping it is shown here instead of ending
  // the program unseen. Returns whether the step ran to its end.
  template <typename Step>
  bool Run(Step&& step) {
    try {
      std::forward<Step>(step)();
      return true;
    } catch (const std::exception& error) {
      ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
      ShowError(QCoreApplication::translate("ErrorDisplay", "Neznama chyba"));
    }
    return false;
  }
};

// Pseudo-random numbers for the exercises.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A number in 0 .. range - 1; 0 when range is below 1.
  virtual int Random(int range) = 0;
};
