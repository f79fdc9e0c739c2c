#pragma once

// Single edits of the live dependency list made from the redundancy windows.

#include "Schema.h"

// The record of the list that stands at `record`'s address, or end() when
// none does.
DependencyList::iterator FindRecord(DependencyList& dependencies, const Dependency* record);

// Removes the first occurrence of `attribute` from the left-hand side; the
// entries behind it move one place to the front. Returns whether it stood
// there.
bool EraseLhsAttribute(Dependency& record, AttributeIndex attribute);
