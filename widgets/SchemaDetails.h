#pragma once

// The lower part of the decomposition and synthesis windows: the attributes,
// the dependencies and the keys of one schema. Each dependency is a row of
// its own, coloured and enabled by its normal-form class, wrapping a
// dependency too long for the row's width, and the rows are paged by an
// up-down control in steps of one row. The three columns widen
// to the longest name, dependency and key, as far as the screen allows.

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "Schema.h"
#include "SubSchema.h"

class QLabel;
class QMargins;
class QVBoxLayout;
class QPlainTextEdit;
class QWidget;
class UpDownControl;
class WrappingField;

// The window's controls that show the details; the window creates them, and
// LayOut sets them out in columns whose widths Show decides.
struct DetailControls {
  // Names the schema shown, above the columns.
  QLabel* title = nullptr;
  QLabel* attributesHeading = nullptr;
  QPlainTextEdit* attributes = nullptr;
  QLabel* dependenciesHeading = nullptr;
  QWidget* rowPanel = nullptr;
  UpDownControl* upDown = nullptr;
  QLabel* keysHeading = nullptr;
  QPlainTextEdit* keys = nullptr;
};

// How a window wants its dependency rows.
struct RowStyle {
  // The narrowest a row is; rows widen to the longest dependency.
  int minimumWidth = 267;
  QString hint;
  // Background of a row before its class colours it, if any.
  QColor initialBackground;
  // The tooltip of a row holds its whole dependency above the hint.
  bool textInTooltip = false;
  // The paging control appears from this many rows on.
  int pagedFrom = 10;
  // Called with a row's tag when an enabled row is double-clicked; rows react
  // to nothing without it.
  std::function<void(int tag)> doubleClicked;
};

class SchemaDetails final : public QObject {
 public:
  // Row geometry inside the panel: the first row's top, the row height and
  // the gap between rows.
  static constexpr int RowLeft = 20;
  static constexpr int FirstRowTop = 3;
  static constexpr int RowHeight = 25;
  static constexpr int RowGap = 3;
  static constexpr int RowPitch = RowHeight + RowGap;

  SchemaDetails(DetailControls controls, RowStyle style, QObject* parent = nullptr);

  // Sets the controls out on `panel`, the headings above the attributes, the
  // dependency rows with their paging arrows, and the keys, with `margins`
  // around and `gap` between the columns. Returns the keys' column, in which
  // the window may add controls under the keys.
  QVBoxLayout& LayOut(QWidget& panel, const QMargins& margins, int gap);

  // Shows the schema numbered `number` (the original schema has no number)
  // under a title that names it: its
  // member names one a line, a row per dependency in list order, and
  // `keyLines`, its keys as the window words them, one a line; both memos
  // end with a hyphen line.
  void Show(const SubSchema& schema, const NumberLabel& number, const AttributeTable& names,
            const QStringList& keyLines);
  // Gives the columns the widths that `schema` needs, as if it were shown,
  // and shows nothing: the window then takes its size at once, rather than
  // widening when the student first opens the schema.
  void Reserve(const SubSchema& schema, const AttributeTable& names, const QStringList& keyLines);
  // Nothing shown: rows destroyed, memos empty and disabled, headings grey.
  void Clear();
  // Shows the rows from the one at `position`, where the up-down control
  // reached.
  void Page(int position);

  const std::vector<WrappingField*>& Rows() const { return dependencyRows; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DestroyRows();
  void FitColumns();
  void LayOutRows();
  void SetHeadingsColour(const QColor& colour);

  DetailControls controls_;
  RowStyle style_;
  // The widths the window gave the memos and the panel: the least they take.
  int attributesMinimum_;
  int panelMinimum_;
  int keysMinimum_;
  int rowWidth_;
  // What the columns' layout spends beside the three columns: its margins,
  // the gaps and the paging arrows.
  int besideColumns_ = 0;
  QVBoxLayout* keysColumn_ = nullptr;
  std::vector<WrappingField*> dependencyRows;
  // The row at the panel's top; the rows above it are paged past.
  int firstShown_ = 0;
};
