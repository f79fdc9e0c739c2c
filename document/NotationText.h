#pragma once

#include <QCoreApplication>
#include <QString>

#include "SchemaNotation.h"

// What the program says when a schema text is refused, in the student's
// language: "radek 3, sloupec 12: neznamy atribut Zakaznil".
class NotationText final {
  Q_DECLARE_TR_FUNCTIONS(NotationText)

 public:
  static QString RefusalText(const NotationRefusal& refusal);
  // Why a schema cannot be written as text: "jmeno A,B obsahuje znak, ktery
  // text nepripousti".
  static QString WriteRefusalText(const NotationWriteRefusal& refusal);

 private:
  static QString ReasonText(const NotationRefusal& refusal);
};
