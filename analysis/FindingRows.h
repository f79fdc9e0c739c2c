#pragma once

#include "RedundancyFindingsSession.h"

class QPushButton;
class QWidget;
class RowPanel;
class WrappingField;

// Shows one row of a redundancy window: its dependency whole, on one line as
// wide as it needs between `narrowest` and `widest`, beyond that over
// further lines; white while it can be deleted, grey once deleted, yellow
// once no longer redundant; and its button enabled while it can be deleted.
void ShowFinding(const RedundancyFindingsSession::Row& row, WrappingField& dependency,
                 QPushButton& button, int narrowest, int widest);

// The widest the dependency fields of `rows`, one of which is `field`, may
// get with the window within the screen: the room the canvas leaves the
// rows less what stands beside the fields.
int WidestFinding(QWidget& window, QWidget& canvas, RowPanel& rows, const QWidget& field);
