#include "ExerciseHub.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "Display.h"
#include "ExerciseSupport.h"

namespace {

constexpr int PictureSize = 56;

enum class Pictogram {
  Closure,
  MaxSet,
  Keys,
  RedundantAttributes,
  RedundantDependencies,
  Decomposition,
  Synthesis,
  OwnDecomposition
};

void DrawBox(QPainter& p, const QRectF& r, const QColor& fill) {
  p.setBrush(fill);
  p.drawRoundedRect(r, 3, 3);
}

void DrawCross(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(198, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
}

void DrawArrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF normal(-dir.y(), dir.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - dir * 9 + normal * 5);
  head.lineTo(to - dir * 9 - normal * 5);
  head.closeSubpath();
  p.fillPath(head, p.pen().color());
}

// The exercise pictures, drawn rather than loaded so the program needs no
// image files.
QIcon Picture(Pictogram kind) {
  QPixmap pixmap(PictureSize, PictureSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(33, 33, 33), blue(21, 101, 192), paper(255, 248, 225), green(46, 125, 50);
  QFont font = p.font();
  font.setBold(true);
  switch (kind) {
    case Pictogram::Closure: {
      // A set and the larger set it determines.
      p.setPen(QPen(blue, 2, Qt::DashLine));
      p.setBrush(QColor(227, 242, 253));
      p.drawEllipse(QRectF(3, 6, 50, 46));
      p.setPen(QPen(ink, 2));
      p.setBrush(paper);
      p.drawEllipse(QRectF(10, 17, 24, 24));
      font.setPixelSize(14);
      p.setFont(font);
      p.drawText(QRectF(10, 17, 24, 24), Qt::AlignCenter, QStringLiteral("X"));
      font.setPixelSize(20);
      p.setFont(font);
      p.setPen(blue);
      p.drawText(QRectF(33, 4, 20, 22), Qt::AlignCenter, QStringLiteral("+"));
      break;
    }
    case Pictogram::MaxSet: {
      // Nested sets with the largest one outlined in bold.
      p.setPen(QPen(ink, 1.5));
      DrawBox(p, QRectF(4, 32, 18, 18), paper);
      DrawBox(p, QRectF(12, 22, 22, 22), paper);
      p.setPen(QPen(blue, 3));
      DrawBox(p, QRectF(18, 5, 35, 30), QColor(227, 242, 253));
      font.setPixelSize(12);
      p.setFont(font);
      p.drawText(QRectF(18, 5, 35, 30), Qt::AlignCenter, QStringLiteral("max"));
      break;
    }
    case Pictogram::Keys: {
      const QColor gold(230, 170, 30);
      p.setPen(QPen(gold.darker(160), 2));
      p.setBrush(gold);
      p.drawEllipse(QRectF(4, 16, 24, 24));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(11, 23, 10, 10));
      p.setBrush(gold);
      p.drawRect(QRectF(27, 24, 25, 8));
      p.drawRect(QRectF(40, 32, 5, 8));
      p.drawRect(QRectF(47, 32, 5, 10));
      break;
    }
    case Pictogram::RedundantAttributes: {
      p.setPen(QPen(ink, 1.5));
      DrawBox(p, QRectF(4, 14, 22, 28), paper);
      DrawBox(p, QRectF(30, 14, 22, 28), paper);
      font.setPixelSize(18);
      p.setFont(font);
      p.drawText(QRectF(4, 14, 22, 28), Qt::AlignCenter, QStringLiteral("A"));
      p.drawText(QRectF(30, 14, 22, 28), Qt::AlignCenter, QStringLiteral("B"));
      DrawCross(p, QRectF(32, 17, 18, 22));
      break;
    }
    case Pictogram::RedundantDependencies: {
      p.setPen(QPen(ink, 3));
      DrawArrow(p, QPointF(6, 16), QPointF(50, 16));
      DrawArrow(p, QPointF(6, 40), QPointF(50, 40));
      DrawCross(p, QRectF(18, 30, 20, 20));
      break;
    }
    case Pictogram::Decomposition: {
      // A schema split into two.
      p.setPen(QPen(ink, 2));
      p.drawLine(QPointF(28, 20), QPointF(13, 36));
      p.drawLine(QPointF(28, 20), QPointF(43, 36));
      p.setPen(QPen(ink, 1.5));
      DrawBox(p, QRectF(16, 4, 24, 16), QColor(244, 131, 20));
      DrawBox(p, QRectF(2, 36, 22, 16), QColor(248, 230, 108));
      DrawBox(p, QRectF(32, 36, 22, 16), QColor(92, 242, 113));
      break;
    }
    case Pictogram::Synthesis: {
      // Two schemas joined into one.
      p.setPen(QPen(ink, 2));
      p.drawLine(QPointF(13, 20), QPointF(28, 36));
      p.drawLine(QPointF(43, 20), QPointF(28, 36));
      p.setPen(QPen(ink, 1.5));
      DrawBox(p, QRectF(2, 4, 22, 16), QColor(92, 242, 113));
      DrawBox(p, QRectF(32, 4, 22, 16), QColor(92, 242, 113));
      DrawBox(p, QRectF(14, 36, 28, 16), green);
      break;
    }
    case Pictogram::OwnDecomposition: {
      // The student's parts, each ticked as judged.
      p.setPen(QPen(ink, 1.5));
      DrawBox(p, QRectF(2, 10, 24, 16), paper);
      DrawBox(p, QRectF(30, 10, 24, 16), paper);
      p.setPen(QPen(green, 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 40), QPointF(24, 50));
      p.drawLine(QPointF(24, 50), QPointF(44, 30));
      break;
    }
  }
  return QIcon(pixmap);
}

}  // namespace

