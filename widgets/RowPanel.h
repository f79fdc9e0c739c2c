#pragma once

#include <QWidget>

class QGridLayout;

// The controls a window makes at run time for the rows of a list, on a grid
// of their own. The panel owns them, and a new list replaces them all in one
// step, so that no window keeps pointers to controls it has destroyed.
class RowPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit RowPanel(QWidget* parent = nullptr);

  QGridLayout& grid() { return *grid_; }
  // Destroys the controls of the grid's rows from `firstRow` on; rows above
  // (headings) and the grid's spacing and stretches stay.
  void clear(int firstRow = 0);

 private:
  QGridLayout* grid_ = nullptr;
};
