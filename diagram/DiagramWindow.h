#pragma once

#include <QString>
#include <memory>

#include "DiagramPicture.h"
#include "FileExport.h"
#include "Platform.h"
#include "Schema.h"
#include "ToolWindow.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class DiagramView;

// A picture of a schema's dependencies: the attributes as boxes in a row,
// each left-hand side a bracket with arrows into what it determines. The
// picture can be fitted to the window and saved as SVG or PNG.
class DiagramWindow final : public ToolWindow {
  Q_OBJECT

 public:
  DiagramWindow(MessageService& messages, FileDialogService& files, ErrorDisplay& errors,
                QWidget* parent = nullptr);
  ~DiagramWindow() override;

  // Shows the diagram of a schema; `title` names the schema.
  void showSchema(const AttributeTable& names, const DependencyList& dependencies,
                  const QString& title);
  void saveSvg();
  void savePng();

 protected:
  void resetWindow() override;

 private:
  QByteArray svgBytes() const;
  QByteArray pngBytes() const;

  FileExport export_;
  std::unique_ptr<DiagramPicture> picture_;
  DiagramView* view_ = nullptr;
  QScrollArea* ScrollArea_Diagram = nullptr;
  QLabel* Label_Schema = nullptr;
  QCheckBox* CheckBox_Fit = nullptr;
  QPushButton* Button_svg = nullptr;
  QPushButton* Button_png = nullptr;
  QAction* a_svg = nullptr;
  QAction* a_png = nullptr;
};