ExerciseHub::ExerciseHub(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form_Test"));
  setWindowTitle(tr("Schemario - Testovaci modul"));
  resize(748, 405);

  QAction* a_closure = makeExerciseAction("a_closure", tr("&Uzaver"), Exercise::Closure);
  QAction* a_maxset =
      makeExerciseAction("a_maxset", tr("&Maximalni mnoziny"), Exercise::MaximalSets);
  QAction* a_keys = makeExerciseAction("a_keys", tr("&Klice"), Exercise::Keys);
  QAction* a_red_atributy = makeExerciseAction("a_red_atributy", tr("&Redundantni atributy"),
                                               Exercise::RedundantAttributes);
  QAction* a_red_zavislosti = makeExerciseAction("a_red_zavislosti", tr("Redundantni &zavislosti"),
                                                 Exercise::RedundantDependencies);
  QAction* a_dekompozice =
      makeExerciseAction("a_dekompozice", tr("&Dekompozice"), Exercise::Decomposition);
  QAction* a_synteza = makeExerciseAction("a_synteza", tr("&Synteza"), Exercise::Synthesis);
  QAction* a_vlastni_dekompozice = makeExerciseAction(
      "a_vlastni_dekompozice", tr("&Vlastni dekompozice"), Exercise::OwnDecomposition);
  QAction* a_konec = exercise::MakeAction(this, "a_konec", tr("&Konec"));
  connect(a_konec, &QAction::triggered, this, &QWidget::close);

  const struct {
    const char* name;
    QAction* action;
    Pictogram picture;
    QRect geometry;
  } buttons[] = {
      {"Button_Uzaver", a_closure, Pictogram::Closure, QRect(26, 59, 202, 111)},
      {"Button_MaxSet", a_maxset, Pictogram::MaxSet, QRect(247, 59, 202, 111)},
      {"Button_Klice", a_keys, Pictogram::Keys, QRect(468, 65, 202, 111)},
      {"Button_RedAtr", a_red_atributy, Pictogram::RedundantAttributes, QRect(26, 182, 202, 111)},
      {"Button_RedDep", a_red_zavislosti, Pictogram::RedundantDependencies,
       QRect(247, 182, 202, 111)},
      {"Button_Dekompozice", a_dekompozice, Pictogram::Decomposition, QRect(468, 182, 202, 111)},
      {"Button_Synteza", a_synteza, Pictogram::Synthesis, QRect(247, 306, 202, 87)},
      {"Button_VlastniDekompozice", a_vlastni_dekompozice, Pictogram::OwnDecomposition,
       QRect(468, 306, 202, 87)},
  };
  for (const auto& b : buttons) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(b.name));
    // The caption keeps its "&", so that Alt and the marked letter press it.
    button->setText(b.action->text());
    button->setIcon(Picture(b.picture));
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setGeometry(b.geometry);
    QFont font = button->font();
    font.setPixelSize(15);
    button->setFont(font);
    connect(button, &QToolButton::clicked, b.action, &QAction::trigger);
    if (b.action == a_synteza) button->hide();
  }
}

QAction* ExerciseHub::makeExerciseAction(const char* name, const QString& caption, Exercise which) {
  QAction* action = exercise::MakeAction(this, name, caption);
  connect(action, &QAction::triggered, this, [this, which] { emit exerciseRequested(which); });
  return action;
}
