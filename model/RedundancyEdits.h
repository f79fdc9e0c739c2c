#pragma once

// Single edits of the live dependency list made from the redundancy windows.

#include "Schema.h"

// The record of the list that stands at `record`'s address, or end() when
// none does.
DependencyList::iterator FindRecord(DependencyList& dependencies, const Dependency* record);

// Removes the first occurrence of `attribute` from the left-hand side; the
// entries behind it move one place to the front. Returns the place it stood
// at, or -1 when it was not there.
int EraseLhsAttribute(Dependency& record, AttributeIndex attribute);
// Puts `attribute` back at `position`, the entries from there moving one
// place to the back: undoes EraseLhsAttribute.
void InsertLhsAttribute(Dependency& record, int position, AttributeIndex attribute);
