#include "TFrame_Decomposition_Tree.h"

TFrame_Decomposition_Tree::TFrame_Decomposition_Tree(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Frame_Decomposition_Tree"));
}
