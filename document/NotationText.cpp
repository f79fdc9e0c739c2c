#include "NotationText.h"

#include "ModelText.h"

QString NotationText::ReasonText(const NotationRefusal& refusal) {
  using Reason = NotationRefusal::Reason;
  const QString detail = ToText(refusal.detail);
  switch (refusal.reason) {
    case Reason::InvalidUtf8:
      return tr("bajt %1 nepatri do textu v kodovani UTF-8").arg(detail);
    case Reason::ForbiddenCharacter:
      return tr("znak %1 nemuze byt ve jmenu atributu").arg(detail);
    case Reason::UnknownKeyword:
      return tr("nezname slovo %1 pred dvojteckou").arg(detail);
    case Reason::SecondAttributeLine:
      return tr("druhy radek s atributy, prvni je na radku %1").arg(detail);
    case Reason::ArrowInAttributeLine:
      return tr("sipka v radku s atributy");
    case Reason::MissingArrow:
      return tr("zavislosti chybi sipka ->");
    case Reason::SecondArrow:
      return tr("druha sipka v jedne zavislosti");
    case Reason::MissingRightSide:
      return tr("za sipkou chybi prava strana");
    case Reason::EmptyName:
      return tr("chybi jmeno atributu");
    case Reason::NameTooLong:
      return tr("jmeno %1 je delsi nez %2 znaku").arg(detail).arg(MaxNameLength);
    case Reason::DuplicateAttribute:
      return tr("atribut %1 je uveden dvakrat").arg(detail);
    case Reason::UnknownAttribute:
      return tr("neznamy atribut %1").arg(detail);
    case Reason::TooManyAttributes:
      return tr("vice nez %1 atributu").arg(detail);
    case Reason::TooManyOnLeftSide:
      return tr("vice nez %1 atributu na leve strane").arg(detail);
    case Reason::TooManyDependencies:
      return tr("vice nez %1 zavislosti").arg(detail);
  }
  return {};
}

QString NotationText::RefusalText(const NotationRefusal& refusal) {
  return tr("radek %1, sloupec %2: %3")
      .arg(refusal.line)
      .arg(refusal.column)
      .arg(ReasonText(refusal));
}

QString NotationText::WriteRefusalText(const NotationWriteRefusal& refusal) {
  using Reason = NotationWriteRefusal::Reason;
  const QString detail = ToText(refusal.detail);
  switch (refusal.reason) {
    case Reason::InvalidUtf8:
    case Reason::ReservedCharacter:
      return tr("jmeno %1 obsahuje znak, ktery text nepripousti").arg(detail);
    case Reason::StrayBlanks:
      return tr("jmeno %1 ma mezery, ktere by text nezachoval").arg(detail);
    case Reason::NameTooLong:
      return tr("jmeno %1 je delsi nez %2 znaku").arg(detail).arg(MaxNameLength);
    case Reason::DuplicateName:
      return tr("jmeno %1 je uvedeno dvakrat").arg(detail);
    case Reason::UnnamedAttribute:
      return tr("zavislost pouziva atribut %1, ktery nema jmeno").arg(detail);
    case Reason::TooManyDependencies:
      return tr("vice nez %1 zavislosti").arg(detail);
  }
  return {};
}
