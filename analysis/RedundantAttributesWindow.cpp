#include "RedundantAttributesWindow.h"

#include <QGridLayout>
#include <QLabel>

#include "Display.h"
#include "RowPanel.h"
#include "SchemaListing.h"

namespace {

// The window's starting size; it grows from there, and rows beyond its
// lower edge are reached by scrolling.
constexpr int kWidth = 624;
constexpr int kHeight = 399;

// The columns of a row: "Atribut", the attribute, "v zavislosti", the
// dependency and its button.
enum Column {
  AttributeWordColumn,
  AttributeColumn,
  DependencyWordColumn,
  EditColumn,
  ButtonColumn
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, bool emphasised) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (emphasised) {
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

RedundantAttributesWindow::RedundantAttributesWindow(RedundantAttributesSession& session,
                                                     SchemaHost& host, MessageService& messages,
                                                     ErrorDisplay& errors, QWidget* parent)
    : RedundancyFindingsWindow(session, host, messages, errors, parent, tr("Redundantni atributy:"),
                               tr("Smazat"),
                               {.headingGap = 24,
                                .fieldColumn = EditColumn,
                                .deleteColumn = ButtonColumn,
                                .narrowestField = 201}) {
  setObjectName(QStringLiteral("Form_Redundant_Attributes"));
  setWindowTitle(tr("Schemario - Redundantni atributy"));
  resize(kWidth, kHeight);
}

void RedundantAttributesWindow::addRowControls(QGridLayout& grid, std::size_t row) {
  const int line = static_cast<int>(row);
  const int k = line + 1;
  grid.addWidget(MakeLabel(&rows(), QStringLiteral("Label_A%1").arg(k), tr("Atribut"), false), line,
                 AttributeWordColumn);
  grid.addWidget(
      MakeLabel(&rows(), QStringLiteral("Label_Atr%1").arg(k),
                ToText(NameOf(session().names(), session().rows()[row].attribute)), true),
      line, AttributeColumn);
  grid.addWidget(MakeLabel(&rows(), QStringLiteral("Label_D%1").arg(k), tr("v zavislosti"), false),
                 line, DependencyWordColumn);
}

RedundancyFindingsWindow::DeletionTexts RedundantAttributesWindow::deletionTexts() const {
  return {tr("Chcete skutecne smazat tento atribut?"),
          tr("Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen "
             "zlute."),
          tr("Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?")};
}
