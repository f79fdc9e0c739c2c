#include "DiagramWindow.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>

#include "Display.h"

// The picture on the screen: at its own size, or scaled down to the width
// the window gives it.
class DiagramView final : public QWidget {
 public:
  explicit DiagramView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Diagram"));
    setAutoFillBackground(true);
    SetBackground(*this, Qt::white);
  }

  void setPicture(const DiagramPicture* picture) {
    picture_ = picture;
    refit();
  }
  void setFitted(bool fitted) {
    fitted_ = fitted;
    refit();
  }
  // The room the scroll area offers; a fitted picture takes its width.
  void setRoom(int width) {
    room_ = width;
    refit();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_ == nullptr) return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.scale(scale_, scale_);
    picture_->paint(painter);
  }

 private:
  void refit() {
    if (picture_ == nullptr) return;
    const QSize size = picture_->size();
    scale_ = fitted_ && room_ > 0 && size.width() > room_
                 ? static_cast<double>(room_) / size.width()
                 : 1.0;
    setFixedSize((QSizeF(size) * scale_).toSize());
    update();
  }

  const DiagramPicture* picture_ = nullptr;
  bool fitted_ = false;
  int room_ = 0;
  double scale_ = 1.0;
};

namespace {

const QString kSvg = QStringLiteral("svg");
const QString kPng = QStringLiteral("png");

}  // namespace

DiagramWindow::DiagramWindow(MessageService& messages, FileDialogService& files,
                             ErrorDisplay& errors, QWidget* parent)
    : ToolWindow(errors, parent), export_(messages, files) {
  setObjectName(QStringLiteral("Form_Diagram"));
  setWindowTitle(tr("Schemario - Diagram zavislosti"));
  setWindowFlags(Qt::Window);

  a_svg = new QAction(tr("Ulozit jako &SVG"), this);
  a_svg->setObjectName(QStringLiteral("a_svg"));
  connect(a_svg, &QAction::triggered, this, [this] { RunStep([this] { saveSvg(); }); });
  a_png = new QAction(tr("Ulozit jako &PNG"), this);
  a_png->setObjectName(QStringLiteral("a_png"));
  connect(a_png, &QAction::triggered, this, [this] { RunStep([this] { savePng(); }); });

  Label_Schema = new QLabel(this);
  Label_Schema->setObjectName(QStringLiteral("Label_Schema"));
  Label_Schema->setWordWrap(true);
  auto* legend = new QLabel(
      tr("Tlusta cara spojuje atributy leve strany, sipky vedou k atributum, ktere urcuje."), this);
  legend->setObjectName(QStringLiteral("Label_Legend"));
  legend->setWordWrap(true);

  view_ = new DiagramView(this);
  ScrollArea_Diagram = new QScrollArea(this);
  ScrollArea_Diagram->setObjectName(QStringLiteral("ScrollArea_Diagram"));
  ScrollArea_Diagram->setWidget(view_);
  ScrollArea_Diagram->setAlignment(Qt::AlignCenter);

  CheckBox_Fit = new QCheckBox(tr("&Prizpusobit sirce okna"), this);
  CheckBox_Fit->setObjectName(QStringLiteral("CheckBox_Fit"));
  connect(CheckBox_Fit, &QCheckBox::toggled, view_, &DiagramView::setFitted);

  Button_svg = new QPushButton(a_svg->text(), this);
  Button_svg->setObjectName(QStringLiteral("Button_svg"));
  connect(Button_svg, &QPushButton::clicked, a_svg, &QAction::trigger);
  Button_png = new QPushButton(a_png->text(), this);
  Button_png->setObjectName(QStringLiteral("Button_png"));
  connect(Button_png, &QPushButton::clicked, a_png, &QAction::trigger);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CheckBox_Fit);
  buttons->addStretch(1);
  buttons->addWidget(Button_svg);
  buttons->addWidget(Button_png);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label_Schema);
  layout->addWidget(legend);
  layout->addWidget(ScrollArea_Diagram, 1);
  layout->addLayout(buttons);
}

DiagramWindow::~DiagramWindow() = default;

void DiagramWindow::showSchema(const AttributeTable& names, const DependencyList& dependencies,
                               const QString& title) {
  Label_Schema->setText(title);
  Label_Schema->setVisible(!title.isEmpty());
  picture_ = std::make_unique<DiagramPicture>(dependencies, names, font());
  view_->setPicture(picture_.get());
  // As large as the picture, within the screen; beyond, the picture scrolls
  // or is fitted to the width.
  const QRect screen = this->screen()->availableGeometry();
  const QSize chrome = sizeHint() - ScrollArea_Diagram->sizeHint();
  const QSize wanted = picture_->size() + chrome + QSize(40, 40);
  resize(std::min(std::max(wanted.width(), 480), screen.width()),
         std::min(std::max(wanted.height(), 240), screen.height() - 60));
  view_->setRoom(ScrollArea_Diagram->maximumViewportSize().width());
}

QByteArray DiagramWindow::svgBytes() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(picture_->size());
  svg.setViewBox(QRect(QPoint(0, 0), picture_->size()));
  svg.setTitle(Label_Schema->text());
  QPainter painter(&svg);
  painter.setPen(Qt::black);
  picture_->paint(painter);
  painter.end();
  return bytes;
}

QByteArray DiagramWindow::pngBytes() const {
  // Twice the screen's size, so that a printed handout stays sharp.
  QImage image(picture_->size() * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.scale(2, 2);
  painter.setPen(Qt::black);
  picture_->paint(painter);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

void DiagramWindow::saveSvg() {
  if (!picture_) return;
  export_.Save({QStringLiteral("Save_Dialog_Svg"), tr("Diagram do SVG"),
                QStringLiteral("SVG (*.svg)|*.SVG")},
               kSvg, [this] { return svgBytes(); });
}

void DiagramWindow::savePng() {
  if (!picture_) return;
  export_.Save({QStringLiteral("Save_Dialog_Png"), tr("Diagram do PNG"),
                QStringLiteral("PNG (*.png)|*.PNG")},
               kPng, [this] { return pngBytes(); });
}

void DiagramWindow::resetWindow() {}
